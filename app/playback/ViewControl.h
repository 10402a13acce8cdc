// How a held mouse button in the picture turns the camera or zooms.
#pragma once

#include "playback/Playback.h"

namespace oralis {

enum class ViewButton { Left = 1, Right = 2 };

// One step of the held-button loop for a press at (x, y) in a picture of
// width x height pixels: the outer thirds turn the camera by 5 degrees (a
// corner turns both ways at once), the middle ninth zooms by 1 degree of field
// of view. Elevation is then kept within -90..90 and the field of view within
// 0..180; the azimuth is never wrapped. Distance and look-at point stay as
// they are.
void StepView(CameraState& camera, ViewButton button, float x, float y, float width, float height);

}  // namespace oralis
