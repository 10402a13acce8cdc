#include "TestWindow.h"

#include <GL/glx.h>

#include <bit>
#include <cstdio>

namespace liptest {

Rgb Image::at(int x, int y) const
{
    const uint32_t p = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    return {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)};
}

bool Image::savePpm(const std::string& path) const
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (uint32_t p : pixels) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, f);
    }
    return std::fclose(f) == 0;
}

TestWindow::TestWindow(int width, int height, VisualKind kind, int x, int y)
    : width_(width), height_(height)
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    int doubleBuffered[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8,
                            GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 16, None};
    int singleBuffered[] = {GLX_RGBA, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
    visual_ = glXChooseVisual(display_, DefaultScreen(display_),
                              kind == VisualKind::DoubleBufferedDepth ? doubleBuffered : singleBuffered);
    if (!visual_)
        return;
    if (kind == VisualKind::SingleBuffered) {
        int value = 0;
        glXGetConfig(display_, visual_, GLX_DOUBLEBUFFER, &value);
        if (value)
            return;  // the server offers no single-buffered visual
    }
    const Window root = RootWindow(display_, visual_->screen);
    colormap_ = XCreateColormap(display_, root, visual_->visual, AllocNone);
    XSetWindowAttributes attributes{};
    attributes.colormap = colormap_;
    attributes.background_pixel = 0;
    attributes.border_pixel = 0;
    attributes.event_mask = StructureNotifyMask;
    window_ = XCreateWindow(display_, root, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                            visual_->depth, InputOutput, visual_->visual,
                            CWColormap | CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
    XMapWindow(display_, window_);
    XEvent event;
    do {
        XWindowEvent(display_, window_, StructureNotifyMask, &event);
    } while (event.type != MapNotify);
    XSync(display_, False);
}

void TestWindow::destroy()
{
    if (window_ && !destroyed_) {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }
    destroyed_ = true;
}

TestWindow::~TestWindow()
{
    if (window_ && !destroyed_)
        XDestroyWindow(display_, window_);
    if (colormap_)
        XFreeColormap(display_, colormap_);
    if (visual_)
        XFree(visual_);
    if (display_)
        XCloseDisplay(display_);
}

Image TestWindow::grab() const
{
    Image image;
    XSync(display_, False);
    XImage* x = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(width_), static_cast<unsigned>(height_),
                          AllPlanes, ZPixmap);
    if (!x)
        return image;
    image.width = width_;
    image.height = height_;
    image.pixels.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    auto channel = [](unsigned long pixel, unsigned long mask) {
        return static_cast<uint32_t>((pixel & mask) >> std::countr_zero(mask)) & 0xff;
    };
    for (int row = 0; row < height_; ++row) {
        for (int col = 0; col < width_; ++col) {
            const unsigned long p = XGetPixel(x, col, row);
            image.pixels[static_cast<size_t>(row) * static_cast<size_t>(width_) + static_cast<size_t>(col)] =
                channel(p, x->red_mask) << 16 | channel(p, x->green_mask) << 8 | channel(p, x->blue_mask);
        }
    }
    XDestroyImage(x);
    return image;
}

}  // namespace liptest
