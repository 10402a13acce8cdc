#include "playback/StudySteps.h"

#include <QtGlobal>

#include <cmath>
#include <limits>
#include <utility>

namespace oralis {

namespace {

constexpr double kUnknownRefreshHz = 60.0;

// The typical mora of the shipped table is a consonant-vowel sign of two
// frames: an onset of velocity rate 0.35 (k, t, n, y and r rows, signs 16..20)
// or 0.4 (m, b, p and s rows and wa, signs 11..15, 21..26), then the vowel at
// 0.7. The renderer shows a transition of n steps for n + 1 refresh periods,
// so such a mora lasts (round(0.35 b) + 1) + (round(0.7 b) + 1) periods at
// step base b, or the same with 0.4; the two kinds are averaged. At 60 Hz:
// b = 9 gives 11.5 periods, 5.2 morae a second; b = 7 gives 9.5, 6.3; b = 4
// gives 6.5, 9.2 (speeds 444, 571 and 1000).
constexpr float kOnsetRates[] = {0.35f, 0.4f};
constexpr float kVowelRate = 0.7f;

constexpr double kStepNumerator = 4000.0;
constexpr int16_t kLargestPresetBase = 1000;

}  // namespace

const std::array<SpeedPreset, 3> kSpeedPresets{{
    {QT_TRANSLATE_NOOP("oralis::SpeedPreset", "ゆっくり"), 5.0},
    {QT_TRANSLATE_NOOP("oralis::SpeedPreset", "ふつう"), 6.5},
    {QT_TRANSLATE_NOOP("oralis::SpeedPreset", "はやい"), 9.0},
}};

StepCursor::StepCursor(LipPattern pattern) : pattern_(std::move(pattern))
{
    syllableOf_.assign(pattern_.plan.targets.size(), 0);
    frameOf_.assign(pattern_.plan.targets.size(), 0);
    for (size_t e = 0; e < pattern_.syllables.size(); ++e) {
        const PatternSyllable& s = pattern_.syllables[e];
        for (size_t k = 0; k < s.steps.size(); ++k) {
            syllableOf_[static_cast<size_t>(s.firstTarget) + k] = static_cast<int>(e);
            frameOf_[static_cast<size_t>(s.firstTarget) + k] = static_cast<int>(k);
        }
    }
}

const LipFrame& StepCursor::shownFrame() const
{
    return position_ == 0 ? pattern_.plan.rest : pattern_.plan.targets[static_cast<size_t>(position_ - 1)].frame;
}

int StepCursor::shownSyllable() const
{
    return position_ == 0 ? 0 : syllableOf_[static_cast<size_t>(position_ - 1)];
}

BasicShape StepCursor::shownShape() const
{
    return moveTo(position_).shape;
}

StepMove StepCursor::moveTo(int shown) const
{
    StepMove m;
    if (shown == 0) {
        m.target = pattern_.plan.rest;
        m.shape = BasicShape::Rest;
        return m;
    }
    const size_t t = static_cast<size_t>(shown - 1);
    m.target = pattern_.plan.targets[t].frame;
    m.steps = pattern_.plan.targets[t].steps;
    m.syllable = syllableOf_[t];
    m.frame = frameOf_[t];
    const PatternSyllable& s = pattern_.syllables[static_cast<size_t>(m.syllable)];
    m.shape = s.shape == BasicShape::SyllabicN || s.shape == BasicShape::Geminate
        ? s.shape
        : ShapeOfFrame(s.sign, m.frame, static_cast<int>(s.steps.size()));
    return m;
}

std::optional<StepMove> StepCursor::next()
{
    if (atEnd())
        return std::nullopt;
    StepMove m = moveTo(position_ + 1);
    if (position_ == 0)
        m.start = pattern_.plan.rest;
    ++position_;
    return m;
}

std::optional<StepMove> StepCursor::back()
{
    if (atStart())
        return std::nullopt;
    const int16_t undone = pattern_.plan.targets[static_cast<size_t>(position_ - 1)].steps;
    --position_;
    StepMove m = moveTo(position_);
    m.steps = undone;
    return m;
}

void PlayMove(const StepMove& move, const LipExports& lip, const std::function<void(int16_t)>& display,
              int16_t& playbackActive)
{
    playbackActive = 1;
    if (move.start) {
        const LipFrame& f = *move.start;
        lip.ControlPass(f.upperCurve(), f.upperAngle(), f.lowerCurve(), f.lowerAngle());
    }
    const LipFrame& t = move.target;
    lip.ControlPassTarget(t.upperCurve(), t.upperAngle(), t.lowerCurve(), t.lowerAngle());
    display(move.steps);
    playbackActive = 0;
}

void PlayToEnd(StepCursor& cursor, const LipExports& lip, const std::function<void(int16_t)>& display,
               int16_t& playbackActive, const std::function<void()>& afterMove)
{
    // Only the first move can find another shape on screen: each later one
    // starts where the one before it ended.
    bool first = true;
    const LipFrame before = cursor.shownFrame();
    while (std::optional<StepMove> m = cursor.next()) {
        if (first)
            StartFromShown(*m, before);
        first = false;
        PlayMove(*m, lip, display, playbackActive);
        if (afterMove)
            afterMove();
    }
}

void StartFromShown(StepMove& move, const LipFrame& shownBefore)
{
    if (!move.start && !RendererShows(shownBefore))
        move.start = shownBefore;
}

QString StepCaption(const StepCursor& cursor)
{
    const int e = cursor.shownSyllable();
    if (e == 0)
        return ShapeName(BasicShape::Rest);
    return SyllableCaption(cursor.pattern().syllables[static_cast<size_t>(e)].kana, cursor.shownShape());
}

QString StepCaptionHtml(const StepCursor& cursor, const QString& word)
{
    const LipPattern& p = cursor.pattern();
    QString reading;
    const int e = cursor.shownSyllable();
    if (e == 0) {
        reading = p.reading.toHtmlEscaped();
    } else {
        const PatternSyllable& s = p.syllables[static_cast<size_t>(e)];
        reading = p.reading.left(s.start).toHtmlEscaped() +
                  QStringLiteral("<span style=\"background-color:#ffd54f\"><b>%1</b></span>")
                      .arg(s.kana.toHtmlEscaped()) +
                  p.reading.mid(s.start + s.kana.size()).toHtmlEscaped();
    }
    const QString head = word.isEmpty() ? reading : word.toHtmlEscaped() + QStringLiteral("&nbsp;&nbsp;") + reading;
    return QStringLiteral("<p>%1</p><p>%2</p>").arg(head, StepCaption(cursor).toHtmlEscaped());
}

std::optional<int> OutlinedShape(const StepCursor& cursor)
{
    BasicShape shape = cursor.shownShape();
    if (shape == BasicShape::Geminate || shape == BasicShape::SyllabicN)
        shape = ShapeOfSign(cursor.pattern().syllables[static_cast<size_t>(cursor.shownSyllable())].sign).target;
    for (size_t i = 0; i < std::size(kTaughtShapes); ++i) {
        if (kTaughtShapes[i] == shape)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

double MoraPeriods(int16_t base)
{
    double total = 0;
    for (float onset : kOnsetRates) {
        total += StepCount(base, onset, false).value_or(0) + 1;
        total += StepCount(base, kVowelRate, false).value_or(0) + 1;
    }
    return total / std::size(kOnsetRates);
}

QString PresetSpeedText(double moraePerSecond, double refreshHz)
{
    const double hz = refreshHz > 0 ? refreshHz : kUnknownRefreshHz;
    int16_t best = 1;
    double bestGap = std::numeric_limits<double>::max();
    for (int16_t b = 1; b <= kLargestPresetBase; ++b) {
        const double gap = std::abs(hz / MoraPeriods(b) - moraePerSecond);
        if (gap < bestGap) {
            best = b;
            bestGap = gap;
        }
    }
    // The shortest text that Text1 turns back into exactly this base.
    for (int decimals = 0;; ++decimals) {
        const QString text = QString::number(kStepNumerator / best, 'f', decimals);
        if (StepBase(text) == best || decimals >= 6)
            return text;
    }
}

}  // namespace oralis
