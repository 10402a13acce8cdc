#include "playback/ViewControl.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

#include <cmath>

namespace oralis {
namespace {

struct Change {
    float azimuth;
    float elevation;
    float fov;
};

Change StepFromHome(ViewButton button, float x, float y)
{
    CameraState c;
    c.CameraElevation = 0;
    c.FieldOfView = 40;
    c.CameraAzimuth = 0;
    StepView(c, button, x, y, 300, 150);
    return {c.CameraAzimuth, c.CameraElevation, c.FieldOfView - 40};
}

TEST(ViewStep, EachRegionTurnsOrZoomsItsWay)
{
    // 300 x 150: thirds at x 100 and 200, y 50 and 100. Boundaries belong to
    // the middle band.
    const struct {
        const char* where;
        ViewButton button;
        float x, y;
        Change change;
    } cases[] = {
        {"left", ViewButton::Left, 10, 75, {5, 0, 0}},
        {"left, right button", ViewButton::Right, 10, 75, {-5, 0, 0}},
        {"right", ViewButton::Left, 290, 75, {-5, 0, 0}},
        {"right, right button", ViewButton::Right, 290, 75, {5, 0, 0}},
        {"top", ViewButton::Left, 150, 10, {0, -5, 0}},
        {"top, right button", ViewButton::Right, 150, 10, {0, 5, 0}},
        {"bottom", ViewButton::Left, 150, 140, {0, 5, 0}},
        {"bottom, right button", ViewButton::Right, 150, 140, {0, -5, 0}},
        {"top left corner", ViewButton::Left, 10, 10, {5, -5, 0}},
        {"bottom right corner, right button", ViewButton::Right, 290, 140, {5, -5, 0}},
        {"middle", ViewButton::Left, 150, 75, {0, 0, -1}},
        {"middle, right button", ViewButton::Right, 150, 75, {0, 0, 1}},
        {"exactly one third across", ViewButton::Left, 100, 75, {0, 0, -1}},
        {"exactly two thirds across", ViewButton::Left, 200, 75, {0, 0, -1}},
        {"exactly one third down", ViewButton::Left, 150, 50, {0, 0, -1}},
        {"exactly two thirds down", ViewButton::Left, 150, 100, {0, 0, -1}},
        {"just inside the left third", ViewButton::Left, 99.9f, 75, {5, 0, 0}},
    };
    for (const auto& c : cases) {
        const Change got = StepFromHome(c.button, c.x, c.y);
        EXPECT_EQ(got.azimuth, c.change.azimuth) << c.where;
        EXPECT_EQ(got.elevation, c.change.elevation) << c.where;
        EXPECT_EQ(got.fov, c.change.fov) << c.where;
    }
}

TEST(ViewStep, ThirdsOfAnOddWidthAreTakenInSinglePrecision)
{
    // 545 / 3 = 181.666..: 181 is in the left third, 182 is not; 2 x 545 / 3 =
    // 363.333..: 364 is in the right third, 363 is not.
    const struct {
        float x;
        float azimuth;
    } cases[] = {{181, 5}, {182, 0}, {363, 0}, {364, -5}};
    for (const auto& c : cases) {
        CameraState cam;
        cam.CameraAzimuth = 0;
        StepView(cam, ViewButton::Left, c.x, 192, 545, 385);
        EXPECT_EQ(cam.CameraAzimuth, c.azimuth) << c.x;
    }
}

TEST(ViewStep, LimitsHoldElevationAndFieldOfViewButNotAzimuth)
{
    CameraState c;
    c.CameraElevation = -87;
    c.FieldOfView = 0.5f;
    StepView(c, ViewButton::Left, 10, 10, 300, 300);
    EXPECT_EQ(c.CameraElevation, -90);
    StepView(c, ViewButton::Left, 150, 150, 300, 300);
    EXPECT_EQ(c.FieldOfView, 0);

    c.CameraElevation = 88;
    c.FieldOfView = 179.5f;
    StepView(c, ViewButton::Right, 150, 10, 300, 300);
    EXPECT_EQ(c.CameraElevation, 90);
    StepView(c, ViewButton::Right, 150, 150, 300, 300);
    EXPECT_EQ(c.FieldOfView, 180);

    c = CameraState{};
    for (int i = 0; i < 72; ++i)
        StepView(c, ViewButton::Left, 10, 150, 300, 300);
    EXPECT_NEAR(c.CameraAzimuth, 360.1f, 1e-3f);
    EXPECT_EQ(c.CameraDistance, 500);
    EXPECT_EQ(c.LookAt, (std::array<float, 3>{0, 0, 0}));
}

TEST(ViewParams, EyeOrbitsTheLookAtPointWithTheProgramsPi)
{
    CameraState camera;
    auto v = ComputeViewParams(camera, 545, 385);
    const std::array<float, 17> expected{545, 385, 40, 100, 1500,
                                         static_cast<float>(500 * std::cos(double{0.1f} * 3.14159265 / 180)),
                                         static_cast<float>(500 * std::sin(double{0.1f} * 3.14159265 / 180)),
                                         0, 0, 0, 0, 1000, 0, 0, 1, 0, 0};
    EXPECT_EQ(v, expected);

    // Half a turn: with the rounded pi the eye stays a hair off the axis.
    camera.CameraAzimuth = 180.0f;
    v = ComputeViewParams(camera, 1, 1);
    EXPECT_FLOAT_EQ(v[5], -500.0f);
    EXPECT_FLOAT_EQ(v[6], static_cast<float>(500 * std::sin(3.14159265)));
    EXPECT_GT(v[6], 1e-6f);

    camera = CameraState{};
    camera.LookAt = {10, -20, 30};
    camera.CameraDistance = 200;
    camera.CameraElevation = 90;
    camera.FieldOfView = 75;
    camera.LightPosition = {1, 2, 3, 0};
    v = ComputeViewParams(camera, 640, 480);
    EXPECT_FLOAT_EQ(v[2], 75);
    EXPECT_FLOAT_EQ(v[3], 40);
    EXPECT_FLOAT_EQ(v[4], 1200);
    EXPECT_NEAR(v[5], 10, 1e-3);
    EXPECT_NEAR(v[6], -20, 1e-3);
    EXPECT_FLOAT_EQ(v[7], 230);
    EXPECT_EQ((std::array<float, 7>{v[8], v[9], v[10], v[11], v[12], v[13], v[14]}),
              (std::array<float, 7>{10, -20, 30, 1, 2, 3, 0}));
}

}  // namespace
}  // namespace oralis

