#include "playback/SignAction.h"

namespace oralis {

std::optional<PlaybackPlan> PlanSignAction(const SignTable& table, int sign, QStringView speedText,
                                           QString* whyNot)
{
    std::optional<PlaybackPlan> plan = BeginPlan(table, speedText, whyNot);
    if (plan && !AddSignToPlan(*plan, table, sign, false, whyNot))
        return std::nullopt;
    return plan;
}

}  // namespace oralis
