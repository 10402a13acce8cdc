#include "playback/ViewControl.h"

namespace oralis {

void StepView(CameraState& camera, ViewButton button, float x, float y, float width, float height)
{
    const bool right = button == ViewButton::Right;
    const float turn = 5.0f;
    bool border = false;

    if (x < width / 3.0f) {
        camera.CameraAzimuth += right ? -turn : turn;
        border = true;
    }
    if (x > width * 2.0f / 3.0f) {
        camera.CameraAzimuth += right ? turn : -turn;
        border = true;
    }
    if (y < height / 3.0f) {
        camera.CameraElevation += right ? turn : -turn;
        border = true;
    }
    if (y > height * 2.0f / 3.0f) {
        camera.CameraElevation += right ? -turn : turn;
        border = true;
    }
    if (!border)
        camera.FieldOfView += right ? 1.0f : -1.0f;

    // Written as "not above" so that a NaN from a broken state lands on a limit.
    if (!(camera.CameraElevation > -90.0f))
        camera.CameraElevation = -90.0f;
    if (camera.CameraElevation >= 90.0f)
        camera.CameraElevation = 90.0f;
    if (!(camera.FieldOfView > 0.0f))
        camera.FieldOfView = 0.0f;
    if (camera.FieldOfView >= 180.0f)
        camera.FieldOfView = 180.0f;
}

}  // namespace oralis
