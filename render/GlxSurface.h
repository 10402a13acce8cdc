// Attaching a GL context to a window the caller names by its X11 id, for the
// length of one draw, and presenting frames at the display's pace.
#pragma once

#include "FramePacer.h"

#include <X11/Xlib.h>
#include <GL/glx.h>

#include <optional>

namespace lip {

// The process's one connection to the X server, opened on first use. Null
// when no server can be reached; a later call tries again.
Display* SharedDisplay();

// Routes X errors of `display` to a flag instead of Xlib's default handler
// (which ends the program), for as long as the trap lives; its end waits for
// the server so no error of its requests arrives later. Errors of other
// connections still go to the handler that was installed before.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has answered everything sent so far, then tells
    // whether any of it failed since the last clear().
    bool syncFailed();
    void clear();

private:
    Display* display_;
    XErrorHandler previous_;
};

// True for a visual that gives a double-buffered RGBA surface with at least
// 24 colour bits and a depth buffer.
bool SuitableVisual(Display* display, XVisualInfo* visual);

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

    // Whether swaps were asked to wait for the display refresh.
    bool swapControlled() const { return swapControlled_; }

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

void SetPacingEnabled(bool enabled);
unsigned long SwapCount();
FramePacer::Clock::duration RefreshPeriod();

}  // namespace lip
