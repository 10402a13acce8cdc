// A stand-in for the renderer's three exports that records every call, so
// tests can check what the program asked the renderer to do.
#pragma once

#include "playback/Playback.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
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

// The shape of the last ControlPass, as a frame (values 1..9, 13, 14..22, 26).
inline std::optional<LipFrame> LastPass()
{
    const std::vector<LipCall> passes = RecordingLip::Of(LipCall::Pass);
    if (passes.empty())
        return std::nullopt;
    const LipCall& c = passes.back();
    LipFrame f;
    for (int i = 0; i < 9; ++i) {
        f[LipFrame::kUpperCurve + i] = c.upper[i];
        f[LipFrame::kLowerCurve + i] = c.lower[i];
    }
    f[LipFrame::kUpperAngle] = c.upperAngle;
    f[LipFrame::kLowerAngle] = c.lowerAngle;
    return f;
}

}  // namespace oralis::testing
