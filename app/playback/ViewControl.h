// The main window's camera and light: their defaults, the view commands, the
// held-button loop that turns the camera or zooms, and the record DrawSpace reads.
#pragma once

#include "model/ProgramState.h"

#include <array>
#include <optional>

namespace oralis {

// The view at start-up: the member defaults are the home view.
struct CameraState {
    static constexpr float kHomeAzimuth = 0.1f;        // degrees; facing the learner
    static constexpr float kOppositeAzimuth = 180.1f;  // degrees; facing the other side
    static constexpr float kHomeElevation = 0.0f;      // degrees
    static constexpr float kHomeFieldOfView = 40.0f;   // degrees

    std::array<float, 3> LookAt{0, 0, 0};
    float CameraDistance = 500.0f;
    float CameraAzimuth = kHomeAzimuth;
    float CameraElevation = kHomeElevation;
    float FieldOfView = kHomeFieldOfView;
    std::array<float, 4> LightPosition{1000.0f, 0, 0, 1.0f};
};

// cmdHome: direction, elevation and field of view back to the home view;
// distance, look-at point and light stay.
void ReturnHome(CameraState& camera);

// Option1(side): the camera faces the learner (side 0) or the other side (1),
// keeping its elevation and field of view.
void FaceSide(CameraState& camera, int side);

enum class ViewButton { Left = 1, Right = 2 };

// One step of the held-button loop for a press at (x, y) in a picture of
// width x height pixels: the outer thirds turn the camera by 5 degrees (a
// corner turns both ways at once), the middle ninth zooms by 1 degree of field
// of view. Elevation is then kept within -90..90 and the field of view within
// 0..180; the azimuth is never wrapped. Distance and look-at point stay as
// they are.
void StepView(CameraState& camera, ViewButton button, float x, float y, float width, float height);

constexpr int kViewParamsCount = 17;
constexpr int kViewEye = 5;  // Eye x, y, z sit at 5..7

// The record DrawSpace reads: size of the drawing area, field of view, near
// and far planes, eye, look-at point, light, and two zeros.
std::array<float, kViewParamsCount> ComputeViewParams(const CameraState& camera, float width,
                                                      float height);
// An arrow key with the picture focused: one step of the loop as a left press
// in the third of the picture the arrow points at (← as the left third, ↑ as
// the top third), so keys and mouse turn the same way.
enum class ViewKey { Left, Right, Up, Down };
void TurnView(CameraState& camera, ViewKey key);

// The wheel zooms by 2 degrees of field of view a notch (120 units of
// Qt's angle delta); turned away from the user it zooms in. `pendingDelta`
// keeps what a fine-grained wheel has turned short of a notch. The wheel
// stops at 1 and 179 degrees, short of the flat and the inside-out
// projections the held button may reach; beyond them it only moves back.
constexpr float kWheelFieldOfViewStep = 2.0f;
constexpr int kWheelNotch = 120;
constexpr float kWheelFieldOfViewLimits[2] = {1.0f, 179.0f};
void WheelView(CameraState& camera, int& pendingDelta, int angleDelta);

// The field of view in which the mouth, as wide and as open as any shape of
// signs 0..31 of `table` makes it, fills a width x height picture seen from
// `distance`, with a narrow margin.
float CloseUpFieldOfView(const SignTable& table, float distance, float width, float height);

// A window's 口元 toggle. On, the field of view becomes CloseUpFieldOfView
// for a width x height picture; on again, it is fitted anew (after a zoom, or
// another table); off, it goes back to what it was before the toggle went on.
class CloseUpToggle {
public:
    void set(bool on, CameraState& camera, const SignTable& table, float width, float height);
    bool on() const { return before_.has_value(); }

private:
    std::optional<float> before_;
};

}  // namespace oralis
