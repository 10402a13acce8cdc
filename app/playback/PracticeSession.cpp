#include "playback/PracticeSession.h"

#include "model/KanaParser.h"
#include "model/NumericText.h"
#include "model/Refusal.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::PracticeSession)
};

QString Named(const QString& display, const QString& reading)
{
    return QStringLiteral("%1 (%2)").arg(display, reading);
}

QString NoPlayableWord()
{
    return QCoreApplication::translate("oralis::PracticeStarter", "No word of this list can be played");
}

// How many of the lookalikes a verdict names: enough to teach why, few
// enough to read at a glance.
constexpr int kLookalikesShown = 4;

}  // namespace

std::vector<PracticeWord> DrawPracticeWords(const WordList& list, int count, const HistoryStore& history,
                                            int session, const SignTable& table, const PlaybackPlan& start,
                                            QRandomGenerator& random)
{
    std::vector<DrawCandidate> candidates;
    for (int i = 0; i < list.size(); ++i) {
        const std::optional<LipPattern> pattern = PatternOfReading(list.readings[i], table, start);
        if (!pattern)
            continue;
        DrawCandidate c{list.readings[i], list.displays[i], {}};
        for (int s = 1; s <= pattern->spoken(); ++s)
            c.shapes.push_back(pattern->syllables[static_cast<size_t>(s)].shape);
        candidates.push_back(std::move(c));
    }
    std::vector<PracticeWord> words;
    for (int i : DrawSession(candidates, count, history.cards(), session, history.shapeAccuracy(), random))
        words.push_back({candidates[static_cast<size_t>(i)].reading, candidates[static_cast<size_t>(i)].display});
    return words;
}

QString HalfSpeedText(QStringView speedText)
{
    return QString::number(NumericPrefix(speedText) / 2.0, 'g', 7);
}

PracticeSession::PracticeSession(std::vector<PracticeWord> words, QString listName, HistoryStore* history,
                                 const QDateTime& started)
    : words_(std::move(words))
    , list_(std::move(listName))
    , history_(history)
    , started_(started)
    , last_(started)
{
    if (words_.empty())
        phase_ = Phase::Finished;
}

const PracticeWord* PracticeSession::current() const
{
    return phase_ == Phase::Finished ? nullptr : &words_[static_cast<size_t>(turn_)];
}

void PracticeSession::replayed()
{
    if (phase_ == Phase::Watching)
        ++replays_;
}

bool PracticeSession::begin(const SignTable& table, const QString& speedText, QString* whyNot)
{
    if (phase_ != Phase::Watching)
        return false;
    pattern_ = PatternOfReading(current()->reading, table, speedText, whyNot);
    speed_ = speedText;
    shown_ = false;
    return pattern_.has_value();
}

void PracticeSession::shown()
{
    if (phase_ == Phase::Watching && pattern_)
        shown_ = true;
}

const AnswerVerdict* PracticeSession::judge(const QString& answerText, const QString& answerReading,
                                            const SignTable& table, const LookalikeIndex* index,
                                            const QDateTime& at, QString* whyNot)
{
    if (!answerable() || (answerText.trimmed().isEmpty() && answerReading.isEmpty()))
        return nullptr;
    Syllables parsed;
    ParseFailure failure = ParseFailure::None;
    if (!answerReading.isEmpty() && ParseKana(answerReading, parsed, &failure) != -1
        && failure == ParseFailure::TooManySyllables) {
        Refuse(whyNot, QCoreApplication::translate("oralis::PracticeSession",
                                                   "The answer is too long (at most %1 syllables)")
                           .arg(kSyllableSlots - 1));
        return nullptr;
    }
    return settle(JudgeAnswer(*pattern_, current()->display, answerText, answerReading, table, index), answerText,
                  answerReading, at);
}

const AnswerVerdict* PracticeSession::skip(const LookalikeIndex* index, const QDateTime& at)
{
    if (!answerable())
        return nullptr;
    return settle(SkippedAnswer(*pattern_, index), QString(), QString(), at);
}

