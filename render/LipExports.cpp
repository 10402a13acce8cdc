// The library's C entry points and everything they keep between calls: one
// module-wide record, the X display binding and the GL surface of one draw.
// Nothing here is visible outside this file but the exports of Lip.h and, to
// the test build's hooks, the hidden functions of LipTestAccess.h.
#include "Lip.h"

#include "FramePacer.h"
#include "LipTestAccess.h"
#include "RendererState.h"
#include "SceneGL.h"
#include "ViewSetup.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

namespace lip {
namespace {

// All the renderer keeps while it is loaded. Xlib has one error handler per
// process, so the trap's state is module-wide as well.
struct Module {
    RendererState shapes;
    Display* display = nullptr;  // opened on first use; a later call retries when it failed
    FramePacer pacer;
    unsigned long swapCount = 0;
    struct {
        Display* display = nullptr;
        XErrorHandler previous = nullptr;
        bool errorSeen = false;
    } trap;
    bool unsuitableVisualNoted = false;
};

Module g_lip;

int TrapHandler(Display* display, XErrorEvent* event)
{
    if (display != g_lip.trap.display && g_lip.trap.previous)
        return g_lip.trap.previous(display, event);
    g_lip.trap.errorSeen = true;
    return 0;
}

// Routes X errors of `display` to a flag instead of Xlib's default handler
// (which ends the program), for as long as the trap lives; its end waits for
// the server so no error of its requests arrives later. Errors of other
// connections still go to the handler that was installed before.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display)
    {
        g_lip.trap.display = display_;
        g_lip.trap.errorSeen = false;
        previous_ = XSetErrorHandler(TrapHandler);
        g_lip.trap.previous = previous_;
    }

    ~XErrorTrap()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
        g_lip.trap.display = nullptr;
        g_lip.trap.previous = nullptr;
    }

    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has answered everything sent so far, then tells
    // whether any of it failed since the last clear().
    bool syncFailed()
    {
        XSync(display_, False);
        return g_lip.trap.errorSeen;
    }

    void clear() { g_lip.trap.errorSeen = false; }

private:
    Display* display_;
    XErrorHandler previous_;
};

// The refresh rate through RandR, which is loaded only if it is there: a
// machine without it paces at 60 Hz.
double QueryRefreshRate(Display* display)
{
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "RANDR", &opcode, &event, &error))
        return 0;
    // Never closed: RandR hooks itself into the connection, which stays open.
    void* randr = dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!randr)
        return 0;
    using GetInfo = void* (*)(Display*, Window);
    using CurrentRate = short (*)(void*);
    using FreeInfo = void (*)(void*);
    auto getInfo = reinterpret_cast<GetInfo>(dlsym(randr, "XRRGetScreenInfo"));
    auto currentRate = reinterpret_cast<CurrentRate>(dlsym(randr, "XRRConfigCurrentRate"));
    auto freeInfo = reinterpret_cast<FreeInfo>(dlsym(randr, "XRRFreeScreenConfigInfo"));
    if (!getInfo || !currentRate || !freeInfo)
        return 0;
    XErrorTrap trap(display);
    void* info = getInfo(display, DefaultRootWindow(display));
    if (!info)
        return 0;
    const short rate = currentRate(info);
    freeInfo(info);
    return trap.syncFailed() ? 0 : rate;
}

// The process's one connection to the X server. Null when no server can be reached.
Display* SharedDisplay()
{
    if (!g_lip.display) {
        g_lip.display = XOpenDisplay(nullptr);
        if (g_lip.display)
            g_lip.pacer.setRefreshRate(QueryRefreshRate(g_lip.display));
    }
    return g_lip.display;
}

void NoteUnsuitableVisualOnce()
{
    if (g_lip.unsuitableVisualNoted)
        return;
    g_lip.unsuitableVisualNoted = true;
    std::fprintf(stderr,
                 "Lip: the window has no double-buffered RGBA visual with 24 colour bits and a "
                 "depth buffer; the mouth is not drawn.\n");
}

