// The test build's hooks: thin forwards into the one record LipExports.cpp keeps.
#include "LipTestHooks.h"

#include "LipTestAccess.h"

extern "C" {

void LipTestSetPacing(int enabled) { lip::SetPacingEnabled(enabled != 0); }

unsigned long LipTestSwapCount(void) { return lip::SwapCount(); }

double LipTestRefreshPeriod(void) { return lip::RefreshPeriodSeconds(); }

int LipTestSurfaceFrames(LipWindow hdc, const float* view, int frames)
{
    return lip::StillFramesOnOneSurface(hdc, view, frames);
}

}  // extern "C"
