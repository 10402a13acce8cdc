#include "RecordingLip.h"

#include <algorithm>

namespace oralis::testing {

namespace {

LipCall Curves(LipCall::Kind kind, const float* upper, float upperAngle, const float* lower,
               float lowerAngle)
{
    LipCall call;
    call.kind = kind;
    std::copy_n(upper, 9, call.upper.begin());
    std::copy_n(lower, 9, call.lower.begin());
    call.upperAngle = upperAngle;
    call.lowerAngle = lowerAngle;
    return call;
}

void Pass(const float* upper, float upperAngle, const float* lower, float lowerAngle)
{
    RecordingLip::Calls().push_back(Curves(LipCall::Pass, upper, upperAngle, lower, lowerAngle));
}

void Target(const float* upper, float upperAngle, const float* lower, float lowerAngle)
{
    RecordingLip::Calls().push_back(Curves(LipCall::Target, upper, upperAngle, lower, lowerAngle));
}

int16_t Draw(LipWindow hdc, const float* view, int16_t steps, int16_t animate)
{
    LipCall call;
    call.kind = LipCall::Draw;
    call.hdc = hdc;
    std::copy_n(view, 17, call.view.begin());
    call.steps = steps;
    call.animate = animate;
    RecordingLip::Calls().push_back(call);
    if (RecordingLip::OnDraw())
        RecordingLip::OnDraw()();
    return 0;
}

}  // namespace

LipExports RecordingLip::Exports()
{
    return LipExports{&Pass, &Target, &Draw};
}

std::vector<LipCall>& RecordingLip::Calls()
{
    static std::vector<LipCall> calls;
    return calls;
}

void RecordingLip::Clear()
{
    Calls().clear();
    OnDraw() = nullptr;
}

std::function<void()>& RecordingLip::OnDraw()
{
    static std::function<void()> hook;
    return hook;
}

std::vector<LipCall> RecordingLip::Of(LipCall::Kind kind)
{
    std::vector<LipCall> out;
    std::copy_if(Calls().begin(), Calls().end(), std::back_inserter(out),
                 [kind](const LipCall& c) { return c.kind == kind; });
    return out;
}

}  // namespace oralis::testing
