#include "ui/worksheet/WorksheetPages.h"

#include "ui/Common.h"
#include "ui/study/StudyPictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace oralis {

namespace {

const QString kSheetFont = QStringLiteral("ＭＳ Ｐ明朝");
const QColor kFrame(0x90, 0x90, 0x90);
const QColor kWriting(0x60, 0x60, 0x60);

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::WorksheetPages)
};

// A font whose lines fill `fraction` of a box `height` dots high.
QFont SheetFont(int height, double fraction, bool bold = false)
{
    QFont font = NamedFont(kSheetFont, 10, bold);
    font.setPixelSize(std::max(1, static_cast<int>(height * fraction)));
    return font;
}

}  // namespace

WorksheetPages::WorksheetPages(const WorksheetContent& content, WorksheetKind kind, StudyPictures& pictures,
                               const ProgressFn& progress)
    : content_(content), kind_(kind), frames_(DistinctFrames(content))
{
    std::vector<int> syllables;
    for (const WorksheetWord& w : content.words)
        syllables.push_back(static_cast<int>(w.cells.size()));
    layout_ = LayOutWorksheet(syllables, kind);
    pictures_ = pictures.Draw(frames_.frames, layout_.picture, progress);
}

bool WorksheetPages::Paint(QPagedPaintDevice& device, QString* whyNot) const
{
    QPainter p;
    if (!p.begin(&device)) {
        if (whyNot)
            *whyNot = Text::tr("The pages could not be drawn");
        return false;
    }
    // The layout is in dots of a 300 dpi A4 page; a device of another
    // resolution, or paper that is not quite A4, gets it scaled to fit.
    const QRect paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const qreal scale = std::min(paper.width() / qreal(layout_.page.width()),
                                 paper.height() / qreal(layout_.page.height()));
    const int pages = pageCount();
    for (int n = 0; n < pages; ++n) {
        if (n > 0)
            device.newPage();
        p.resetTransform();
        p.scale(scale, scale);
        const WorksheetPage& page = layout_.pages[static_cast<size_t>(n)];

        p.setPen(Qt::black);
        p.setFont(SheetFont(page.heading.height(), 0.7, true));
        p.drawText(page.heading, Qt::AlignLeft | Qt::AlignVCenter, WorksheetHeading(content_.title, page));
        p.setFont(SheetFont(page.pageNumber.height(), 0.6));
        p.drawText(page.pageNumber, Qt::AlignCenter, PageNumberText(n + 1, pages));

        for (const PlacedTitle& t : page.titles) {
            const WorksheetWord& w = content_.words[static_cast<size_t>(t.word)];
            p.setFont(SheetFont(t.number.height(), 0.6, true));
            p.drawText(t.number, Qt::AlignLeft | Qt::AlignVCenter, WordNumberText(t.word));
            p.setFont(SheetFont(t.text.height(), 0.7));
            p.drawText(t.text, Qt::AlignLeft | Qt::AlignVCenter, w.text);
            p.setFont(SheetFont(t.reading.height(), 0.55));
            p.drawText(t.reading, Qt::AlignLeft | Qt::AlignVCenter, w.reading);
        }
        for (const PlacedPicture& pic : page.pictures) {
            const int index = frames_.pictureOf[static_cast<size_t>(pic.word)][static_cast<size_t>(pic.cell)];
            p.drawImage(pic.picture, pictures_.value(index));
            p.setPen(QPen(kFrame, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(pic.picture.adjusted(0, 0, -1, -1));
            if (!pic.label.isEmpty()) {
                const StripCell& cell = content_.words[static_cast<size_t>(pic.word)].cells[static_cast<size_t>(pic.cell)];
                // The kana large, the shape's name under it.
                const int kanaHeight = pic.label.height() * 11 / 20;
                const QRect kana(pic.label.topLeft(), QSize(pic.label.width(), kanaHeight));
                const QRect shape(kana.bottomLeft() + QPoint(0, 1),
                                  QSize(pic.label.width(), pic.label.height() - kanaHeight));
                p.setPen(Qt::black);
                p.setFont(SheetFont(pic.label.height(), 0.5));
                p.drawText(kana, Qt::AlignCenter, cell.kana);
                p.setFont(SheetFont(pic.label.height(), 0.32));
                p.drawText(shape, Qt::AlignHCenter | Qt::AlignTop, ShapeName(cell.shape));
            }
        }
        p.setPen(QPen(kWriting, 3));
        for (const PlacedLine& line : page.writingLines)
            p.drawLine(line.line);
        p.setPen(Qt::black);
        for (const PlacedAnswer& a : page.answers) {
            p.setFont(SheetFont(a.line.height(), 0.55));
            p.drawText(a.line, Qt::AlignLeft | Qt::AlignVCenter,
                       AnswerText(a.word, content_.words[static_cast<size_t>(a.word)]));
        }
    }
    return p.end();
}

QByteArray WorksheetPages::Pdf(QString* whyNot) const
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kWorksheetDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(content_.title);
        pdf.setCreator(kProgramTitle);
        if (!Paint(pdf, whyNot))
            return {};
    }
    if (bytes.isEmpty() && whyNot)
        *whyNot = Text::tr("The PDF document could not be made");
    return bytes;
}

}  // namespace oralis
