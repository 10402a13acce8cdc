// A stand-in for the renderer's three exports that records every call, so
// tests can check what the program asked the renderer to do.
#pragma once

#include "playback/Playback.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace oralis::testing {

struct LipCall {
    enum Kind { Pass, Target, Draw };
    Kind kind = Pass;
    std::array<float, 9> upper{};
    float upperAngle = 0;
    std::array<float, 9> lower{};
    float lowerAngle = 0;
    LipWindow hdc = 0;
    std::array<float, 17> view{};
    int16_t steps = 0;
    int16_t animate = 0;
};

class RecordingLip {
public:
    static LipExports Exports();
    static std::vector<LipCall>& Calls();
    static void Clear();
    // Runs after every recorded DrawSpace (tests post events from here).
    static std::function<void()>& OnDraw();

    static std::vector<LipCall> Of(LipCall::Kind kind);
};

}  // namespace oralis::testing
