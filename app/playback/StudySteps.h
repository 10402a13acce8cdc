// The study window's stepping through a word: one frame transition of the
// playback plan at a time, forward and back, and the speed presets.
#pragma once

#include "model/MouthShape.h"
#include "playback/LipPattern.h"
#include "playback/Playback.h"
#include "playback/RendererShape.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace oralis {

// One transition to play: ControlPass(`start`) first when it is set (the rest
// shape, at the start of the word, as PlayUtterance begins), then
// ControlPassTarget(`target`) and Display(`steps`).
struct StepMove {
    std::optional<LipFrame> start;
    LipFrame target;
    int16_t steps = 0;
    int syllable = 0;  // the pattern's syllable whose frame `target` is; 0 the rest
    int frame = 0;     // the frame of that syllable's sign
    BasicShape shape = BasicShape::Rest;  // the shape `target` forms
};

class StepCursor {
public:
    explicit StepCursor(LipPattern pattern);

    const LipPattern& pattern() const { return pattern_; }
    // Transitions played so far, 0..count().
    int position() const { return position_; }
    int count() const { return static_cast<int>(pattern_.plan.targets.size()); }
    bool atStart() const { return position_ == 0; }
    bool atEnd() const { return position_ == count(); }

    // What is on screen after position() transitions: the rest shape at the
    // start, else the last target reached.
    const LipFrame& shownFrame() const;
    int shownSyllable() const;
    BasicShape shownShape() const;

    // The next transition of the plan, and the cursor moves past it; empty at
    // the end.
    std::optional<StepMove> next();
    // The way back to the shape shown before the last transition, played over
    // the same number of steps; empty at the start.
    std::optional<StepMove> back();
    void restart() { position_ = 0; }

private:
    StepMove moveTo(int shown) const;  // the move that ends showing `shown` transitions

    LipPattern pattern_;
    std::vector<int> syllableOf_;  // per target
    std::vector<int> frameOf_;     // per target
    int position_ = 0;
};

// Plays one move; `playbackActive` is 1 while it runs.
void PlayMove(const StepMove& move, const LipExports& lip, const std::function<void(int16_t)>& display,
              int16_t& playbackActive);

// Plays every move left, as one run with `playbackActive` 1 throughout;
// `afterMove`, when given, runs after each (a window shows its caption there).
void PlayToEnd(StepCursor& cursor, const LipExports& lip, const std::function<void(int16_t)>& display,
               int16_t& playbackActive, const std::function<void()>& afterMove = {});

// A step that does not begin at rest takes the renderer's current shape as
// its start. When something else has drawn since (the main window's start
// command, the editor), `move` is made to start from `shownBefore`, the shape
// the cursor showed, so that it still runs from there.
void StartFromShown(StepMove& move, const LipFrame& shownBefore);

// ShapeLbl's text for what `cursor` shows: "ﾏ: 閉じた口" (SyllableCaption), or "休み" at rest.
QString StepCaption(const StepCursor& cursor);

// The same as rich text: `word` (a name such as "A", may be empty), the
// reading with the syllable being formed highlighted, and the caption below.
QString StepCaptionHtml(const StepCursor& cursor, const QString& word = {});

// Which of kTaughtShapes the mouth shows: the shape being formed, or for a
// small tsu or a syllabic n the vowel its sign holds. Empty at rest.
std::optional<int> OutlinedShape(const StepCursor& cursor);

struct SpeedPreset {
    const char* caption;  // UTF-8, to be translated in the context "oralis::SpeedPreset"
    double moraePerSecond;
};
// "ゆっくり", "ふつう", "はやい".
extern const std::array<SpeedPreset, 3> kSpeedPresets;

// Display refresh periods one typical mora lasts at step base `base`.
double MoraPeriods(int16_t base);

// The speed text for Text1 that plays about `moraePerSecond` morae a second on
// a display refreshing `refreshHz` times a second (60 when unknown): the step
// base whose typical mora comes nearest, written as a speed that gives exactly
// that base.
QString PresetSpeedText(double moraePerSecond, double refreshHz);

}  // namespace oralis
