#include "RendererState.h"

#include <cmath>

namespace lip {

MouthShape ShapeFromCurves(const float* upperCurve, float upperTeethAngle, const float* lowerCurve,
                           float lowerTeethAngle)
{
    MouthShape shape;
    shape.lower = SampleLipEdge(lowerCurve);
    shape.upper = SampleLipEdge(upperCurve);
    shape.upperTeethAngle = std::isfinite(upperTeethAngle) ? upperTeethAngle : 0.0f;
    shape.lowerTeethAngle = std::isfinite(lowerTeethAngle) ? lowerTeethAngle : 0.0f;
    return shape;
}

namespace {

float Between(float from, float to, int f, int steps)
{
    return static_cast<float>(double(from) + (double(to) - double(from)) * f / steps);
}

void InterpolateEdge(const LipEdge& from, const LipEdge& to, int f, int steps, LipEdge& out)
{
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = {Between(from[i].x, to[i].x, f, steps), Between(from[i].y, to[i].y, f, steps),
                  Between(from[i].z, to[i].z, f, steps)};
    }
}

}  // namespace

void InterpolateShapes(const MouthShape& from, const MouthShape& to, int steps,
                       std::span<MouthShape> frames)
{
    frames[0] = from;
    for (int f = 1; f < steps; ++f) {
        MouthShape& frame = frames[static_cast<size_t>(f)];
        InterpolateEdge(from.upper, to.upper, f, steps, frame.upper);
        InterpolateEdge(from.lower, to.lower, f, steps, frame.lower);
        frame.upperTeethAngle = Between(from.upperTeethAngle, to.upperTeethAngle, f, steps);
        frame.lowerTeethAngle = Between(from.lowerTeethAngle, to.lowerTeethAngle, f, steps);
    }
    // Exactly the target, so the last frame of a move and a later still draw agree to the bit.
    frames[static_cast<size_t>(steps)] = to;
}

std::span<const MouthShape> PlanFrames(RendererState& state, int steps, bool animate,
                                       std::vector<MouthShape>& storage)
{
    if (!animate)
        return {&state.current, 1};
    if (steps < 1) {
        state.current = state.target;
        return {&state.current, 1};
    }
    storage.resize(static_cast<size_t>(steps) + 1);
    InterpolateShapes(state.current, state.target, steps, storage);
    state.current = state.target;
    return storage;
}

}  // namespace lip
