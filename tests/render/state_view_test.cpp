// The renderer's state changes, in-between frames, camera set-up and frame pacing.
#include "FramePacer.h"
#include "RendererState.h"
#include "ViewSetup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace lip;
using namespace std::chrono_literals;

namespace {

MouthShape Shape(float lift, float upperAngle, float lowerAngle)
{
    const float upper[9] = {0.1f, 0, lift, 0.2f, 2, lift * 0.8f, 0, 3, 0};
    const float lower[9] = {0.1f, 0, -lift, 0.2f, 2, -lift * 0.8f, 0, 3, 0};
    return ShapeFromCurves(upper, upperAngle, lower, lowerAngle);
}

TEST(ShapeFromCurves, NonFiniteAnglesCountAsZero)
{
    const float c[9] = {0, 0, 0, 0, 2, 0, 0, 3, 0};
    const MouthShape s = ShapeFromCurves(c, NAN, c, -INFINITY);
    EXPECT_EQ(s.upperTeethAngle, 0.0f);
    EXPECT_EQ(s.lowerTeethAngle, 0.0f);
    EXPECT_EQ(ShapeFromCurves(c, 4.5f, c, -2).lowerTeethAngle, -2.0f);
}

TEST(InterpolateShapes, LinearPointByPointFromCurrentToTarget)
{
    const MouthShape from = Shape(0, 0, 0), to = Shape(1, 3, 10);
    for (int n : {1, 2, 7}) {
        std::vector<MouthShape> frames(static_cast<size_t>(n) + 1);
        InterpolateShapes(from, to, n, frames);
        EXPECT_EQ(frames.front(), from);
        EXPECT_EQ(frames.back(), to);
        for (int f = 0; f <= n; ++f) {
            const MouthShape& s = frames[static_cast<size_t>(f)];
            const double t = double(f) / n;
            EXPECT_FLOAT_EQ(s.lowerTeethAngle, static_cast<float>(10 * t));
            EXPECT_FLOAT_EQ(s.upperTeethAngle, static_cast<float>(3 * t));
            for (int i = 0; i < kEdgePoints; ++i) {
                const Point3 a = from.upper[i], b = to.upper[i], p = s.upper[i];
                EXPECT_FLOAT_EQ(p.z, static_cast<float>(a.z + (double(b.z) - a.z) * f / n)) << f << "," << i;
                EXPECT_FLOAT_EQ(s.lower[i].z,
                                static_cast<float>(from.lower[i].z + (double(to.lower[i].z) - from.lower[i].z) * f / n));
            }
        }
    }
}

TEST(PlanFrames, StillDrawShowsTheCurrentShapeAndChangesNothing)
{
    RendererState state;
    state.current = Shape(0.2f, 0, 0);
    state.target = Shape(1, 0, 5);
    const RendererState before = state;
    std::vector<MouthShape> storage;
    const auto frames = PlanFrames(state, 9, false, storage);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], before.current);
    EXPECT_EQ(state.current, before.current);
    EXPECT_EQ(state.target, before.target);
}

TEST(PlanFrames, AnimatedDrawMovesToTheTargetAndRepeatsItAfterwards)
{
    RendererState state;
    state.current = Shape(0, 0, 0);
    state.target = Shape(1, 2, 10);
    std::vector<MouthShape> storage;

    auto frames = PlanFrames(state, 4, true, storage);
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[0], Shape(0, 0, 0));
    EXPECT_FLOAT_EQ(frames[1].lowerTeethAngle, 2.5f);
    EXPECT_EQ(frames[4], state.target);
    EXPECT_EQ(state.current, state.target);

    // No new target: every frame of the next move is the target.
    frames = PlanFrames(state, 4, true, storage);
    ASSERT_EQ(frames.size(), 5u);
    for (const MouthShape& s : frames)
        EXPECT_EQ(s, state.target);
}

TEST(PlanFrames, AnimatedDrawWithoutStepsShowsTheTargetOnce)
{
    for (int steps : {0, -3}) {
        RendererState state;
        state.target = Shape(1, 0, 7);
        std::vector<MouthShape> storage;
        const auto frames = PlanFrames(state, steps, true, storage);
        ASSERT_EQ(frames.size(), 1u) << steps;
        EXPECT_EQ(frames[0], state.target);
        EXPECT_EQ(state.current, state.target);
    }
}

struct UpCase {
    const char* name;
    Vec3d eye, centre, up;
};

