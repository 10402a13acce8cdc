// The mouth shape the renderer shows now, the one it moves to next, and the
// in-between shapes of a move.
#pragma once

#include "LipGeometry.h"

#include <span>
#include <vector>

namespace lip {

struct MouthShape {
    LipEdge upper{};
    LipEdge lower{};
    float upperTeethAngle = 0;  // degrees
    float lowerTeethAngle = 0;  // degrees

    friend bool operator==(const MouthShape&, const MouthShape&) = default;
};

// All zero until a shape is passed in.
struct RendererState {
    MouthShape current;
    MouthShape target;
};

// Samples two nine-value control curves (lower lip first, then upper) and
// keeps the angles. A non-finite angle counts as 0.
MouthShape ShapeFromCurves(const float* upperCurve, float upperTeethAngle, const float* lowerCurve,
                           float lowerTeethAngle);

// Fills frames[0..steps] with the linear in-between shapes from `from` to
// `to`, point by point: value = from + (to - from) * f / steps in double
// precision, stored as float; frame 0 is `from` and frame `steps` is `to`.
// `frames` must hold steps + 1 shapes and steps must be at least 1.
void InterpolateShapes(const MouthShape& from, const MouthShape& to, int steps,
                       std::span<MouthShape> frames);

// The shapes one draw shows, in order, and the state change it makes. A still
// draw shows the current shape and changes nothing. An animated draw shows
// steps + 1 shapes from current to target (computed into `storage`, which is
// sized once) and makes the target current; with fewer than one step it shows
// the target once. The result points into `state` or `storage`.
std::span<const MouthShape> PlanFrames(RendererState& state, int steps, bool animate,
                                       std::vector<MouthShape>& storage);

}  // namespace lip
