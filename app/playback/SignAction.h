// What the editor's Action plays, planned like the playback of a word.
#pragma once

#include "playback/Playback.h"

namespace oralis {

// The rest shape (frame 0 of sign 0) and every frame of sign `sign` with its
// step count at the speed `speedText`, read as playback reads it. Empty, with
// the reason playback would give, when the speed is unusable, sign 0 has no
// frame or a step count does not fit in 16 bits.
std::optional<PlaybackPlan> PlanSignAction(const SignTable& table, int sign, QStringView speedText,
                                           QString* whyNot = nullptr);

}  // namespace oralis
