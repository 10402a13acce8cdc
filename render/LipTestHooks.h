// Hooks of the renderer's test build (libLipTesting.so) for its drawing tests
// and benchmark. The shipped libLip.so has none of them: link the test build
// instead, never both, or the process holds two renderers.
#pragma once

#include "Lip.h"

#ifdef __cplusplus
extern "C" {
#endif

// Pacing to the display refresh on (1, the default) or off (0), and the number
// of buffer swaps since the library was loaded.
LIP_EXPORT void LipTestSetPacing(int enabled);
LIP_EXPORT unsigned long LipTestSwapCount(void);
// The period, in seconds, that pacing holds each frame for (60 Hz until a
// display reports its rate).
LIP_EXPORT double LipTestRefreshPeriod(void);
// For the benchmark: opens the library's GL surface on `hdc` once and draws
// `frames` still frames of the current shape through it, each cleared, lit,
// swapped and waited for as a still DrawSpace does; 0 frames only opens and
// closes the surface. Returns 1, or 0 when no surface could be made.
LIP_EXPORT int LipTestSurfaceFrames(LipWindow hdc, const float* view, int frames);

#ifdef __cplusplus
}
#endif
