#include "playback/Playback.h"

#include "model/NumericText.h"
#include "model/Refusal.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

namespace oralis {

namespace {

constexpr double kStepNumerator = 4000.0;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Playback)
};

}  // namespace

int SignForEntry(int16_t syllableClass, int16_t vowel)
{
    switch (syllableClass & kClassMask) {
    case kSyllabicN:
        return 6 + vowel;
    case kPRow:
    case kMRow:
    case kBRow:
        return 11 + vowel;
    case kTRow:
    case kKRow:
    case kNRow:
    case kYRRow:
    case kYRRowOld:
        return 16 + vowel;
    case kSRow:
        return 21 + vowel;
    case kWa:
        return 26;
    default:
        break;
    }
    if (syllableClass & kGeminateFlag)
        return 27 + vowel;
    return 1 + vowel;
}

std::optional<int16_t> StepBase(QStringView speedText, QString* whyNot)
{
    const double speed = NumericPrefix(speedText);
    if (!(speed > 0.0)) {
        Refuse(whyNot, Text::tr("Speed must be a number above 0"));
        return std::nullopt;
    }
    const std::optional<int16_t> base = RoundToInt16(kStepNumerator / speed);
    if (!base)
        Refuse(whyNot, Text::tr("Speed is too low (use 0.13 or more)"));
    return base;
}

std::optional<int16_t> StepCount(int16_t base, float velocityRate, bool longEntry)
{
    const float product = static_cast<float>(base) * velocityRate;
    const std::optional<int16_t> n = RoundToInt16(product);
    if (!n || !longEntry)
        return n;
    const int doubled = 2 * int{*n};
    if (doubled < INT16_MIN || doubled > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(doubled);
}

std::optional<PlaybackPlan> BeginPlan(const SignTable& table, QStringView speedText, QString* whyNot)
{
    const std::optional<int16_t> base = StepBase(speedText, whyNot);
    if (!base)
        return std::nullopt;
    const LipFrame* rest = table.Frame(0, 0);
    if (!rest) {
        Refuse(whyNot, Text::tr("The rest sign 0 has no frame"));
        return std::nullopt;
    }
    PlaybackPlan plan;
    plan.base = *base;
    plan.rest = *rest;
    return plan;
}

bool AddSignToPlan(PlaybackPlan& plan, const SignTable& table, int s, bool longEntry, QString* whyNot)
{
    for (int k = 0; const LipFrame* frame = table.Frame(s, k); ++k) {
        const std::optional<int16_t> n = StepCount(plan.base, frame->velocityRate(), longEntry);
        if (!n)
            return Refuse(whyNot, Text::tr("Sign %1, frame %2 needs too many steps at this speed")
                                      .arg(s)
                                      .arg(k + 1));
        plan.targets.push_back({*frame, *n});
    }
    return true;
}

void RunPlan(const PlaybackPlan& plan, const LipExports& lip,
             const std::function<void(int16_t)>& display, int16_t& playbackActive)
{
    playbackActive = 1;
    const LipFrame& start = plan.rest;
    lip.ControlPass(start.upperCurve(), start.upperAngle(), start.lowerCurve(), start.lowerAngle());
    for (const PlannedTarget& target : plan.targets) {
        const LipFrame& f = target.frame;
        lip.ControlPassTarget(f.upperCurve(), f.upperAngle(), f.lowerCurve(), f.lowerAngle());
        display(target.steps);
    }
    playbackActive = 0;
}

bool PlaySyllables(const Syllables& syllables, const SignTable& table, QStringView speedText,
                   const LipExports& lip, const std::function<void(int16_t)>& display,
                   int16_t& playbackActive, QString* whyNot)
{
    if (!lip.complete())
        return Refuse(whyNot, Text::tr("The renderer is not available"));
    if (syllables.SyllableCount > kSyllableSlots)
        return Refuse(whyNot, ParseRefusalMessage(ParseFailure::TooManySyllables));

    // The whole run is planned first so that a refusal happens before the
    // renderer has been touched.
    std::optional<PlaybackPlan> plan = BeginPlan(table, speedText, whyNot);
    if (!plan)
        return false;
    const int count = std::max<int>(0, syllables.SyllableCount);
    for (int e = 0; e < count; ++e) {
        const int16_t cls = syllables.SyllableClass[static_cast<size_t>(e)];
        const int s = SignForEntry(cls, syllables.SyllableVowel[static_cast<size_t>(e)]);
        if (!AddSignToPlan(*plan, table, s, (cls & kLongFlag) != 0, whyNot))
            return false;
    }
    RunPlan(*plan, lip, display, playbackActive);
    return true;
}

PlayedReading PlayReading(const QString& reading, const SignTable& table, QStringView speedText,
                          const LipExports& lip, const std::function<void(int16_t)>& display,
                          int16_t& playbackActive)
{
    PlayedReading result;
    Syllables syllables;
    ParseFailure failure = ParseFailure::None;
    if (ParseKana(reading, syllables, &failure) != -1) {
        result.whyNot = ParseRefusalMessage(failure);
        result.readingRefused = true;
        return result;
    }
    if (PlaySyllables(syllables, table, speedText, lip, display, playbackActive, &result.whyNot))
        result.played = syllables;
    return result;
}

QString ParseRefusalMessage(ParseFailure why)
{
    if (why == ParseFailure::TooManySyllables)
        return Text::tr("The word is too long (at most 32 syllables)");
    return Text::tr("Unsupported character(s) in the string");
}

QString StartRefusal(QStringView boxText, QStringView reading, const QString& readingRefusal)
{
    if (!reading.isEmpty())
        return QString();
    if (!readingRefusal.isEmpty())
        return readingRefusal;
    const bool blank = std::all_of(boxText.begin(), boxText.end(), [](QChar c) { return c.isSpace(); });
    return blank ? QString() : ParseRefusalMessage(ParseFailure::UnsupportedCharacter);
}

}  // namespace oralis
