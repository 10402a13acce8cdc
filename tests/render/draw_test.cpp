// Drawing through the renderer's exports into windows the test makes itself,
// read back from the X server. It links the test build, the shipped library's
// objects with the hooks that count swaps and switch pacing. Needs an X
// display with GLX (Xvfb will do).
// gtest comes first: Xlib defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "LipTestHooks.h"
#include "TestWindow.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>

using liptest::Image;
using liptest::Rgb;
using liptest::TestWindow;

namespace {

constexpr int kWidth = 545, kHeight = 385;

using Curve = std::array<float, 9>;
const Curve kFlat{0, 0, 0, 0, 2, 0, 0, 3, 0};
const Curve kOpenUpper{0, 0, 1.0f, 0, 2, 0.8f, 0, 3, 0};
const Curve kOpenLower{0, 0, -1.0f, 0, 2, -0.8f, 0, 3, 0};

// Set once this process has passed any shape to the library.
bool g_stateTouched = false;

void PassClosed()
{
    g_stateTouched = true;
    ControlPass(kFlat.data(), 0, kFlat.data(), 0);
}

void PassOpen()
{
    g_stateTouched = true;
    ControlPass(kOpenUpper.data(), 0, kOpenLower.data(), 10);
}

// The main window's start-up camera, turned `azimuth` degrees around the mouth.
std::array<float, 17> View(double azimuth = 0.1)
{
    const double a = azimuth * std::numbers::pi / 180;
    return {kWidth, kHeight, 40, 100, 1500, float(500 * std::cos(a)), float(500 * std::sin(a)), 0, 0, 0, 0,
            1000, 0, 0, 1, 0, 0};
}

// Where the start-up camera shows a world point, as (column, row from the top).
std::pair<int, int> Project(double x, double y, double z)
{
    const auto v = View();
    const double ex = v[5], ey = v[6];
    const double fl = std::hypot(ex, ey);
    const double fx = -ex / fl, fy = -ey / fl;   // line of sight, level
    const double sx = fy, sy = -fx;              // screen right = sight x up(0,0,1)
    const double rx = x - ex, ry = y - ey, rz = z;
    const double depth = rx * fx + ry * fy;
    const double focal = (kHeight / 2.0) / std::tan(20 * std::numbers::pi / 180);
    const double column = kWidth / 2.0 + focal * (rx * sx + ry * sy) / depth;
    const double row = kHeight / 2.0 - focal * rz / depth;
    return {static_cast<int>(std::floor(column)), static_cast<int>(std::floor(row))};
}

bool IsBlack(Rgb c) { return c.r < 12 && c.g < 12 && c.b < 12; }
bool IsFace(Rgb c) { return c.g > 40 && c.r < 25 && c.b < 25; }
bool IsLip(Rgb c) { return c.r > 120 && c.r > c.g + 40 && c.r > c.b + 40; }
// Teeth are white; a highlight on a lip stays pink.
bool IsTooth(Rgb c)
{
    return std::min({c.r, c.g, c.b}) > 150 && std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 30;
}

std::string Describe(Rgb c)
{
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

Rgb At(const Image& image, double x, double y, double z)
{
    const auto [column, row] = Project(x, y, z);
    return image.at(column, row);
}

int Count(const Image& image, bool (*kind)(Rgb))
{
    int n = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            n += kind(image.at(x, y));
    return n;
}

class Draw : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests draw into an X display (run them under xvfb-run)";
        window_ = std::make_unique<TestWindow>(kWidth, kHeight);
        ASSERT_TRUE(window_->ok()) << "no double-buffered RGBA visual with a depth buffer";
        LipTestSetPacing(0);
    }

    Image StillDraw(double azimuth = 0.1)
    {
        const auto v = View(azimuth);
        EXPECT_EQ(DrawSpace(window_->id(), v.data(), 1, 0), 0);
        return window_->grab();
    }

    // Keeps a picture for a person to look at when LIP_SNAPSHOT_DIR names a folder.
    static void Keep(const Image& image, const std::string& name)
    {
        if (const char* dir = std::getenv("LIP_SNAPSHOT_DIR"))
            image.savePpm(std::string(dir) + "/" + name + ".ppm");
    }

    std::unique_ptr<TestWindow> window_;
};

// Before any shape is passed the state is all zero: both lips shrink to a
// line and the face plane closes over the mouth.
TEST_F(Draw, ZeroStateShowsTheFacePlaneAlone)
{
    if (g_stateTouched)
        GTEST_SKIP() << "needs a process in which no shape was passed yet (ctest runs each test alone)";
    const Image image = StillDraw();
    Keep(image, "zero");
    EXPECT_EQ(Count(image, IsLip), 0);
    EXPECT_TRUE(IsFace(At(image, 0, 0, 0))) << Describe(At(image, 0, 0, 0));
}