namespace oralis {
namespace {

TEST(ViewWheelAndKeys, NotchesZoomByTwoDegreesAndArrowsTurnAsOnePressStep)
{
    const struct {
        float fov;
        std::vector<int> deltas;
        float wantFov;
        int wantPending;
    } wheel[] = {
        {40, {120}, 38, 0},        // away from the user: in
        {40, {-240}, 44, 0},       // towards: out, two notches
        {40, {60}, 40, 60},        // half a notch waits
        {40, {60, 60}, 38, 0},
        {40, {-50, 170}, 38, 0},   // a turn back counts against the next
        {2, {240}, 1, 0},          // stops at 1
        {0, {120}, 0, 0},          // below the wheel's range only moves back
        {0, {-120}, 2, 0},
        {178, {-120}, 179, 0},
        {180, {120}, 178, 0},
    };
    for (const auto& c : wheel) {
        CameraState camera;
        camera.FieldOfView = c.fov;
        int pending = 0;
        for (int d : c.deltas)
            WheelView(camera, pending, d);
        EXPECT_EQ(camera.FieldOfView, c.wantFov) << c.fov << " " << c.deltas.front();
        EXPECT_EQ(pending, c.wantPending) << c.fov << " " << c.deltas.front();
    }

    const struct {
        ViewKey key;
        float elevation;
        float wantAzimuth, wantElevation;
    } keys[] = {
        {ViewKey::Left, 0, 5, 0},  // as a left press in the left third
        {ViewKey::Right, 0, -5, 0},
        {ViewKey::Up, 0, 0, -5},
        {ViewKey::Down, 0, 0, 5},
        {ViewKey::Up, -88, 0, -90},  // the loop's limits hold
    };
    for (const auto& k : keys) {
        CameraState camera;
        camera.CameraAzimuth = 0;
        camera.CameraElevation = k.elevation;
        TurnView(camera, k.key);
        EXPECT_EQ(camera.CameraAzimuth, k.wantAzimuth);
        EXPECT_EQ(camera.CameraElevation, k.wantElevation);
        EXPECT_EQ(camera.FieldOfView, 40);
    }
}

TEST(ViewWheelAndKeys, CloseUpFitsTheWidestAndMostOpenShapeOfTheTable)
{
    // Corners 3 units out, heights up to 1.5: with the lips' outward growth
    // the mouth spans 33 x 25 world units from the centre.
    SignTable table;
    LipFrame f;
    f[LipFrame::kUpperCurve + 7] = 2.0f;
    f[LipFrame::kUpperCurve + 2] = 1.5f;
    f[LipFrame::kLowerCurve + 7] = -3.0f;
    f[LipFrame::kLowerCurve + 8] = -1.0f;
    table[20].Frames = {f};
    table[40].Frames = {LipFrame{}};
    table[40].Frames[0][LipFrame::kUpperCurve + 7] = 9.0f;  // never played: not counted
    const auto seenHalfHeight = [](float fov) { return 500.0 * std::tan(fov / 2.0 * 3.14159265 / 180.0); };
    // A wide picture: the height decides; a tall one: the width.
    EXPECT_NEAR(seenHalfHeight(CloseUpFieldOfView(table, 500, 300, 150)), 25 * 1.15, 1e-3);
    EXPECT_NEAR(seenHalfHeight(CloseUpFieldOfView(table, 500, 100, 300)), 33 * 3 * 1.15, 1e-3);
}

TEST(ViewWheelAndKeys, CloseUpToggleFitsTheMouthAndGivesTheViewBack)
{
    SignTable table;
    CameraState camera;
    camera.FieldOfView = 33;
    const float close = CloseUpFieldOfView(table, camera.CameraDistance, 300, 150);
    CloseUpToggle toggle;
    const struct {
        bool on;
        float zoomedTo;  // by the learner, before the toggle
        float fov;
    } steps[] = {{true, 33, close}, {true, 50, close}, {false, close, 33}, {false, 20, 20}};
    for (const auto& s : steps) {
        camera.FieldOfView = s.zoomedTo;
        toggle.set(s.on, camera, table, 300, 150);
        EXPECT_EQ(camera.FieldOfView, s.fov);
        EXPECT_EQ(toggle.on(), s.on);
    }
}

}  // namespace
}  // namespace oralis