const AnswerVerdict* PracticeSession::settle(AnswerVerdict verdict, const QString& answerText,
                                             const QString& answerReading, const QDateTime& at)
{
    const PracticeWord& word = *current();
    ++judged_;
    if (ReadRight(verdict.kind))
        ++right_;
    for (const SyllableOutcome& o : verdict.outcomes) {
        auto it = std::find_if(accuracy_.begin(), accuracy_.end(),
                               [&](const ShapeAccuracy& a) { return a.shape == o.shape; });
        if (it == accuracy_.end())
            it = accuracy_.insert(accuracy_.end(), ShapeAccuracy{o.shape, 0, 0});
        ++it->syllables;
        it->right += o.right ? 1 : 0;
    }
    last_ = at;
    // The store takes the attempt over at once, and says itself when it
    // cannot keep it; the session's own score goes on regardless.
    if (history_ && session_ == 0)
        session_ = history_->startSession(list_, started_);
    if (history_ && session_ != 0) {
        history_->record(session_, Attempt{at, list_, word.reading, word.display, answerText, answerReading,
                                           verdict.kind, replays_, speed_, verdict.outcomes});
    }
    verdict_ = std::move(verdict);
    phase_ = Phase::Judged;
    return &*verdict_;
}

void PracticeSession::goOn()
{
    if (phase_ != Phase::Judged)
        return;
    replays_ = 0;
    shown_ = false;
    verdict_.reset();
    pattern_.reset();
    phase_ = ++turn_ < count() ? Phase::Watching : Phase::Finished;
    // Answers kept while another program held the history get another try now.
    if (phase_ == Phase::Finished && history_)
        history_->flush();
}

qint64 PracticeSession::seconds() const
{
    return std::max<qint64>(0, started_.secsTo(last_));
}

std::vector<BasicShape> PracticeSession::mostMissed() const
{
    return MostMissedShapes(accuracy_, 3);
}

PracticeStarter::PracticeStarter(quint32 seed) : random_(seed) {}

void PracticeStarter::openHistory()
{
    if (!historyOpened_) {
        historyOpened_ = true;
        history_.open();
    }
}

QStringList PracticeStarter::learners()
{
    openHistory();
    return history_.learners();
}

bool PracticeStarter::start(const QString& path, const QString& listName, const QString& learnerName,
                            QStringView countText, const SignTable& table, QStringView speedText,
                            const QDateTime& now, QString* whyNot)
{
    openHistory();
    if (!history_.setLearner(learnerName, whyNot))
        return false;
    WordList words;
    QString why;
    listNotice_.clear();
    const bool loaded = !path.isEmpty() && LoadWordList({path}, words, nullptr, &why);
    if (loaded)
        listNotice_ = notices_.once(words, path);
    if (loaded && words.size() == 0 && words.skippedLines > 0)
        return Refuse(whyNot, NoPlayableWord());
    if (!loaded || words.size() == 0) {
        const QString message = QCoreApplication::translate("oralis::PracticeStarter", "Word list not loaded");
        return Refuse(whyNot, why.isEmpty() ? message : message + QLatin1Char('\n') + why);
    }
    bool whole = false;
    const int wanted = countText.trimmed().toInt(&whole);
    if (!whole || wanted < 1 || wanted > words.size()) {
        return Refuse(whyNot, QCoreApplication::translate("oralis::PracticeStarter",
                                                          "Choose a number of words from 1 to %1")
                                  .arg(words.size()));
    }
    const std::optional<PlaybackPlan> start = BeginPlan(table, speedText, whyNot);
    if (!start)
        return false;
    // The session is stored with its first answer; until then the number it
    // will get is the one after the last session stored.
    const std::vector<SessionScore> stored = history_.sessionScores();
    const int number = stored.empty() ? 1 : stored.back().session + 1;
    std::vector<PracticeWord> drawn = DrawPracticeWords(words, wanted, history_, number, table, *start, random_);
    if (drawn.empty())
        return Refuse(whyNot, NoPlayableWord());
    lookalikes_ = LookalikesOfLists({path}, table, *start);
    session_ = std::make_unique<PracticeSession>(std::move(drawn), listName, &history_, now);
    return true;
}

