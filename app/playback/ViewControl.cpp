#include "playback/ViewControl.h"

#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

// The rounded pi the view has always used; the full constant would move the
// eye by a hair and change every picture.
constexpr double kPi = 3.14159265;

}  // namespace

void ReturnHome(CameraState& camera)
{
    camera.CameraAzimuth = CameraState::kHomeAzimuth;
    camera.CameraElevation = CameraState::kHomeElevation;
    camera.FieldOfView = CameraState::kHomeFieldOfView;
}

void FaceSide(CameraState& camera, int side)
{
    camera.CameraAzimuth = side == 0 ? CameraState::kHomeAzimuth : CameraState::kOppositeAzimuth;
}

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

std::array<float, kViewParamsCount> ComputeViewParams(const CameraState& camera, float width,
                                                      float height)
{
    const double a = camera.CameraAzimuth * kPi / 180.0;
    const double b = camera.CameraElevation * kPi / 180.0;
    const double d = camera.CameraDistance;
    const auto& at = camera.LookAt;

    std::array<float, kViewParamsCount> v{};
    v[0] = width;
    v[1] = height;
    v[2] = camera.FieldOfView;
    v[3] = static_cast<float>(0.2 * d);
    v[4] = static_cast<float>(d + 1000.0);
    v[5] = static_cast<float>(d * std::cos(a) * std::cos(b) + at[0]);
    v[6] = static_cast<float>(d * std::sin(a) * std::cos(b) + at[1]);
    v[7] = static_cast<float>(d * std::sin(b) + at[2]);
    std::copy(at.begin(), at.end(), v.begin() + 8);
    std::copy(camera.LightPosition.begin(), camera.LightPosition.end(), v.begin() + 11);
    return v;
}

}  // namespace oralis
