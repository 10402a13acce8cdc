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

void TurnView(CameraState& camera, ViewKey key)
{
    // Points in a 3 x 3 picture, each in the middle of its edge's third.
    switch (key) {
    case ViewKey::Left: StepView(camera, ViewButton::Left, 0.5f, 1.5f, 3, 3); break;
    case ViewKey::Right: StepView(camera, ViewButton::Left, 2.5f, 1.5f, 3, 3); break;
    case ViewKey::Up: StepView(camera, ViewButton::Left, 1.5f, 0.5f, 3, 3); break;
    case ViewKey::Down: StepView(camera, ViewButton::Left, 1.5f, 2.5f, 3, 3); break;
    }
}

void WheelView(CameraState& camera, int& pendingDelta, int angleDelta)
{
    pendingDelta += angleDelta;
    const int notches = pendingDelta / kWheelNotch;
    pendingDelta -= notches * kWheelNotch;
    if (notches == 0)
        return;
    const auto [low, high] = kWheelFieldOfViewLimits;
    float& fov = camera.FieldOfView;
    const float wanted = fov - kWheelFieldOfViewStep * static_cast<float>(notches);
    if (notches > 0)
        fov = std::max(wanted, std::min(fov, low));
    else
        fov = std::min(wanted, std::max(fov, high));
}

float CloseUpFieldOfView(const SignTable& table, float distance, float width, float height)
{
    // Model units, as the table holds them; the renderer scales them by 10.
    constexpr float kModelScale = 10.0f;
    // The lips grow outwards from their inner edges by up to one unit (the
    // thickness at the centre) and 0.3 at the corners.
    constexpr float kLipThickness = 1.0f;
    constexpr float kCornerThickness = 0.3f;
    constexpr float kMargin = 1.15f;
    constexpr int kPlayedSigns = 32;
    // A shape of the start-up kind, for a table without frames.
    float halfWidth = 3.0f;
    float halfHeight = 0.0f;
    bool any = false;
    for (int s = 0; s < kPlayedSigns; ++s) {
        for (const LipFrame& f : table[s].Frames) {
            if (!any)
                halfWidth = 0.0f;
            any = true;
            for (int curve : {LipFrame::kUpperCurve, LipFrame::kLowerCurve}) {
                halfWidth = std::max(halfWidth, std::abs(f[curve + 7]));
                for (int h : {2, 5, 8})
                    halfHeight = std::max(halfHeight, std::abs(f[curve + h]));
            }
        }
    }
    const float w = (halfWidth + kCornerThickness) * kModelScale;
    const float h = (halfHeight + kLipThickness) * kModelScale;
    const float aspect = height > 0 ? width / height : 1.0f;
    const double half = std::max(h, w / aspect) * kMargin;
    return static_cast<float>(2.0 * std::atan(half / distance) * 180.0 / kPi);
}

void CloseUpToggle::set(bool on, CameraState& camera, const SignTable& table, float width, float height)
{
    if (!on) {
        if (before_)
            camera.FieldOfView = *before_;
        before_.reset();
        return;
    }
    if (!before_)
        before_ = camera.FieldOfView;
    camera.FieldOfView = CloseUpFieldOfView(table, camera.CameraDistance, width, height);
}

}  // namespace oralis
