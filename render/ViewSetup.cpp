#include "ViewSetup.h"

#include <cmath>

namespace lip {

Vec3d LookAtUp(const Vec3d& eye, const Vec3d& centre)
{
    const double dx = centre[0] - eye[0];
    const double dy = centre[1] - eye[1];
    const double dz = centre[2] - eye[2];
    const Vec3d up{-dx * dz, -dy * dz, dx * dx + dy * dy};
    const double length = std::sqrt(up[0] * up[0] + up[1] * up[1] + up[2] * up[2]);
    if (length > 0 && std::isfinite(length))
        return {up[0] / length, up[1] / length, up[2] / length};
    if (dx == 0 && dy == 0 && dz != 0)
        return {dz < 0 ? -1.0 : 1.0, 0, 0};
    return {0, 0, 1};
}

namespace {

int ViewportSize(float v)
{
    if (!(v >= 1))
        return 0;
    constexpr float kLargest = 32767;
    return v >= kLargest ? static_cast<int>(kLargest) : static_cast<int>(v);
}

}  // namespace

ViewSetup ComputeViewSetup(const float* record)
{
    ViewSetup s;
    bool finite = true;
    for (int i = 0; i < view::kValuesRead; ++i)
        finite = finite && std::isfinite(record[i]);

    const float width = record[view::kWidth];
    const float height = record[view::kHeight];
    s.viewportWidth = ViewportSize(width);
    s.viewportHeight = ViewportSize(height);
    s.aspect = (width > 0 && height > 0) ? double(width) / double(height) : 1.0;
    s.fovY = record[view::kFovY];
    s.zNear = record[view::kNear];
    s.zFar = record[view::kFar];
    for (int i = 0; i < 3; ++i) {
        s.eye[i] = record[view::kEye + i];
        s.centre[i] = record[view::kCentre + i];
    }
    for (int i = 0; i < 4; ++i)
        s.light[i] = record[view::kLight + i];
    s.up = LookAtUp(s.eye, s.centre);
    s.drawable = finite && std::isfinite(s.aspect) && s.eye != s.centre;
    return s;
}

}  // namespace lip