TEST_F(Draw, StillStartUpShapeShowsFacePlaneAndClosedLips)
{
    PassClosed();
    const Image image = StillDraw();
    Keep(image, "closed");

    for (auto [column, row] : {std::pair{3, 3}, {kWidth - 4, 3}, {3, kHeight - 4}, {kWidth - 4, kHeight - 4}})
        EXPECT_TRUE(IsBlack(image.at(column, row))) << column << "," << row;
    // The face plane spans 100 world units each way from the mouth.
    for (auto [y, z] : {std::pair{-80.0, 80.0}, {80.0, 80.0}, {-80.0, -80.0}, {80.0, -80.0}, {-50.0, 0.0}, {50.0, 0.0}})
        EXPECT_TRUE(IsFace(At(image, 0, y, z))) << y << "," << z << " " << Describe(At(image, 0, y, z));
    EXPECT_TRUE(IsBlack(At(image, 0, 0, 115)));
    EXPECT_TRUE(IsBlack(At(image, 0, 115, 0)));
    // Both lips, 30 units to each side of the centre line and about 10 tall.
    for (auto [y, z] : {std::pair{0.0, 4.0}, {0.0, -4.0}, {-15.0, 4.0}, {15.0, -4.0}})
        EXPECT_TRUE(IsLip(At(image, 5, y, z))) << y << "," << z << " " << Describe(At(image, 5, y, z));
    EXPECT_TRUE(IsFace(At(image, 0, 0, 16)));
    EXPECT_TRUE(IsFace(At(image, 0, 0, -16)));
    EXPECT_TRUE(IsFace(At(image, 0, 40, 0)));
    EXPECT_EQ(Count(image, IsTooth), 0) << "closed lips hide the teeth";
}

TEST_F(Draw, OpenMouthShowsTheTeeth)
{
    PassOpen();
    const Image image = StillDraw();
    Keep(image, "open");
    // The upper teeth fill the top of the opening; below them, down to the
    // lowered lower teeth, the mouth is dark.
    for (auto [y, z] : {std::pair{-4.0, 5.0}, {4.0, 5.0}, {10.0, 3.0}, {-10.0, 3.0}})
        EXPECT_TRUE(IsTooth(At(image, -2, y, z))) << y << "," << z << " " << Describe(At(image, -2, y, z));
    EXPECT_TRUE(IsBlack(At(image, -2, 0, -6))) << Describe(At(image, -2, 0, -6));
    EXPECT_TRUE(IsLip(At(image, 5, 0, 14))) << Describe(At(image, 5, 0, 14));
    EXPECT_TRUE(IsLip(At(image, 5, 0, -14))) << Describe(At(image, 5, 0, -14));
}

TEST_F(Draw, StillDrawsRepeatAndTheCameraMatters)
{
    PassOpen();
    const Image first = StillDraw();
    const Image second = StillDraw();
    EXPECT_TRUE(first == second);
    const Image side = StillDraw(60);
    Keep(side, "side");
    int differing = 0;
    for (size_t i = 0; i < first.pixels.size(); ++i)
        differing += first.pixels[i] != side.pixels[i];
    EXPECT_GT(differing, static_cast<int>(first.pixels.size() / 20));
    EXPECT_GT(Count(side, IsFace), 1000);
}

