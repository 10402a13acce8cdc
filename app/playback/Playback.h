// Playback of a parsed reading: which sign each syllable plays, how many
// in-between steps each frame gets, and the sequence of renderer calls.
#pragma once

#include "model/KanaParser.h"
#include "model/ProgramState.h"
#include "playback/LipBinding.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace oralis {

// The sign a syllable entry plays.
int SignForEntry(int16_t syllableClass, int16_t vowel);

// 4000 / speed, rounded half to even. Empty, with a message for the user, when
// the speed text gives no usable step base.
std::optional<int16_t> StepBase(QStringView speedText, QString* whyNot = nullptr);

// base x velocity rate (single precision), rounded half to even, doubled for a
// long entry. Empty when the count does not fit in 16 bits.
std::optional<int16_t> StepCount(int16_t base, float velocityRate, bool longEntry);

// One run of the renderer: the rest shape it starts from (frame 0 of sign 0)
// and the targets it moves through, each with its step count.
struct PlannedTarget {
    LipFrame frame;
    int16_t steps = 0;
};
struct PlaybackPlan {
    int16_t base = 0;
    LipFrame rest;
    std::vector<PlannedTarget> targets;
};

// A plan with no targets yet. Empty, with a message for the user, when the
// speed gives no step base or sign 0 has no frame.
std::optional<PlaybackPlan> BeginPlan(const SignTable& table, QStringView speedText,
                                      QString* whyNot = nullptr);

// Appends every frame of sign `s` (none for a sign without frames or outside
// the table). False, with a message, when a step count does not fit in 16 bits;
// the plan is then not to be run.
bool AddSignToPlan(PlaybackPlan& plan, const SignTable& table, int s, bool longEntry,
                   QString* whyNot = nullptr);

// ControlPass with the rest shape, then ControlPassTarget and display(steps)
// for every target; `playbackActive` is 1 while the targets run, 0 after.
void RunPlan(const PlaybackPlan& plan, const LipExports& lip,
             const std::function<void(int16_t)>& display, int16_t& playbackActive);

// Plays `syllables` through `lip`: the rest shape (frame 0 of sign 0) as the
// current shape, then every frame of every entry's sign as a target, each
// followed by `display(steps)`. `playbackActive` is 1 while the targets run
// and 0 afterwards. Everything is checked before the first renderer call: on
// a refusal nothing is called, `playbackActive` is untouched, the result is
// false and `whyNot` says why in words for the user.
bool PlaySyllables(const Syllables& syllables, const SignTable& table, QStringView speedText,
                   const LipExports& lip, const std::function<void(int16_t)>& display,
                   int16_t& playbackActive, QString* whyNot = nullptr);

// What PlayReading did: the syllables it played, or why it played nothing.
struct PlayedReading {
    std::optional<Syllables> played;
    // On a refusal, the message for the user, and whether the reading itself
    // was refused (it does not parse) rather than its playback (the speed,
    // the table or the renderer).
    QString whyNot;
    bool readingRefused = false;

    explicit operator bool() const { return played.has_value(); }
};

// Parses `reading` (half-width katakana) and plays the syllables as
// PlaySyllables does. On a refusal nothing reaches the renderer and
// `playbackActive` is untouched.
PlayedReading PlayReading(const QString& reading, const SignTable& table, QStringView speedText,
                          const LipExports& lip, const std::function<void(int16_t)>& display,
                          int16_t& playbackActive);

// The message for a reading ParseKana refused.
QString ParseRefusalMessage(ParseFailure why);

// What the start command shows instead of playing the word box's `reading`,
// or empty when the reading may go on to the parser. A box that holds text
// without a reading would play only the rest shape: it is refused with the
// reason the box gave (`readingRefusal`, a number that cannot be read), else
// as unsupported characters.
QString StartRefusal(QStringView boxText, QStringView reading, const QString& readingRefusal);

}  // namespace oralis