QString VerdictText(const AnswerVerdict& verdict, const PracticeWord& word, const QString& answerText)
{
    const QString named = Named(word.display, word.reading);
    switch (verdict.kind) {
    case Verdict::Correct:
        return Text::tr("Correct: %1").arg(named);
    case Verdict::Lookalike: {
        QStringList alike;
        const QString answer = verdict.answer ? Named(answerText, verdict.answer->reading) : answerText;
        alike << answer;
        for (const LookalikeIndex::Word& w : verdict.lookalikes) {
            const QString other = Named(w.display, w.reading);
            if (!alike.contains(other) && alike.size() <= kLookalikesShown)
                alike << other;
        }
        return Text::tr("Looks the same: %1 and %2 look alike on the lips")
            .arg(named, alike.join(QStringLiteral(", ")));
    }
    case Verdict::Wrong:
        return Text::tr("Wrong: it was %1").arg(named);
    case Verdict::Skipped:
        break;
    }
    return Text::tr("Skipped: it was %1").arg(named);
}

QString DiffText(const AnswerVerdict& verdict)
{
    if (verdict.kind != Verdict::Wrong)
        return QString();
    QStringList lines;
    if (verdict.answer) {
        const QString none = QStringLiteral("—");
        QStringList pairs;
        for (const SyllablePair& p : verdict.alignment) {
            const QString a = p.a < 0 ? none : verdict.word.syllables[static_cast<size_t>(p.a)].kana;
            const QString b = p.b < 0 ? none : verdict.answer->syllables[static_cast<size_t>(p.b)].kana;
            pairs << (p.kind == PairKind::Match ? a : QStringLiteral("[%1→%2]").arg(a, b));
        }
        lines << pairs.join(QStringLiteral("  "));
    }
    lines << MistakeLines(verdict);
    return lines.join(u'\n');
}

QString ScoreText(const PracticeSession& session)
{
    const qint64 s = session.seconds();
    QString text = Text::tr("Score: %1 / %2 · time %3:%4")
                       .arg(session.right())
                       .arg(session.count())
                       .arg(s / 60)
                       .arg(s % 60, 2, 10, QLatin1Char('0'));
    QStringList missed;
    for (BasicShape shape : session.mostMissed())
        missed << ShapeName(shape);
    if (!missed.isEmpty())
        text += Text::tr(" · most often misread: %1").arg(missed.join(QStringLiteral(", ")));
    return text;
}

std::vector<ProgressPoint> ProgressPoints(const std::vector<SessionScore>& scores)
{
    std::vector<ProgressPoint> points;
    for (const SessionScore& s : scores) {
        ProgressPoint p;
        p.number = static_cast<int>(points.size()) + 1;
        p.percent = s.attempts > 0 ? 100.0 * s.right / s.attempts : 0.0;
        p.replaysPerWord = s.attempts > 0 ? double(s.replays) / s.attempts : 0.0;
        p.date = QLocale().toString(s.firstAttempt.isValid() ? s.firstAttempt : s.started, QLocale::ShortFormat);
        p.list = s.list;
        p.label = QCoreApplication::translate("oralis::Progress", "Session %1 · %2 · %3 · %4 of %5 right")
                      .arg(p.number)
                      .arg(p.date, ShippedListTitle(s.list))
                      .arg(s.right)
                      .arg(s.attempts);
        points.push_back(std::move(p));
    }
    return points;
}

QStringList ShapeAccuracyLines(const std::vector<ShapeAccuracy>& accuracy)
{
    QStringList lines;
    for (BasicShape shape : {BasicShape::A, BasicShape::I, BasicShape::U, BasicShape::E, BasicShape::O,
                             BasicShape::Closed, BasicShape::Geminate, BasicShape::SyllabicN}) {
        const auto it = std::find_if(accuracy.begin(), accuracy.end(),
                                     [&](const ShapeAccuracy& a) { return a.shape == shape; });
        if (it == accuracy.end() || it->syllables == 0)
            continue;
        lines << Text::tr("%1: %2% right (%3 of %4)")
                     .arg(ShapeName(shape))
                     .arg(qRound(100.0 * it->right / it->syllables))
                     .arg(it->right)
                     .arg(it->syllables);
    }
    return lines;
}

}  // namespace oralis
