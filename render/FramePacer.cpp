#include "FramePacer.h"


namespace lip {

void FramePacer::setRefreshRate(double hertz)
{
    if (!(hertz >= 20 && hertz <= 500)) {
        period_ = kDefaultPeriod;
        return;
    }
    period_ = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / hertz));
}

std::optional<FramePacer::Clock::time_point> FramePacer::presentDeadline(bool swapWaitsForDisplay) const
{
    if (!enabled_ || !lastPresent_)
        return std::nullopt;
    if (swapWaitsForDisplay && !tooFast_)
        return std::nullopt;
    return *lastPresent_ + period_;
}

void FramePacer::swapped(Clock::time_point now, std::optional<Clock::time_point> deadline,
                         bool swapWaitsForDisplay)
{
    if (swapWaitsForDisplay && !tooFast_ && lastPresent_) {
        if (now - *lastPresent_ < period_ / 2) {
            if (++fastInARow_ >= kFastSwapsToDistrust)
                tooFast_ = true;
        } else {
            fastInARow_ = 0;
        }
    }
    // Stay on the grid of deadlines while frames keep up, so the small cost of
    // each swap does not add up over a long move.
    if (deadline && now >= *deadline && now - *deadline < period_)
        lastPresent_ = *deadline;
    else
        lastPresent_ = now;
}

bool HasExtensionToken(std::string_view list, std::string_view name)
{
    if (name.empty())
        return false;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(' ', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (list.substr(start, end - start) == name)
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace lip
