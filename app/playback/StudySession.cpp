#include "playback/StudySession.h"

#include "model/WordList.h"
#include "playback/Verdict.h"

#include <QCoreApplication>
#include <utility>

namespace oralis {

namespace {

QString NameOf(StudySession::Word w)
{
    return w == StudySession::Word::A ? QStringLiteral("A") : QStringLiteral("B");
}

}  // namespace

StudySession::StudySession(const SignTable& table, StudyPlayer player) : table_(table), player_(std::move(player))
{
}

bool StudySession::setWord(Word w, const QString& text, const QString& reading, const QString& refusal)
{
    Box& box = words_[w == Word::A ? 0 : 1];
    const bool changed = box.text != text || box.reading != reading;
    box = {text, reading, refusal};
    cursor_.reset();
    return changed;
}

bool StudySession::setReading(Word w, const QString& reading)
{
    Box& box = words_[w == Word::A ? 0 : 1];
    const bool changed = box.reading != reading;
    box.reading = reading;
    cursor_.reset();
    return changed;
}

std::optional<LipPattern> StudySession::pattern(Word w, QStringView speedText, QString* whyNot) const
{
    const Box& box = word(w);
    QString refusal = StartRefusal(box.text, box.reading, box.refusal);
    if (refusal.isEmpty() && box.reading.isEmpty())
        refusal = QCoreApplication::translate("oralis::StudySession", "Type word %1 first").arg(NameOf(w));
    if (!refusal.isEmpty()) {
        if (whyNot)
            *whyNot = refusal;
        return std::nullopt;
    }
    return PatternOfReading(box.reading, table_, speedText, whyNot);
}

std::optional<std::pair<LipPattern, LipPattern>> StudySession::patterns(QStringView speedText, QString* whyNot) const
{
    std::optional<LipPattern> a = pattern(Word::A, speedText, whyNot);
    if (!a)
        return std::nullopt;
    std::optional<LipPattern> b = pattern(Word::B, speedText, whyNot);
    if (!b)
        return std::nullopt;
    return std::pair{std::move(*a), std::move(*b)};
}

bool StudySession::ensureCursor(QStringView speedText, QString* whyNot)
{
    if (cursor_ && !cursor_->atStart())
        return true;
    std::optional<LipPattern> p = pattern(Word::A, speedText, whyNot);
    if (!p)
        return false;
    cursor_.emplace(std::move(*p));
    return true;
}

StudyShown StudySession::shownOf(const StepCursor& cursor, Word w) const
{
    return {StepCaptionHtml(cursor, NameOf(w)), OutlinedShape(cursor),
            QStringLiteral("%1 / %2").arg(cursor.position()).arg(cursor.count())};
}

std::optional<StudyShown> StudySession::step(bool forward, QStringView speedText, QString* whyNot)
{
    if (busy_ || !ensureCursor(speedText, whyNot))
        return std::nullopt;
    const LipFrame before = cursor_->shownFrame();
    std::optional<StepMove> move = forward ? cursor_->next() : cursor_->back();
    if (!move)
        return std::nullopt;
    StartFromShown(*move, before);
    PlayMove(*move, player_.lip, player_.display, player_.playbackActive);
    return shownOf(*cursor_, Word::A);
}

void StudySession::playToEnd(StepCursor& cursor, Word w, const ShowStep& shown)
{
    PlayToEnd(cursor, player_.lip, player_.display, player_.playbackActive, [&] {
        if (shown)
            shown(shownOf(cursor, w));
    });
}

bool StudySession::playAll(QStringView speedText, const ShowStep& shown, const std::function<Repeat()>& between,
                           QString* whyNot)
{
    if (busy_ || !ensureCursor(speedText, whyNot))
        return false;
    busy_ = true;
    while (true) {
        playToEnd(*cursor_, Word::A, shown);
        const Repeat next = between ? between() : Repeat::Stop;
        if (next == Repeat::Closed)
            return true;  // nothing of this session may be touched any more
        if (next == Repeat::Stop || !cursor_)
            break;
        cursor_->restart();
    }
    busy_ = false;
    return true;
}

std::optional<StudyComparison> StudySession::compare(QStringView speedText, const ShowStep& shown, QString* whyNot)
{
    if (busy_)
        return std::nullopt;
    const std::optional<std::pair<LipPattern, LipPattern>> ab = patterns(speedText, whyNot);
    if (!ab)
        return std::nullopt;
    const auto& [a, b] = *ab;
    busy_ = true;
    StepCursor playA(a);
    playToEnd(playA, Word::A, shown);
    StepCursor playB(b);
    playToEnd(playB, Word::B, shown);
    cursor_.reset();
    busy_ = false;
    return StudyComparison{CompareText(a, b), ComparisonStrip(a, b)};
}

std::optional<std::vector<StripColumn>> StudySession::wordStrip(QStringView speedText, QString* whyNot) const
{
    const std::optional<LipPattern> a = pattern(Word::A, speedText, whyNot);
    if (!a)
        return std::nullopt;
    std::vector<StripColumn> columns;
    for (const StripCell& cell : WordStrip(*a))
        columns.push_back({cell, std::nullopt, false});
    return columns;
}

std::optional<std::vector<StripColumn>> StudySession::comparisonStrip(QStringView speedText, QString* whyNot) const
{
    const std::optional<std::pair<LipPattern, LipPattern>> ab = patterns(speedText, whyNot);
    if (!ab)
        return std::nullopt;
    return ComparisonStrip(ab->first, ab->second);
}

std::optional<QString> StudySession::lookalikes(QStringView speedText, const QString& programFolder,
                                                QString* whyNot) const
{
    const std::optional<LipPattern> a = pattern(Word::A, speedText, whyNot);
    if (!a)
        return std::nullopt;
    // Made for each question: the table or the speed may have changed since.
    const LookalikeIndex index = LookalikesOfLists(ShippedWordLists(programFolder), table_, a->plan);
    return LookalikeText(a->reading, index.lookingLike(*a));
}

}  // namespace oralis
