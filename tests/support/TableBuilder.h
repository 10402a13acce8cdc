// Sign tables for tests: frames whose values tell sign, frame and position
// apart, a small table the editor tests share, and table files on disk.
#pragma once

#include "model/ProgramState.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

namespace oralis::testing {

// A frame whose values tell sign, frame and position apart: s*100 + f*10 + i/4,
// the unused fourth points 0.
inline LipFrame TestFrame(int s, int f, float rate)
{
    LipFrame frame;
    for (int i = 0; i < LipFrame::kValues; ++i)
        frame[i] = static_cast<float>(s * 100 + f * 10) + static_cast<float>(i) * 0.25f;
    for (int i : {10, 11, 12, 23, 24, 25})
        frame[i] = 0;
    frame[LipFrame::kVelocityRate] = rate;
    return frame;
}

// Sign 0 the rest shape; sign 1 three frames; sign 2 never filled; sign 3 one
// frame with velocity rate 1.5.
inline SignTable SmallTable()
{
    SignTable t;
    auto fill = [&t](int s, const char* name, std::initializer_list<float> rates) {
        t[s].SignName = FixedSignName(QString::fromLatin1(name));
        int f = 0;
        for (float r : rates)
            t[s].Frames.push_back(TestFrame(s, f++, r));
    };
    fill(0, "rest", {1});
    fill(1, "a", {1, 2, 3});
    fill(3, "pa", {1.5f});
    t.SignCount = 4;
    return t;
}

// One frame record of a table file: velocity rate, nine upper values, upper
// angle, nine lower values, lower angle.
inline QString FrameRecord(float rate, const QList<float>& upper, float upperAngle,
                           const QList<float>& lower, float lowerAngle)
{
    QStringList fields{QString::number(rate)};
    for (float v : upper)
        fields << QString::number(v);
    fields << QString::number(upperAngle);
    for (float v : lower)
        fields << QString::number(v);
    fields << QString::number(lowerAngle);
    return fields.join(QLatin1Char(','));
}

inline QString HeaderRecord(int sign, const QString& name, int frames)
{
    QStringList fields{QString::number(sign), name, QString::number(frames)};
    while (fields.size() < 21)
        fields << QString();
    return fields.join(QLatin1Char(','));
}

// `lines` as a file of CR LF lines in UTF-8.
inline bool WriteText(const QString& path, const QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return true;
}

}  // namespace oralis::testing
