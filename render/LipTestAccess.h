// What the test build's hooks reach inside the renderer. These live beside the
// module's one record in LipExports.cpp and are hidden in every build: the
// shipped library holds them but exports none, the test build exports hooks
// that forward to them (LipTestHooks.cpp).
#pragma once

namespace lip {

void SetPacingEnabled(bool enabled);
unsigned long SwapCount();
// Opens the display first when no draw has, so the period reflects its rate.
double RefreshPeriodSeconds();
// Returns 1, or 0 when no surface could be made on `window`.
int StillFramesOnOneSurface(unsigned long window, const float* view, int frames);

}  // namespace lip
