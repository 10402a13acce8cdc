#include "playback/Worksheet.h"

#include "model/TextFile.h"
#include "playback/LipPattern.h"
#include "playback/Playback.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Worksheet)
};

constexpr double kMarginMm = 15.0;
constexpr double kHeadingMm = 12.0;
constexpr double kPageNumberMm = 8.0;
constexpr double kAfterHeadingMm = 4.0;
constexpr double kTitleMm = 10.0;
constexpr double kNumberMm = 16.0;
constexpr double kLabelMm = 9.0;
constexpr double kPictureGapMm = 2.0;
constexpr double kWritingMm = 14.0;
constexpr double kAfterWordMm = 4.0;
constexpr double kAnswerMm = 10.0;

// Fills pages top to bottom inside the body of the page.
class PageFlow {
public:
    PageFlow(WorksheetLayout& layout, const QRect& body) : layout_(layout), body_(body) { newPage(false); }

    // The top of a block of `height` dots, on a new page when it does not fit.
    int place(int height, bool answers)
    {
        if (y_ + height > body_.bottom() + 1 && y_ > body_.top())
            newPage(answers);
        const int top = y_;
        y_ += height;
        return top;
    }
    void skip(int height) { y_ = std::min(y_ + height, body_.bottom() + 1); }
    void newPage(bool answers)
    {
        WorksheetPage page;
        page.answerPage = answers;
        const int margin = Dots(kMarginMm);
        page.heading = QRect(margin, margin, body_.width(), Dots(kHeadingMm));
        page.pageNumber = QRect(margin, layout_.page.height() - margin - Dots(kPageNumberMm), body_.width(),
                                Dots(kPageNumberMm));
        layout_.pages.push_back(std::move(page));
        y_ = body_.top();
    }
    WorksheetPage& page() { return layout_.pages.back(); }

private:
    WorksheetLayout& layout_;
    QRect body_;
    int y_ = 0;
};

}  // namespace

int Dots(double millimetres)
{
    return static_cast<int>(std::lround(millimetres * kWorksheetDpi / 25.4));
}

QSize WorksheetPageSize()
{
    return {Dots(210.0), Dots(297.0)};
}

std::optional<WorksheetContent> WorksheetOfList(const QString& title, const WordList& list, const SignTable& table,
                                                QStringView speedText, QString* whyNot)
{
    const std::optional<PlaybackPlan> start = BeginPlan(table, speedText, whyNot);
    if (!start)
        return std::nullopt;
    WorksheetContent content;
    content.title = title;
    for (int i = 0; i < list.size(); ++i) {
        QString why;
        const std::optional<LipPattern> p = PatternOfReading(list.readings[i], table, *start, &why);
        if (p && p->spoken() > 0)
            content.words.push_back({list.displays[i], list.readings[i], WordStrip(*p)});
        else
            content.leftOut << QStringLiteral("%1 (%2): %3").arg(Quoted(list.displays[i]), list.readings[i], why);
    }
    if (content.words.empty()) {
        if (whyNot)
            *whyNot = Text::tr("No word of the list can be played");
        return std::nullopt;
    }
    return content;
}

WorksheetFrames DistinctFrames(const WorksheetContent& content)
{
    WorksheetFrames out;
    std::map<QByteArray, int> seen;
    for (const WorksheetWord& w : content.words) {
        std::vector<int>& indices = out.pictureOf.emplace_back();
        for (const StripCell& cell : w.cells) {
            QByteArray key;
            if (cell.target)
                key = QByteArray(reinterpret_cast<const char*>(cell.target->v.data()),
                                 static_cast<qsizetype>(sizeof(cell.target->v)));
            const auto [at, added] = seen.emplace(key, static_cast<int>(out.frames.size()));
            if (added)
                out.frames.push_back(cell.target);
            indices.push_back(at->second);
        }
    }
    return out;
}

