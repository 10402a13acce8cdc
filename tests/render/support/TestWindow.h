// An X window that GL can draw into, made by the tests and the benchmark
// themselves (no toolkit), and read back pixel by pixel.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <string>
#include <vector>

namespace liptest {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, rows from the top

    Rgb at(int x, int y) const;
    bool operator==(const Image& other) const = default;
    // Writes a binary PPM; false when the file cannot be written.
    bool savePpm(const std::string& path) const;
};

enum class VisualKind { DoubleBufferedDepth, SingleBuffered };

class TestWindow {
public:
    // Opens its own connection to $DISPLAY and maps a width x height window
    // at (x, y); ok() is false when there is no display or no such visual.
    TestWindow(int width, int height, VisualKind kind = VisualKind::DoubleBufferedDepth, int x = 0,
               int y = 0);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    bool ok() const { return window_ != 0; }
    unsigned long id() const { return window_; }
    Display* display() const { return display_; }
    XVisualInfo* visual() const { return visual_; }

    // Destroys the window now; id() keeps the number it had.
    void destroy();

    // The window's contents as the X server has them.
    Image grab() const;

private:
    Display* display_ = nullptr;
    XVisualInfo* visual_ = nullptr;
    Colormap colormap_ = 0;
    Window window_ = 0;
    bool destroyed_ = false;
    int width_ = 0, height_ = 0;
};

}  // namespace liptest
