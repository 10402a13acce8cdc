#include "model/MouthShape.h"

#include "model/KanaParser.h"

#include <QCoreApplication>
#include <array>

namespace oralis {

namespace {

constexpr BasicShape kVowels[] = {BasicShape::A, BasicShape::I, BasicShape::U, BasicShape::E,
                                  BasicShape::O};

struct ShapeText {
    const char* name;  // the source text of its caption
    const char* code;
};
// Indexed by BasicShape.
constexpr std::array<ShapeText, kBasicShapeCount> kTexts{{
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "休み"), "rest"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "あ"), "a"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "い"), "i"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "う"), "u"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "え"), "e"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "お"), "o"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "閉じた口"), "closed"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "促音"), "sokuon"},
    {QT_TRANSLATE_NOOP("oralis::MouthShape", "撥音"), "hatsuon"},
}};

}  // namespace

SignShape ShapeOfSign(int sign)
{
    if (sign >= 1 && sign <= 5)
        return {kVowels[sign - 1], std::nullopt, kVowels[sign - 1]};
    if (sign >= 6 && sign <= 10)
        return {BasicShape::SyllabicN, std::nullopt, kVowels[sign - 6]};
    if (sign >= 11 && sign <= 15)
        return {BasicShape::Closed, BasicShape::Closed, kVowels[sign - 11]};
    if (sign >= 16 && sign <= 25)
        return {kVowels[(sign - 16) % 5], std::nullopt, kVowels[(sign - 16) % 5]};
    if (sign == 26)
        return {BasicShape::A, BasicShape::U, BasicShape::A};
    if (sign >= 27 && sign <= 31)
        return {BasicShape::Geminate, std::nullopt, kVowels[sign - 27]};
    return {};
}

BasicShape ShapeOfEntry(int16_t syllableClass, int sign)
{
    if ((syllableClass & kClassMask) == kSyllabicN)
        return BasicShape::SyllabicN;
    if ((syllableClass & kClassMask) == kNoClass && (syllableClass & kGeminateFlag))
        return BasicShape::Geminate;
    return ShapeOfSign(sign).shape;
}

BasicShape ShapeOfFrame(int sign, int frame, int frameCount)
{
    const SignShape s = ShapeOfSign(sign);
    if (!s.onset)
        return s.shape;
    return frame < frameCount - 1 ? *s.onset : s.target;
}

QString ShapeName(BasicShape shape)
{
    return QCoreApplication::translate("oralis::MouthShape", kTexts[static_cast<size_t>(shape)].name);
}

QString SyllableCaption(const QString& kana, BasicShape shape)
{
    return QCoreApplication::translate("oralis::MouthShape", "%1: %2", "a syllable and its mouth shape").arg(kana, ShapeName(shape));
}

QString ShapeCode(BasicShape shape)
{
    return QString::fromLatin1(kTexts[static_cast<size_t>(shape)].code);
}

std::optional<BasicShape> ShapeFromCode(const QString& code)
{
    for (size_t i = 0; i < kTexts.size(); ++i) {
        if (code == QLatin1String(kTexts[i].code))
            return static_cast<BasicShape>(i);
    }
    return std::nullopt;
}

}  // namespace oralis
