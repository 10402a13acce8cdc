#include "playback/StudyStrip.h"

#include <QCoreApplication>
#include <algorithm>

namespace oralis {

namespace {

constexpr int kClosureSign = 11;

StripCell CellOf(const LipPattern& p, int syllable)
{
    const PatternSyllable& s = p.syllables[static_cast<size_t>(syllable)];
    StripCell cell{s.kana, s.shape, std::nullopt};
    if (s.steps.empty())
        return cell;
    // The lips of ま, ば and ぱ are told from those of あ by their closure
    // alone, so that is the picture; a sign without a frame before its vowel
    // has no closure to show.
    const bool closure = s.shape == BasicShape::Closed && s.steps.size() >= 2;
    const size_t frame = closure ? 0 : s.steps.size() - 1;
    cell.target = p.plan.targets[static_cast<size_t>(s.firstTarget) + frame].frame;
    return cell;
}

int ColumnLeft(int column)
{
    return kStripMargin + column * (kStripPicture.width() + kStripGap);
}

int RowTop(int row)
{
    return kStripMargin + row * (kStripPicture.height() + kStripLabelHeight + kStripGap);
}

}  // namespace

std::optional<LipFrame> BasicShapeFrame(const SignTable& table, BasicShape shape)
{
    if (shape == BasicShape::Closed) {
        const SignEntry& ma = table[kClosureSign];
        if (ma.Frames.size() < 2)
            return std::nullopt;
        return ma.Frames.front();
    }
    const auto* taught = std::find(std::begin(kTaughtShapes), std::end(kTaughtShapes), shape);
    if (taught == std::end(kTaughtShapes))
        return std::nullopt;
    const SignEntry& vowel = table[1 + static_cast<int>(taught - std::begin(kTaughtShapes))];
    if (vowel.Frames.empty())
        return std::nullopt;
    return vowel.Frames.back();
}

QString StripCell::label() const
{
    return kana + QLatin1Char('\n') + ShapeName(shape);
}

std::vector<StripCell> WordStrip(const LipPattern& p)
{
    std::vector<StripCell> cells;
    for (int i = 1; i <= p.spoken(); ++i)
        cells.push_back(CellOf(p, i));
    return cells;
}

std::vector<StripColumn> ComparisonStrip(const LipPattern& a, const LipPattern& b)
{
    std::vector<StripColumn> columns;
    for (const SyllablePair& pair : AlignPatterns(a, b)) {
        StripColumn c;
        if (pair.a >= 0)
            c.a = CellOf(a, pair.a);
        if (pair.b >= 0)
            c.b = CellOf(b, pair.b);
        c.differs = pair.kind != PairKind::Match;
        columns.push_back(std::move(c));
    }
    return columns;
}

QSize StripImageSize(int columns, int rows)
{
    const int c = std::max(columns, 1);
    const int r = std::max(rows, 1);
    return {2 * kStripMargin + c * kStripPicture.width() + (c - 1) * kStripGap,
            2 * kStripMargin + r * (kStripPicture.height() + kStripLabelHeight) + (r - 1) * kStripGap};
}

QRect StripPictureRect(int column, int row)
{
    return {QPoint(ColumnLeft(column), RowTop(row)), kStripPicture};
}

QRect StripLabelRect(int column, int row)
{
    return {ColumnLeft(column), RowTop(row) + kStripPicture.height(), kStripPicture.width(), kStripLabelHeight};
}

QRect StripColumnRect(int column, int rows)
{
    const int half = kStripGap / 2;
    const int bottom = RowTop(std::max(rows, 1) - 1) + kStripPicture.height() + kStripLabelHeight;
    return QRect(QPoint(ColumnLeft(column) - half, kStripMargin - half),
                 QPoint(ColumnLeft(column) + kStripPicture.width() + half - 1, bottom + half - 1));
}

QString LookalikeText(const QString& reading, const QList<LookalikeIndex::Word>& words)
{
    if (words.isEmpty())
        return QCoreApplication::translate("oralis::StudySession", "No word of the lists looks like %1").arg(reading);
    QStringList lines;
    for (const LookalikeIndex::Word& w : words)
        lines << QStringLiteral("%1  %2  (%3)").arg(w.reading, w.display, w.list);
    return lines.join(u'\n');
}

}  // namespace oralis