WorksheetLayout LayOutWorksheet(const std::vector<int>& syllables, WorksheetKind kind)
{
    WorksheetLayout layout;
    layout.page = WorksheetPageSize();
    const int margin = Dots(kMarginMm);
    const int top = margin + Dots(kHeadingMm) + Dots(kAfterHeadingMm);
    const QRect body(margin, top, layout.page.width() - 2 * margin,
                     layout.page.height() - margin - Dots(kPageNumberMm) - top);

    const int gap = Dots(kPictureGapMm);
    layout.columns = std::max(1, (body.width() + gap) / (Dots(kMinPictureMillimetres) + gap));
    const int width = (body.width() - (layout.columns - 1) * gap) / layout.columns;
    // The strips' own proportions, so pictures look as they do on the screen.
    layout.picture = QSize(width, width * kStripPicture.height() / kStripPicture.width());

    const bool answerSheet = kind == WorksheetKind::Answers;
    const int titleHeight = Dots(kTitleMm);
    const int numberWidth = Dots(kNumberMm);
    const int labelHeight = answerSheet ? 0 : Dots(kLabelMm);
    const int rowHeight = layout.picture.height() + labelHeight;

    PageFlow flow(layout, body);
    for (int w = 0; w < static_cast<int>(syllables.size()); ++w) {
        const int cells = std::max(syllables[static_cast<size_t>(w)], 0);
        const int rows = std::max(1, (cells + layout.columns - 1) / layout.columns);
        // The title goes with the first row, so that no title stands alone,
        // and the line to write on with the last.
        const int writing = answerSheet ? Dots(kWritingMm) : 0;
        const auto below = [&](int r) { return r == rows - 1 ? writing : 0; };
        int y = flow.place(titleHeight + rowHeight + below(0), false);
        PlacedTitle title{w, QRect(body.left(), y, numberWidth, titleHeight), {}, {}};
        if (!answerSheet) {
            const int textWidth = (body.width() - numberWidth) * 3 / 5;
            title.text = QRect(body.left() + numberWidth, y, textWidth, titleHeight);
            title.reading = QRect(title.text.right() + 1, y, body.width() - numberWidth - textWidth, titleHeight);
        }
        flow.page().titles.push_back(title);
        y += titleHeight;
        for (int r = 0; r < rows; ++r) {
            if (r > 0)
                y = flow.place(gap + rowHeight + below(r), false) + gap;
            for (int c = r * layout.columns; c < std::min(cells, (r + 1) * layout.columns); ++c) {
                const int x = body.left() + (c - r * layout.columns) * (width + gap);
                const QRect picture(QPoint(x, y), layout.picture);
                const QRect label = answerSheet ? QRect() : QRect(x, picture.bottom() + 1, width, labelHeight);
                flow.page().pictures.push_back({w, c, picture, label});
            }
        }
        if (answerSheet) {
            const int lineY = y + rowHeight + writing - 1;
            flow.page().writingLines.push_back({w, QLine(body.left() + numberWidth, lineY, body.right(), lineY)});
        }
        flow.skip(Dots(kAfterWordMm));
    }

    if (answerSheet) {
        flow.newPage(true);
        for (int w = 0; w < static_cast<int>(syllables.size()); ++w) {
            const int y = flow.place(Dots(kAnswerMm), true);
            flow.page().answers.push_back({w, QRect(body.left(), y, body.width(), Dots(kAnswerMm))});
        }
    }
    return layout;
}

QString WorksheetHeading(const QString& title, const WorksheetPage& page)
{
    return page.answerPage ? Text::tr("%1: answers").arg(title) : title;
}

QString PageNumberText(int page, int pages)
{
    return Text::tr("%1 / %2").arg(page).arg(pages);
}

QString WordNumberText(int word)
{
    return Text::tr("%1.").arg(word + 1);
}

QString AnswerText(int word, const WorksheetWord& w)
{
    return Text::tr("%1  %2  (%3)").arg(WordNumberText(word), w.text, w.reading);
}

}  // namespace oralis