// True for a visual that gives a double-buffered RGBA surface with at least
// 24 colour bits and a depth buffer.
bool SuitableVisual(Display* display, XVisualInfo* visual)
{
    auto get = [&](int attribute) {
        int value = 0;
        return glXGetConfig(display, visual, attribute, &value) == 0 ? value : 0;
    };
    const int colourBits = get(GLX_RED_SIZE) + get(GLX_GREEN_SIZE) + get(GLX_BLUE_SIZE);
    return get(GLX_USE_GL) && get(GLX_RGBA) && get(GLX_DOUBLEBUFFER) && get(GLX_LEVEL) == 0 &&
           colourBits >= 24 && get(GLX_DEPTH_SIZE) > 0;
}

using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);

// A fresh context made current on `window` for the lifetime of this object,
// released and destroyed when it ends. ready() is false, and nothing must be
// drawn, when there is no display, the id is not a drawable window, its visual
// is unsuitable or the context cannot be made current.
class GlxSurface {
public:
    explicit GlxSurface(unsigned long window);
    ~GlxSurface();
    GlxSurface(const GlxSurface&) = delete;
    GlxSurface& operator=(const GlxSurface&) = delete;

    bool ready() const { return current_; }

    // Swaps the buffers, keeping to the display's refresh unless pacing is off.
    void present();

    // Waits until the server has drawn everything sent so far.
    void sync() { XSync(display_, False); }

private:
    void requestSwapInterval(int screen);

    Display* display_ = nullptr;
    std::optional<XErrorTrap> trap_;
    Window window_ = 0;
    GLXContext context_ = nullptr;
    bool bound_ = false;    // made current, even if the server then refused
    bool current_ = false;  // made current and usable
    bool swapControlled_ = false;
};

GlxSurface::GlxSurface(unsigned long window) : window_(static_cast<Window>(window))
{
    display_ = SharedDisplay();
    if (!display_ || window_ == None)
        return;
    trap_.emplace(display_);

    // The window's own visual: a context for any other one cannot be made
    // current on it (Qt may hand out a 32-bit ARGB visual, for instance).
    XWindowAttributes attributes;
    // A round trip of its own: zero when the id names no window.
    if (!XGetWindowAttributes(display_, window_, &attributes))
        return;
    if (attributes.c_class != InputOutput)
        return;
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int count = 0;
    XVisualInfo* visual =
        XGetVisualInfo(display_, VisualIDMask | VisualScreenMask, &wanted, &count);
    if (!visual)
        return;
    if (SuitableVisual(display_, visual))
        context_ = glXCreateContext(display_, visual, nullptr, True);
    else
        NoteUnsuitableVisualOnce();
    XFree(visual);
    if (!context_)
        return;

    // One wait for the server covers a context it refused and a window that
    // has gone since it was looked at.
    bound_ = glXMakeCurrent(display_, window_, context_);
    if (!bound_ || trap_->syncFailed())
        return;
    current_ = true;
    requestSwapInterval(wanted.screen);
}

GlxSurface::~GlxSurface()
{
    if (context_) {
        if (bound_)
            glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
    }
    // The trap's end waits for the server, so the last frame is on screen when the draw returns.
}

void GlxSurface::requestSwapInterval(int screen)
{
    // Only an extension the server lists may be called: under Xvfb none is, yet
    // glXGetProcAddress still hands out a pointer that crashes when called.
    const char* extensions = glXQueryExtensionsString(display_, screen);
    if (!extensions)
        return;
    if (HasExtensionToken(extensions, "GLX_EXT_swap_control")) {
        auto setInterval = reinterpret_cast<SwapIntervalExt>(
            glXGetProcAddress(reinterpret_cast<const GLubyte*>("glXSwapIntervalEXT")));
        if (setInterval) {
            setInterval(display_, window_, 1);
            swapControlled_ = true;
        }
    } else if (HasExtensionToken(extensions, "GLX_MESA_swap_control")) {
        auto setInterval = reinterpret_cast<SwapIntervalMesa>(
            glXGetProcAddress(reinterpret_cast<const GLubyte*>("glXSwapIntervalMESA")));
        swapControlled_ = setInterval && setInterval(1) == 0;
    }
    if (trap_->syncFailed()) {
        swapControlled_ = false;
        trap_->clear();
    }
}

