#include "DrawScene.h"

#include "GlxSurface.h"
#include "SceneGL.h"
#include "ViewSetup.h"

#include <GL/gl.h>

namespace lip {

int16_t DrawScene(RendererState& state, unsigned long window, const float* view, int16_t steps,
                  int16_t animate)
{
    const int16_t status = 0;
    // Every in-between shape is ready before the first frame, so the drawing
    // loop only draws; the storage lives for this call only.
    std::vector<MouthShape> storage;
    const std::span<const MouthShape> frames = PlanFrames(state, steps, animate > 0, storage);
    if (!view)
        return status;
    const ViewSetup setup = ComputeViewSetup(view);
    if (!setup.drawable)
        return status;

    GlxSurface surface(window);
    if (!surface.ready())
        return status;
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    SetupScene(setup);
    const LipProfiles profiles = ComputeProfiles();
    for (const MouthShape& shape : frames) {
        RenderFrame(shape, profiles);
        surface.present();
    }
    return status;
}

}  // namespace lip
