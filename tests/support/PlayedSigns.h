// A lip position table in which every frame names its sign, so that the
// renderer calls recorded during playback tell which signs were played.
#pragma once

#include "ModalDialogs.h"
#include "TableBuilder.h"
#include "RecordingLip.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace oralis::testing {

// Signs 0..31, one frame each with velocity rate 1; upper value 1 is the sign.
inline bool WriteSignTaggedTable(const QString& path)
{
    QStringList lines;
    for (int sign = 0; sign < 32; ++sign) {
        QList<float> upper(9, 0.0f);
        upper[0] = static_cast<float>(sign);
        lines << HeaderRecord(sign, QStringLiteral("s%1").arg(sign), 1)
              << FrameRecord(1.0f, upper, 0.0f, QList<float>(9, 0.0f), 0.0f);
    }
    return WriteText(path, lines);
}

// The signs played since the recorder was last cleared, in order.
inline QList<int> PlayedSigns()
{
    QList<int> signs;
    for (const LipCall& call : RecordingLip::Of(LipCall::Target))
        signs << static_cast<int>(call.upper[0]);
    return signs;
}

// The step counts of the animated draws since the recorder was last cleared.
inline QList<int> AnimatedSteps()
{
    QList<int> steps;
    for (const LipCall& call : RecordingLip::Of(LipCall::Draw))
        if (call.animate)
            steps << call.steps;
    return steps;
}

}  // namespace oralis::testing
