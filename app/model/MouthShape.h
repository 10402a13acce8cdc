// The basic mouth shapes taught in Japanese deaf education (あ, い, う, え, お
// and closed lips), and which of them each playback sign shows.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace oralis {

// Geminate and SyllabicN take no shape of their own: the mouth holds the
// vowel before them. Rest is the shape every word starts from; it is not a
// syllable, so it is kept apart from the bilabial closure the learner reads.
enum class BasicShape { Rest, A, I, U, E, O, Closed, Geminate, SyllabicN };

constexpr int kBasicShapeCount = 9;

// The six a learner is taught to tell apart, in teaching order.
constexpr BasicShape kTaughtShapes[] = {BasicShape::A, BasicShape::I, BasicShape::U,
                                        BasicShape::E, BasicShape::O, BasicShape::Closed};

// What a sign shows: `onset` is the shape its first frames pass through, when
// that differs from where it ends (the closure of ま before its あ, the rounding
// of わ); `target` is the shape it ends on. `shape` is the one it is read by:
// the closure for m, b and p, since that alone tells ま from あ.
struct SignShape {
    BasicShape shape = BasicShape::Rest;
    std::optional<BasicShape> onset;
    BasicShape target = BasicShape::Rest;
};

// For signs 0..31; any other sign is the rest shape.
SignShape ShapeOfSign(int sign);

// The shape of a syllable entry as played: a syllabic n or a small tsu keeps
// its own name even where the sign choice falls back on a vowel sign (at the
// start of a reading).
BasicShape ShapeOfEntry(int16_t syllableClass, int sign);

// The shape frame `frame` of a `frameCount`-frame sign is forming: for a sign
// with an onset, the onset until the last frame and then the target; for any
// other, the shape it is read by (a small tsu stays "促音" throughout).
BasicShape ShapeOfFrame(int sign, int frame, int frameCount);

// The caption: "あ" .. "お", "閉じた口", "促音", "撥音", "休み".
QString ShapeName(BasicShape shape);

// How the learner's windows name a syllable: its kana and the shape it is read
// by, "ﾄﾞ: お". Sign numbers and names are the teacher's, shown in the editor.
QString SyllableCaption(const QString& kana, BasicShape shape);

// A stable code for storage ("a", "closed", "sokuon", ...) and back; empty for
// an unknown code.
QString ShapeCode(BasicShape shape);
std::optional<BasicShape> ShapeFromCode(const QString& code);

}  // namespace oralis
