// What the study window's pictures show: the basic shapes, a word's strip of
// syllables, and the comparison strip of two words, with their labels and the
// places they are drawn at. The pictures themselves come from the renderer.
#pragma once

#include "model/MouthShape.h"
#include "model/ProgramState.h"
#include "playback/LipPattern.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace oralis {

// The frame a basic shape's picture is drawn from: for あ..お the last frame
// of the vowel's sign (1..5), for closed lips the first frame of sign 11 (ま),
// its bilabial closure. Empty when the table has no such frame (a sign of
// one frame has no closure before its vowel).
std::optional<LipFrame> BasicShapeFrame(const SignTable& table, BasicShape shape);

// One syllable as a strip shows it: the shape it is read by over its kana and
// basic shape. That is where its sign ends (the last frame), except for a
// syllable whose consonant closes the lips, which shows the closure (the
// sign's first frame, when it has another after it); none for a sign without
// frames.
struct StripCell {
    QString kana;
    BasicShape shape = BasicShape::Rest;
    std::optional<LipFrame> target;

    QString label() const;  // "ﾏ\n閉じた口"
};

// The spoken syllables of `p`, in order.
std::vector<StripCell> WordStrip(const LipPattern& p);

// One aligned pair: A's syllable above B's; a side is empty where that word
// has none. `differs` for every pair that is not a match.
struct StripColumn {
    std::optional<StripCell> a;
    std::optional<StripCell> b;
    bool differs = false;
};
std::vector<StripColumn> ComparisonStrip(const LipPattern& a, const LipPattern& b);

// Where a strip's parts lie in its image (pixels): a picture of
// kStripPicture over a label, per column and row, inside a margin.
inline constexpr QSize kStripPicture{120, 84};
constexpr int kStripLabelHeight = 36;
constexpr int kStripMargin = 8;
constexpr int kStripGap = 6;
QSize StripImageSize(int columns, int rows);
QRect StripPictureRect(int column, int row);
QRect StripLabelRect(int column, int row);
// Around a whole column, rows included: the mark of a differing pair.
QRect StripColumnRect(int column, int rows);

// cmdLookalikes' list: one line per word, "ﾊﾞﾄ  鳩  (level1.txt)", or a
// sentence saying there is none.
QString LookalikeText(const QString& reading, const QList<LookalikeIndex::Word>& words);

}  // namespace oralis