TEST_F(Draw, TargetShowsOnlyAfterAnAnimatedDraw)
{
    PassOpen();
    const Image open = StillDraw();
    PassClosed();
    const Image closed = StillDraw();
    ASSERT_FALSE(open == closed);

    ControlPassTarget(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    EXPECT_TRUE(StillDraw() == closed) << "a target alone changes nothing on screen";

    const auto v = View();
    const unsigned long before = LipTestSwapCount();
    EXPECT_EQ(DrawSpace(window_->id(), v.data(), 4, 1), 0);
    EXPECT_EQ(LipTestSwapCount() - before, 5u);
    EXPECT_TRUE(window_->grab() == open) << "the last frame is the target";
    EXPECT_TRUE(StillDraw() == open) << "and the target is now current";

    // Once more without a new target: the same shape throughout.
    EXPECT_EQ(DrawSpace(window_->id(), v.data(), 2, 1), 0);
    EXPECT_EQ(LipTestSwapCount() - before, 5u + 1u + 3u);
    EXPECT_TRUE(window_->grab() == open);
}

TEST_F(Draw, AnimatedDrawWithoutStepsJumpsToTheTarget)
{
    PassOpen();
    const Image open = StillDraw();
    PassClosed();
    ControlPassTarget(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    const auto v = View();
    for (int16_t steps : {0, -7}) {
        const unsigned long before = LipTestSwapCount();
        EXPECT_EQ(DrawSpace(window_->id(), v.data(), steps, 1), 0);
        EXPECT_EQ(LipTestSwapCount() - before, 1u) << steps;
        EXPECT_TRUE(window_->grab() == open) << steps;
    }
}

TEST_F(Draw, UnusableViewsDrawNothingAndReturnZero)
{
    PassClosed();
    auto v = View();
    v[1] = 0;
    const unsigned long before = LipTestSwapCount();
    EXPECT_EQ(DrawSpace(window_->id(), v.data(), 1, 0), 0) << "zero height";
    v = View();
    v[5] = v[6] = 0;
    v[7] = 500;
    EXPECT_EQ(DrawSpace(window_->id(), v.data(), 1, 0), 0) << "straight down";
    const Image fromAbove = window_->grab();
    Keep(fromAbove, "above");
    EXPECT_GT(Count(fromAbove, IsFace) + Count(fromAbove, IsLip), 0);
    v = View();
    v[2] = NAN;
    EXPECT_EQ(DrawSpace(window_->id(), v.data(), 1, 0), 0) << "non-finite field of view";
    EXPECT_EQ(LipTestSwapCount() - before, 2u);
}

int PreviousHandlerCalls = 0;
int RecordingHandler(Display*, XErrorEvent*)
{
    ++PreviousHandlerCalls;
    return 0;
}

TEST_F(Draw, WindowsThatCannotBeDrawnIntoAreRefusedQuietly)
{
    PassClosed();
    ControlPassTarget(kFlat.data(), 0, kFlat.data(), 0);
    const auto v = View();
    XErrorHandler outer = XSetErrorHandler(RecordingHandler);

    // A window that was never there, one that has gone, a window without a
    // GL-capable double-buffered visual, and an input-only window.
    std::vector<unsigned long> ids{0, 0x7ffffff0ul};
    TestWindow gone(20, 20);
    ASSERT_TRUE(gone.ok());
    const unsigned long goneId = gone.id();
    gone.destroy();
    ids.push_back(goneId);
    TestWindow single(40, 40, liptest::VisualKind::SingleBuffered, 600, 0);
    if (single.ok())
        ids.push_back(single.id());
    const Window inputOnly = XCreateWindow(window_->display(), DefaultRootWindow(window_->display()), 0, 0, 10,
                                           10, 0, 0, InputOnly, CopyFromParent, 0, nullptr);
    XSync(window_->display(), False);
    ids.push_back(inputOnly);

    const unsigned long before = LipTestSwapCount();
    for (unsigned long id : ids) {
        EXPECT_EQ(DrawSpace(id, v.data(), 1, 0), 0) << std::hex << id;
        EXPECT_EQ(DrawSpace(id, v.data(), 3, 1), 0) << std::hex << id;
    }
    EXPECT_EQ(LipTestSwapCount(), before);
    EXPECT_EQ(PreviousHandlerCalls, 0) << "the library's own errors never reach the program's handler";
    EXPECT_EQ(XSetErrorHandler(outer), RecordingHandler) << "the program's handler is back in place";

    // The library still draws into a good window afterwards.
    EXPECT_GT(Count(StillDraw(), IsLip), 100);
    XDestroyWindow(window_->display(), inputOnly);
}

TEST_F(Draw, PacingHoldsEachFrameForOneRefresh)
{
    PassClosed();
    ControlPassTarget(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    LipTestSetPacing(1);
    const auto v = View();
    const double period = LipTestRefreshPeriod();
    const int steps = 12;
    DrawSpace(window_->id(), v.data(), 1, 0);  // sets the grid the next frames keep to
    const auto start = std::chrono::steady_clock::now();
    DrawSpace(window_->id(), v.data(), steps, 1);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    LipTestSetPacing(0);
    // steps + 1 frames, each held one period after the one before it.
    EXPECT_GE(elapsed, (steps + 1) * period * 0.95);
    EXPECT_LE(elapsed, (steps + 1) * period + 0.5);
}

long CountEntries(const char* folder)
{
    long n = 0;
    if (DIR* d = opendir(folder)) {
        while (readdir(d))
            ++n;
        closedir(d);
    }
    return n;
}

long StatusField(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

// Every call makes and destroys its own context: hundreds of calls must not
// pile up descriptors, threads or memory.
TEST_F(Draw, ManyDrawsLeaveNothingBehind)
{
    PassClosed();
    ControlPassTarget(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    const auto v = View();
    for (int i = 0; i < 20; ++i)
        DrawSpace(window_->id(), v.data(), 1, static_cast<int16_t>(i % 2));
    const long fds = CountEntries("/proc/self/fd"), threads = StatusField("Threads");
    const long rss = StatusField("VmRSS");
    for (int i = 0; i < 400; ++i)
        DrawSpace(window_->id(), v.data(), 1, static_cast<int16_t>(i % 2));
    // The driver may still be winding down a helper thread of the last call.
    for (int wait = 0; wait < 100 && StatusField("Threads") != threads; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(CountEntries("/proc/self/fd"), fds);
    EXPECT_EQ(StatusField("Threads"), threads);
    // A context left behind per call would cost megabytes each (its colour and depth buffers).
    EXPECT_LT(StatusField("VmRSS") - rss, 16 * 1024) << "kB grown over 400 draws";
}

}  // namespace