void GlxSurface::present()
{
    const auto deadline = g_lip.pacer.presentDeadline(swapControlled_);
    if (deadline)
        std::this_thread::sleep_until(*deadline);
    glXSwapBuffers(display_, window_);
    XFlush(display_);
    ++g_lip.swapCount;
    g_lip.pacer.swapped(FramePacer::Clock::now(), deadline, swapControlled_);
}

void ClearColour()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

// An animated draw makes the target current even when nothing can be drawn (no
// display, a window id that is not a drawable window, an unsuitable visual, a
// view record with non-finite values or the eye on the point it looks at).
int16_t Draw(unsigned long window, const float* view, int16_t steps, int16_t animate)
{
    const int16_t status = 0;
    // Every in-between shape is ready before the first frame, so the drawing
    // loop only draws; the storage lives for this call only.
    std::vector<MouthShape> storage;
    const std::span<const MouthShape> frames = PlanFrames(g_lip.shapes, steps, animate > 0, storage);
    if (!view)
        return status;
    const ViewSetup setup = ComputeViewSetup(view);
    if (!setup.drawable)
        return status;

    GlxSurface surface(window);
    if (!surface.ready())
        return status;
    ClearColour();
    SetupScene(setup);
    const LipProfiles profiles = ComputeProfiles();
    for (const MouthShape& shape : frames) {
        RenderFrame(shape, profiles);
        surface.present();
    }
    return status;
}

void PassShape(MouthShape& into, const float* upperLip, float upperTeethAngle, const float* lowerLip,
               float lowerTeethAngle)
{
    if (upperLip && lowerLip)
        into = ShapeFromCurves(upperLip, upperTeethAngle, lowerLip, lowerTeethAngle);
}

}  // namespace

void SetPacingEnabled(bool enabled) { g_lip.pacer.setEnabled(enabled); }

unsigned long SwapCount() { return g_lip.swapCount; }

double RefreshPeriodSeconds()
{
    SharedDisplay();
    return std::chrono::duration<double>(g_lip.pacer.period()).count();
}

// The benchmark's baseline: still frames of the current shape through one
// context, each as a still draw makes it, without a context of its own.
int StillFramesOnOneSurface(unsigned long window, const float* view, int frames)
{
    GlxSurface surface(window);
    if (!surface.ready())
        return 0;
    const ViewSetup setup = view ? ComputeViewSetup(view) : ViewSetup{};
    for (int i = 0; setup.drawable && i < frames; ++i) {
        ClearColour();
        SetupScene(setup);
        RenderFrame(g_lip.shapes.current, ComputeProfiles());
        surface.present();
        surface.sync();
    }
    return 1;
}

}  // namespace lip

extern "C" {

void ControlPass(const float* upperLip, float upperTeethAngle, const float* lowerLip,
                 float lowerTeethAngle)
{
    lip::PassShape(lip::g_lip.shapes.current, upperLip, upperTeethAngle, lowerLip, lowerTeethAngle);
}

void ControlPassTarget(const float* upperLip, float upperTeethAngle, const float* lowerLip,
                       float lowerTeethAngle)
{
    lip::PassShape(lip::g_lip.shapes.target, upperLip, upperTeethAngle, lowerLip, lowerTeethAngle);
}

int16_t DrawSpace(LipWindow hdc, const float* view, int16_t steps, int16_t animate)
{
    return lip::Draw(hdc, view, steps, animate);
}

}  // extern "C"
