#include "playback/RendererShape.h"

#include <algorithm>

namespace oralis {

namespace {

LipExports g_forward;
RendererShape g_shape;

void Keep(LipFrame& into, const float* upper, float upperAngle, const float* lower, float lowerAngle)
{
    std::copy_n(upper, 9, into.v.begin() + LipFrame::kUpperCurve);
    std::copy_n(lower, 9, into.v.begin() + LipFrame::kLowerCurve);
    into[LipFrame::kUpperAngle] = upperAngle;
    into[LipFrame::kLowerAngle] = lowerAngle;
}

void KeepingPass(const float* upper, float upperAngle, const float* lower, float lowerAngle)
{
    Keep(g_shape.current, upper, upperAngle, lower, lowerAngle);
    g_forward.ControlPass(upper, upperAngle, lower, lowerAngle);
}

void KeepingTarget(const float* upper, float upperAngle, const float* lower, float lowerAngle)
{
    Keep(g_shape.target, upper, upperAngle, lower, lowerAngle);
    g_forward.ControlPassTarget(upper, upperAngle, lower, lowerAngle);
}

int16_t KeepingDraw(LipWindow hdc, const float* view, int16_t steps, int16_t animate)
{
    if (animate > 0)
        g_shape.current = g_shape.target;
    return g_forward.DrawSpace(hdc, view, steps, animate);
}

const LipExports kKeeping{KeepingPass, KeepingTarget, KeepingDraw};

// Only the values the renderer is given: the unused fourth points and the
// velocity rate do not make a shape.
bool SameShape(const LipFrame& a, const LipFrame& b)
{
    const auto curve = [&](int first) {
        return std::equal(a.v.begin() + first, a.v.begin() + first + 9, b.v.begin() + first);
    };
    return curve(LipFrame::kUpperCurve) && curve(LipFrame::kLowerCurve) && a.upperAngle() == b.upperAngle() &&
           a.lowerAngle() == b.lowerAngle();
}

}  // namespace

const LipExports& ShapeKeepingExports(const LipExports& lip)
{
    g_forward = lip;
    return kKeeping;
}

const RendererShape& RendererShapeNow()
{
    return g_shape;
}

void PutBackShape(const LipExports& lip, const RendererShape& shape)
{
    const RendererShape keep = shape;  // `shape` may be the record the calls below change
    lip.ControlPass(keep.current.upperCurve(), keep.current.upperAngle(), keep.current.lowerCurve(),
                    keep.current.lowerAngle());
    lip.ControlPassTarget(keep.target.upperCurve(), keep.target.upperAngle(), keep.target.lowerCurve(),
                          keep.target.lowerAngle());
}

bool RendererShows(const LipFrame& frame)
{
    return SameShape(g_shape.current, frame);
}

}  // namespace oralis
