// One draw of the renderer: a still picture of the current shape or a move
// from the current shape to the target, into a window named by its X11 id.
#pragma once

#include "RendererState.h"

#include <cstdint>

namespace lip {

// Draws as DrawSpace does and returns its status, 0. An animated draw makes
// the target current even when nothing can be drawn (no display, a window id
// that is not a drawable window, an unsuitable visual, a view record with
// non-finite values or the eye on the point it looks at).
int16_t DrawScene(RendererState& state, unsigned long window, const float* view, int16_t steps,
                  int16_t animate);

}  // namespace lip
