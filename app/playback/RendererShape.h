// The mouth shape the renderer holds, as the program's own calls through it
// have set it. The renderer hands nothing back, yet a window that draws
// pictures of its own through the same renderer must afterwards put back the
// shape the main picture showed, or that picture's next repaint would change.
#pragma once

#include "model/ProgramState.h"
#include "playback/Playback.h"

namespace oralis {

struct RendererShape {
    LipFrame current;  // what a still draw shows
    LipFrame target;   // what the next animated draw moves to
};

// Exports that forward to `lip` and keep RendererShapeNow() up to date: an
// animated draw makes the target current, as the renderer does. There is one
// renderer per process, so there is one such record; each call points the
// forwarding at `lip` again, and the result stays valid for the whole run.
const LipExports& ShapeKeepingExports(const LipExports& lip);

// All zero until the first ControlPass, as the renderer starts.
const RendererShape& RendererShapeNow();

// Sets `shape` back into the renderer (current, then target) through `lip`.
void PutBackShape(const LipExports& lip, const RendererShape& shape);

// Whether the renderer's current shape is `frame` (angles and both curves).
bool RendererShows(const LipFrame& frame);

}  // namespace oralis
