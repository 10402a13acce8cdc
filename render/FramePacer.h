// Keeps every shown frame on screen for one display refresh, so that a move
// of n steps takes about n + 1 refresh periods on every machine, whether or
// not buffer swaps wait for the display.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace lip {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kDefaultPeriod =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / 60));

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // A rate outside 20..500 Hz is taken for unknown and leaves 60 Hz.
    void setRefreshRate(double hertz);
    Clock::duration period() const { return period_; }

    // When to present the next frame: one period after the last one, unless
    // swaps wait for the display themselves. Empty when there is nothing to wait for.
    std::optional<Clock::time_point> presentDeadline(bool swapWaitsForDisplay) const;

    // Records a swap that returned at `now`; `deadline` is what presentDeadline gave.
    void swapped(Clock::time_point now, std::optional<Clock::time_point> deadline,
                 bool swapWaitsForDisplay);

    // True once swaps that should wait for the display have been seen returning
    // well within a period several times in a row (software GL, some virtual
    // machines); frames are paced here from then on.
    bool swapsSeenTooFast() const { return tooFast_; }

private:
    static constexpr int kFastSwapsToDistrust = 8;

    bool enabled_ = true;
    Clock::duration period_ = kDefaultPeriod;
    std::optional<Clock::time_point> lastPresent_;
    int fastInARow_ = 0;
    bool tooFast_ = false;
};

// True when `name` is one of the space-separated tokens of `list` (a prefix
// of a longer extension name does not count).
bool HasExtensionToken(std::string_view list, std::string_view name);

}  // namespace lip
