#include "GlxSurface.h"

#include <X11/Xutil.h>
#include <dlfcn.h>

#include <cstdio>
#include <thread>

namespace lip {

namespace {

Display* g_display = nullptr;
FramePacer g_pacer;
unsigned long g_swapCount = 0;

// Xlib keeps one error handler per process, so the trap's state is too.
Display* g_trappedDisplay = nullptr;
XErrorHandler g_previousHandler = nullptr;
bool g_errorSeen = false;

int TrapHandler(Display* display, XErrorEvent* event)
{
    if (display != g_trappedDisplay && g_previousHandler)
        return g_previousHandler(display, event);
    g_errorSeen = true;
    return 0;
}

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

void NoteUnsuitableVisualOnce()
{
    static bool noted = false;
    if (noted)
        return;
    noted = true;
    std::fprintf(stderr,
                 "Lip: the window has no double-buffered RGBA visual with 24 colour bits and a "
                 "depth buffer; the mouth is not drawn.\n");
}

using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);

}  // namespace

Display* SharedDisplay()
{
    if (!g_display) {
        g_display = XOpenDisplay(nullptr);
        if (g_display)
            g_pacer.setRefreshRate(QueryRefreshRate(g_display));
    }
    return g_display;
}

XErrorTrap::XErrorTrap(Display* display) : display_(display)
{
    g_trappedDisplay = display_;
    g_errorSeen = false;
    previous_ = XSetErrorHandler(TrapHandler);
    g_previousHandler = previous_;
}

XErrorTrap::~XErrorTrap()
{
    XSync(display_, False);
    XSetErrorHandler(previous_);
    g_trappedDisplay = nullptr;
    g_previousHandler = nullptr;
}

bool XErrorTrap::syncFailed()
{
    XSync(display_, False);
    return g_errorSeen;
}

void XErrorTrap::clear() { g_errorSeen = false; }

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
    const auto deadline = g_pacer.presentDeadline(swapControlled_);
    if (deadline)
        std::this_thread::sleep_until(*deadline);
    glXSwapBuffers(display_, window_);
    XFlush(display_);
    ++g_swapCount;
    g_pacer.swapped(FramePacer::Clock::now(), deadline, swapControlled_);
}

void SetPacingEnabled(bool enabled) { g_pacer.setEnabled(enabled); }

unsigned long SwapCount() { return g_swapCount; }

FramePacer::Clock::duration RefreshPeriod()
{
    SharedDisplay();
    return g_pacer.period();
}

}  // namespace lip
