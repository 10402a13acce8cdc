// The library's C entry points over its one module-wide state.
#include "Lip.h"

#include "DrawScene.h"
#include "GlxSurface.h"
#include "RendererState.h"

namespace {

lip::RendererState g_state;

}  // namespace

extern "C" {

void ControlPass(const float* upperLip, float upperTeethAngle, const float* lowerLip,
                 float lowerTeethAngle)
{
    if (!upperLip || !lowerLip)
        return;
    g_state.current = lip::ShapeFromCurves(upperLip, upperTeethAngle, lowerLip, lowerTeethAngle);
}

void ControlPassTarget(const float* upperLip, float upperTeethAngle, const float* lowerLip,
                       float lowerTeethAngle)
{
    if (!upperLip || !lowerLip)
        return;
    g_state.target = lip::ShapeFromCurves(upperLip, upperTeethAngle, lowerLip, lowerTeethAngle);
}

int16_t DrawSpace(LipWindow hdc, const float* view, int16_t steps, int16_t animate)
{
    return lip::DrawScene(g_state, hdc, view, steps, animate);
}

void LipTestSetPacing(int enabled) { lip::SetPacingEnabled(enabled != 0); }

unsigned long LipTestSwapCount(void) { return lip::SwapCount(); }

}  // extern "C"
