// Playback of a parsed reading: which sign each syllable plays, how many
// in-between steps each frame gets, and the sequence of renderer calls.
#pragma once

#include "model/KanaParser.h"
#include "model/ProgramState.h"
#include "render/Lip.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

namespace oralis {

// The renderer's three exports, as the program calls them. Tests substitute a
// recording stand-in.
struct LipExports {
    ControlPassFn ControlPass = nullptr;
    ControlPassFn ControlPassTarget = nullptr;
    DrawSpaceFn DrawSpace = nullptr;
};

// The sign a syllable entry plays.
int SignForEntry(int16_t syllableClass, int16_t vowel);

// 4000 / speed, rounded half to even. Empty, with a message for the user, when
// the speed text gives no usable step base.
std::optional<int16_t> StepBase(QStringView speedText, QString* whyNot = nullptr);

// base x velocity rate (single precision), rounded half to even, doubled for a
// long entry. Empty when the count does not fit in 16 bits.
std::optional<int16_t> StepCount(int16_t base, float velocityRate, bool longEntry);

}  // namespace oralis
