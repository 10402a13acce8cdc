// The Lip renderer's public interface: the only header a caller includes.
//
// A LipCurve is nine floats: centre, middle and corner control points of one
// lip edge, each as (depth, lateral, height). A ViewParams record is at least
// fifteen floats: width, height, fovY, zNear, zFar, eye xyz, centre xyz,
// light xyzw. Records are read during the call only.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define LIP_EXPORT __attribute__((visibility("default")))

// Native handle of the window to draw into: an X11 Window id on Linux.
typedef unsigned long LipWindow;

// Sets the current mouth shape (what a still DrawSpace shows).
LIP_EXPORT void ControlPass(const float* upperLip, float upperTeethAngle,
                            const float* lowerLip, float lowerTeethAngle);

// Sets the shape the next animated DrawSpace moves towards.
LIP_EXPORT void ControlPassTarget(const float* upperLip, float upperTeethAngle,
                                  const float* lowerLip, float lowerTeethAngle);

// Draws into `hdc`: the current shape once when animate <= 0, otherwise steps+1
// frames from current to target, after which the target is current. Returns 0.
// A handle that is not a drawable window, or no X display, draws nothing.
LIP_EXPORT int16_t DrawSpace(LipWindow hdc, const float* view, int16_t steps, int16_t animate);

typedef void (*ControlPassFn)(const float*, float, const float*, float);
typedef int16_t (*DrawSpaceFn)(LipWindow, const float*, int16_t, int16_t);

#ifdef __cplusplus
}
#endif
