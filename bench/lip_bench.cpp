// What a draw costs: an animated frame, a still draw with its own context, the
// same still draw through one context kept for many frames, and the driver's
// own price for making and dropping a context. The library is reached through
// its exports only, in the test build: the same compiled renderer as the
// shipped libLip.so, with the hooks that switch pacing off.
#include <benchmark/benchmark.h>

#include "LipTestHooks.h"
#include "TestWindow.h"

#include <GL/glx.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

namespace {

constexpr int kWidth = 545, kHeight = 385;
constexpr int kAnimationSteps = 59;  // 60 frames a call

const std::array<float, 9> kClosed{0, 0, 0, 0, 2, 0, 0, 3, 0};
const std::array<float, 9> kOpenUpper{0, 0, 1.0f, 0, 2, 0.8f, 0, 3, 0};
const std::array<float, 9> kOpenLower{0, 0, -1.0f, 0, 2, -0.8f, 0, 3, 0};

std::array<float, 17> StartUpView()
{
    const double a = 0.1 * std::numbers::pi / 180;
    return {kWidth, kHeight, 40, 100, 1500, float(500 * std::cos(a)), float(500 * std::sin(a)), 0, 0, 0, 0,
            1000, 0, 0, 1, 0, 0};
}

liptest::TestWindow& Window()
{
    static liptest::TestWindow window(kWidth, kHeight);
    return window;
}

bool Ready(benchmark::State& state)
{
    if (!Window().ok()) {
        state.SkipWithError("no X display with a double-buffered RGBA visual (run under xvfb-run)");
        return false;
    }
    LipTestSetPacing(0);
    return true;
}

void AnimatedFrame(benchmark::State& state)
{
    if (!Ready(state))
        return;
    const auto view = StartUpView();
    for (auto _ : state) {
        ControlPass(kClosed.data(), 0, kClosed.data(), 0);
        ControlPassTarget(kOpenUpper.data(), 0, kOpenLower.data(), 10);
        DrawSpace(Window().id(), view.data(), kAnimationSteps, 1);
    }
    state.counters["per_frame"] =
        benchmark::Counter(kAnimationSteps + 1, benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}
BENCHMARK(AnimatedFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void StillDrawFreshContext(benchmark::State& state)
{
    if (!Ready(state))
        return;
    const auto view = StartUpView();
    ControlPass(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    for (auto _ : state)
        DrawSpace(Window().id(), view.data(), 1, 0);
}
BENCHMARK(StillDrawFreshContext)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same work as a still DrawSpace (clear, camera and light, one frame, swap,
// and the wait for the server), with one context made for many frames.
void StillDrawPersistentContext(benchmark::State& state)
{
    if (!Ready(state))
        return;
    constexpr int kFramesPerSurface = 100;
    const auto view = StartUpView();
    ControlPass(kOpenUpper.data(), 0, kOpenLower.data(), 10);
    for (auto _ : state) {
        if (!LipTestSurfaceFrames(Window().id(), view.data(), kFramesPerSurface)) {
            state.SkipWithError("no context on the window");
            return;
        }
    }
    state.counters["per_frame"] =
        benchmark::Counter(kFramesPerSurface, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}
BENCHMARK(StillDrawPersistentContext)->Unit(benchmark::kMillisecond)->UseRealTime();

void GlxCreateDestroy(benchmark::State& state)
{
    if (!Ready(state))
        return;
    Display* display = Window().display();
    for (auto _ : state) {
        GLXContext context = glXCreateContext(display, Window().visual(), nullptr, True);
        glXDestroyContext(display, context);
    }
}
BENCHMARK(GlxCreateDestroy)->Unit(benchmark::kMillisecond)->UseRealTime();

// A context is of no use until it is bound, and binding the first time is when
// the driver sets up the window's buffers.
void GlxCreateBindReleaseDestroy(benchmark::State& state)
{
    if (!Ready(state))
        return;
    Display* display = Window().display();
    for (auto _ : state) {
        GLXContext context = glXCreateContext(display, Window().visual(), nullptr, True);
        glXMakeCurrent(display, Window().id(), context);
        glXMakeCurrent(display, None, nullptr);
        glXDestroyContext(display, context);
        XSync(display, False);
    }
}
BENCHMARK(GlxCreateBindReleaseDestroy)->Unit(benchmark::kMillisecond)->UseRealTime();

// The library's own binding opened and closed without drawing: window and
// visual checks, context, binding, swap-interval query, the waits for the
// server, release and destruction. Compare with the driver-only line above.
void SurfaceOpenClose(benchmark::State& state)
{
    if (!Ready(state))
        return;
    for (auto _ : state)
        LipTestSurfaceFrames(Window().id(), nullptr, 0);
}
BENCHMARK(SurfaceOpenClose)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
