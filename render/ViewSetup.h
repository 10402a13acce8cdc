// Camera, projection and light of one draw, worked out from the caller's view
// record before any GL call sees them.
#pragma once

#include <array>

namespace lip {

// Positions of the values the renderer reads from a view record.
namespace view {
constexpr int kWidth = 0, kHeight = 1, kFovY = 2, kNear = 3, kFar = 4;
constexpr int kEye = 5, kCentre = 8, kLight = 11;
constexpr int kValuesRead = 15;
}  // namespace view

using Vec3d = std::array<double, 3>;

struct ViewSetup {
    // False when the record cannot give a picture (a non-finite value, or the
    // eye on the point it looks at); nothing is drawn then.
    bool drawable = false;
    int viewportWidth = 0;
    int viewportHeight = 0;
    double fovY = 0;
    double aspect = 1;
    double zNear = 0;
    double zFar = 0;
    Vec3d eye{};
    Vec3d centre{};
    Vec3d up{0, 0, 1};
    std::array<float, 4> light{};
};

// The world height axis made perpendicular to the line of sight, so the
// camera never rolls. Looking straight down or up, where that axis vanishes,
// the screen's up points away from the side the face looks out of (looking
// down) or towards it (looking up), the limit as the camera reaches the pole
// from in front of the face. Eye on centre gives (0, 0, 1).
Vec3d LookAtUp(const Vec3d& eye, const Vec3d& centre);

// Reads the first fifteen values of a view record. A width or height that is
// not positive gives an empty viewport and an aspect ratio of 1.
ViewSetup ComputeViewSetup(const float* record);

}  // namespace lip
