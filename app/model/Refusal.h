// How a routine that can refuse tells its caller why.
#pragma once

#include <QString>

namespace oralis {

// Gives `reason` to a caller that asked for one (`whyNot` not null) and
// returns false, so a refusal is one statement: `return Refuse(whyNot, ...);`.
inline bool Refuse(QString* whyNot, const QString& reason)
{
    if (whyNot)
        *whyNot = reason;
    return false;
}

}  // namespace oralis