class LookAtUpCases : public testing::TestWithParam<UpCase> {};

TEST_P(LookAtUpCases, GivesTheExpectedUnitUp)
{
    const UpCase& c = GetParam();
    const Vec3d up = LookAtUp(c.eye, c.centre);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(up[i], c.up[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(
    View, LookAtUpCases,
    testing::Values(UpCase{"front", {500, 0, 0}, {0, 0, 0}, {0, 0, 1}},
                    UpCase{"behind", {-3, 0, 0}, {0, 0, 0}, {0, 0, 1}},
                    UpCase{"side", {0, 40, 0}, {0, 0, 0}, {0, 0, 1}},
                    UpCase{"straightDown", {0, 0, 500}, {0, 0, 0}, {-1, 0, 0}},
                    UpCase{"straightUp", {0, 0, -500}, {0, 0, 0}, {1, 0, 0}},
                    UpCase{"eyeOnCentre", {1, 2, 3}, {1, 2, 3}, {0, 0, 1}},
                    // A raised camera tilts its up vector back, towards the pole's fallback.
                    UpCase{"raised45", {1, 0, 1}, {0, 0, 0}, {-std::sqrt(0.5), 0, std::sqrt(0.5)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(View, UpIsPerpendicularToTheLineOfSightAndApproachesTheFallback)
{
    for (double azimuth = 0; azimuth < 360; azimuth += 37) {
        for (double elevation = -80; elevation <= 80; elevation += 20) {
            const double a = azimuth * std::numbers::pi / 180, e = elevation * std::numbers::pi / 180;
            const Vec3d eye{500 * std::cos(e) * std::cos(a), 500 * std::cos(e) * std::sin(a), 500 * std::sin(e)};
            const Vec3d centre{3, -2, 1};
            const Vec3d up = LookAtUp(eye, centre);
            double dot = 0, length = 0;
            for (int i = 0; i < 3; ++i) {
                dot += up[i] * (centre[i] - eye[i]);
                length += up[i] * up[i];
            }
            EXPECT_NEAR(dot, 0, 1e-9);
            EXPECT_NEAR(length, 1, 1e-12);
            EXPECT_GT(up[2], 0);
        }
    }
    const Vec3d nearlyAbove = LookAtUp({1e-4, 0, 500}, {0, 0, 0});
    EXPECT_NEAR(nearlyAbove[0], LookAtUp({0, 0, 500}, {0, 0, 0})[0], 1e-6);
}

std::array<float, 17> DefaultView()
{
    const double a = 0.1 * std::numbers::pi / 180;
    return {545, 385, 40, 100, 1500, float(500 * std::cos(a)), float(500 * std::sin(a)), 0, 0, 0, 0,
            1000, 0, 0, 1, 0, 0};
}

TEST(ComputeViewSetup, ReadsTheRecord)
{
    auto record = DefaultView();
    record[0] = 545.9f;
    const ViewSetup s = ComputeViewSetup(record.data());
    EXPECT_TRUE(s.drawable);
    EXPECT_EQ(s.viewportWidth, 545);
    EXPECT_EQ(s.viewportHeight, 385);
    EXPECT_DOUBLE_EQ(s.aspect, 545.9f / 385.0);
    EXPECT_EQ(s.fovY, 40);
    EXPECT_EQ(s.zNear, 100);
    EXPECT_EQ(s.zFar, 1500);
    EXPECT_EQ(s.eye[0], record[5]);
    EXPECT_EQ(s.light, (std::array<float, 4>{1000, 0, 0, 1}));
    EXPECT_NEAR(s.up[2], 1, 1e-12);
}

TEST(ComputeViewSetup, EmptyAreaKeepsEveryValueFinite)
{
    for (auto [w, h] : {std::pair{545.0f, 0.0f}, {0.0f, 385.0f}, {-5.0f, -5.0f}, {0.5f, 0.5f}, {1e9f, 1.0f}}) {
        auto record = DefaultView();
        record[0] = w;
        record[1] = h;
        const ViewSetup s = ComputeViewSetup(record.data());
        EXPECT_TRUE(s.drawable) << w << "x" << h;
        EXPECT_TRUE(std::isfinite(s.aspect));
        EXPECT_GE(s.viewportWidth, 0);
        EXPECT_GE(s.viewportHeight, 0);
        EXPECT_LE(s.viewportWidth, 32767);
        if (h <= 0 || w <= 0) {
            EXPECT_EQ(s.aspect, 1.0);
        }
    }
}

TEST(ComputeViewSetup, NothingToDrawFromNonFiniteValuesOrEyeOnCentre)
{
    for (int i = 0; i < 15; ++i) {
        auto record = DefaultView();
        record[static_cast<size_t>(i)] = (i % 2) ? NAN : INFINITY;
        EXPECT_FALSE(ComputeViewSetup(record.data()).drawable) << i;
    }
    auto unread = DefaultView();
    unread[15] = NAN;
    EXPECT_TRUE(ComputeViewSetup(unread.data()).drawable);
    auto onCentre = DefaultView();
    onCentre[5] = onCentre[6] = 0;
    EXPECT_FALSE(ComputeViewSetup(onCentre.data()).drawable);
}

using Clock = FramePacer::Clock;

TEST(FramePacer, KeepsEachFrameForOnePeriodWithoutSwapControl)
{
    FramePacer pacer;
    pacer.setRefreshRate(50);
    ASSERT_EQ(pacer.period(), 20ms);
    const Clock::time_point t0{1s};
    EXPECT_FALSE(pacer.presentDeadline(false)) << "the first frame ever waits for nothing";
    pacer.swapped(t0, std::nullopt, false);

    // Frames drawn quickly are held to a grid one period apart.
    auto deadline = pacer.presentDeadline(false);
    ASSERT_TRUE(deadline);
    EXPECT_EQ(*deadline, t0 + 20ms);
    pacer.swapped(t0 + 20ms + 300us, deadline, false);
    deadline = pacer.presentDeadline(false);
    EXPECT_EQ(*deadline, t0 + 40ms);

    // A frame that came far too late starts a new grid.
    pacer.swapped(t0 + 100ms, deadline, false);
    EXPECT_EQ(*pacer.presentDeadline(false), t0 + 120ms);

    pacer.setEnabled(false);
    EXPECT_FALSE(pacer.presentDeadline(false));
}

TEST(FramePacer, TrustsSwapControlUntilSwapsKeepReturningEarly)
{
    FramePacer pacer;
    pacer.setRefreshRate(60);
    Clock::time_point t{5s};
    // Swaps that wait for the display: nothing added.
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(pacer.presentDeadline(true));
        t += pacer.period();
        pacer.swapped(t, std::nullopt, true);
    }
    // A few quick swaps (buffers queued ahead) are no reason to distrust it.
    for (int i = 0; i < 3; ++i) {
        t += 1ms;
        pacer.swapped(t, std::nullopt, true);
    }
    EXPECT_FALSE(pacer.swapsSeenTooFast());
    t += pacer.period();
    pacer.swapped(t, std::nullopt, true);
    // Swaps that keep returning at once mean the driver ignores the interval.
    for (int i = 0; i < 8; ++i) {
        t += 1ms;
        pacer.swapped(t, std::nullopt, true);
    }
    EXPECT_TRUE(pacer.swapsSeenTooFast());
    ASSERT_TRUE(pacer.presentDeadline(true));
    EXPECT_EQ(*pacer.presentDeadline(true), t + pacer.period());
}

TEST(FramePacer, UnknownRatesMeanSixtyHertz)
{
    for (double hz : {0.0, -60.0, 5.0, 10000.0, double(NAN)}) {
        FramePacer pacer;
        pacer.setRefreshRate(75);
        pacer.setRefreshRate(hz);
        EXPECT_EQ(pacer.period(), FramePacer::kDefaultPeriod) << hz;
    }
    EXPECT_NEAR(std::chrono::duration<double>(FramePacer::kDefaultPeriod).count(), 1.0 / 60, 1e-9);
}

TEST(HasExtensionToken, MatchesWholeNamesOnly)
{
    const char* list = "GLX_ARB_create_context GLX_EXT_swap_control_tear GLX_MESA_swap_control";
    EXPECT_FALSE(HasExtensionToken(list, "GLX_EXT_swap_control"));
    EXPECT_TRUE(HasExtensionToken(list, "GLX_MESA_swap_control"));
    EXPECT_TRUE(HasExtensionToken(list, "GLX_ARB_create_context"));
    EXPECT_FALSE(HasExtensionToken(list, "GLX_ARB_create"));
    EXPECT_FALSE(HasExtensionToken("", "GLX_EXT_swap_control"));
    EXPECT_FALSE(HasExtensionToken(list, ""));
}

}  // namespace
