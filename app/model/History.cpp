#include "model/History.h"

#include "model/Refusal.h"
#include "model/history/HistoryWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace oralis {

namespace {

constexpr const char* kVerdictCodes[] = {"correct", "lookalike", "wrong", "skipped"};

using history::Database;
using history::Worker;

}  // namespace

QString VerdictCode(Verdict v)
{
    return QString::fromLatin1(kVerdictCodes[static_cast<int>(v)]);
}

std::optional<Verdict> VerdictFromCode(const QString& code)
{
    for (int i = 0; i < 4; ++i) {
        if (code == QLatin1String(kVerdictCodes[i]))
            return static_cast<Verdict>(i);
    }
    return std::nullopt;
}

QString ConfusionText(const Confusion& c)
{
    return (c.times == 1 ? QCoreApplication::translate("oralis::History", "%1 read as %2: %3 time")
                         : QCoreApplication::translate("oralis::History", "%1 read as %2: %3 times"))
        .arg(ShapeName(c.shape), ShapeName(c.readAs))
        .arg(c.times);
}

HistoryStore::HistoryStore(std::chrono::milliseconds patience)
    : patience_(patience)
{
}

HistoryStore::~HistoryStore() = default;

bool HistoryStore::open(const QString& folder)
{
    const QString dir = folder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/oralis")
        : folder;
    worker_.reset();
    started_.clear();
    lastSession_.clear();
    worker_ = std::make_unique<Worker>(dir, QDir(dir).filePath(kHistoryFileName));
    worker_->setNoticeHandler(noticeContext_, noticeHandler_);
    worker_->waitOpened(Worker::Clock::now() + patience_);
    return isOn();
}

bool HistoryStore::isOn() const
{
    return worker_ && worker_->state().phase != Worker::Phase::Off;
}

QString HistoryStore::path() const
{
    return worker_ ? worker_->path() : QString();
}

QString HistoryStore::reason() const
{
    return worker_ ? worker_->state().reason : QString();
}

HistoryNotice HistoryStore::takeNotice()
{
    return worker_ ? worker_->takeNotice() : HistoryNotice{};
}

void HistoryStore::setNoticeHandler(QObject* context, std::function<void()> handler)
{
    noticeContext_ = context;
    noticeHandler_ = std::move(handler);
    if (worker_)
        worker_->setNoticeHandler(noticeContext_, noticeHandler_);
}

int HistoryStore::waiting() const
{
    return worker_ ? worker_->waiting() : 0;
}

bool HistoryStore::flush(std::chrono::milliseconds wait)
{
    if (!worker_)
        return true;
    worker_->flushNow();
    return worker_->waitStored(Worker::Clock::now() + wait);
}

QStringList HistoryStore::learners() const
{
    QStringList names;
    if (worker_) {
        for (const history::LearnerStanding& l : worker_->state().learners)
            names << l.name;
    }
    const QString current = learner();
    if (!names.contains(current))
        names.prepend(current);
    return names;
}

QString HistoryStore::learner() const
{
    if (!chosen_.isEmpty())
        return chosen_;
    if (worker_) {
        const Worker::State state = worker_->state();
        if (!state.learners.empty())
            return state.learners.front().name;
    }
    return history::LoginName();
}

bool HistoryStore::setLearner(const QString& name, QString* whyNot)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Refuse(whyNot, QCoreApplication::translate("oralis::History", "A learner needs a name."));
    if (trimmed.size() > kMaxLearnerName) {
        return Refuse(whyNot, QCoreApplication::translate("oralis::History",
                                                          "A learner's name has at most %1 characters.")
                                  .arg(kMaxLearnerName));
    }
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return Refuse(whyNot, QCoreApplication::translate("oralis::History", "A learner's name is one line."));
    chosen_ = trimmed;
    return true;
}

int HistoryStore::startSession(const QString& list, const QDateTime& at)
{
    if (!worker_)
        return 0;
    // Whose turn it is, and the number of their last session, come with the opening.
    worker_->waitOpened(Worker::Clock::now() + patience_);
    Worker::State state = worker_->state();
    if (state.phase == Worker::Phase::Off) {
        worker_->reopen();
        worker_->waitOpened(Worker::Clock::now() + patience_);
        state = worker_->state();
        if (state.phase == Worker::Phase::Off)
            return 0;
    }
    // The number is the store's best knowledge now; the session's row takes
    // the one the database gives when it is written (another program may
    // have started one of the same learner meanwhile), and this number stays
    // the key to it.
    const QString who = learner();
    int& last = lastSession_[who];
    const int number = std::max(state.nextSession(who), last + 1);
    last = number;
    started_.insert(number);
    worker_->startSession(number, who, list, at);
    return number;
}

bool HistoryStore::record(int session, const Attempt& attempt)
{
    if (!isOn() || !started_.count(session))
        return false;
    worker_->record(session, attempt);
    return true;
}

template <class T, class Read>
T HistoryStore::ask(Read read) const
{
    if (!isOn())
        return T{};
    std::future<T> answer = worker_->read<T>(read);
    if (answer.wait_for(patience_) != std::future_status::ready) {
        if (std::exchange(toldSlow_, true))
            return T{};
        worker_->tell({HistoryNotice::Kind::ReadFailed,
                       QCoreApplication::translate("oralis::History",
                                                   "The history did not answer in time; what is shown may be "
                                                   "incomplete."),
                       QDir::toNativeSeparators(worker_->path())});
        return T{};
    }
    toldSlow_ = false;
    return answer.get();
}

ReviewCards HistoryStore::cards() const
{
    return ask<ReviewCards>(
        [who = learner()](Database& db, HistoryNotice* failure) { return db.cards(who, failure); });
}

std::vector<SessionScore> HistoryStore::sessionScores() const
{
    return ask<std::vector<SessionScore>>(
        [who = learner()](Database& db, HistoryNotice* failure) { return db.sessionScores(who, failure); });
}

std::vector<ShapeAccuracy> HistoryStore::shapeAccuracy(int session) const
{
    return ask<std::vector<ShapeAccuracy>>([who = learner(), session](Database& db, HistoryNotice* failure) {
        return db.shapeAccuracy(who, session, failure);
    });
}

std::vector<Confusion> HistoryStore::confusions(int limit, int session) const
{
    return ask<std::vector<Confusion>>([who = learner(), limit, session](Database& db, HistoryNotice* failure) {
        return db.confusions(who, limit, session, failure);
    });
}

bool HistoryStore::exportAttempts(const QString& path)
{
    if (!isOn())
        return false;
    worker_->exportAttempts(learner(), path);
    return true;
}

}  // namespace oralis
