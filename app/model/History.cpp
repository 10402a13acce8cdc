#include "model/History.h"

#include "model/history/HistoryWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
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
    lastSession_ = 0;
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

int HistoryStore::startSession(const QString& list, const QDateTime& at)
{
    if (!worker_)
        return 0;
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
    // have started one meanwhile), and this number stays the key to it.
    const int number = std::max(state.nextSession, lastSession_ + 1);
    lastSession_ = number;
    started_.insert(number);
    worker_->startSession(number, list, at);
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
    return ask<ReviewCards>([](Database& db, HistoryNotice* failure) { return db.cards(failure); });
}

std::vector<SessionScore> HistoryStore::sessionScores() const
{
    return ask<std::vector<SessionScore>>(
        [](Database& db, HistoryNotice* failure) { return db.sessionScores(failure); });
}

std::vector<ShapeAccuracy> HistoryStore::shapeAccuracy(int session) const
{
    return ask<std::vector<ShapeAccuracy>>(
        [session](Database& db, HistoryNotice* failure) { return db.shapeAccuracy(session, failure); });
}

std::vector<Confusion> HistoryStore::confusions(int limit, int session) const
{
    return ask<std::vector<Confusion>>(
        [limit, session](Database& db, HistoryNotice* failure) { return db.confusions(limit, session, failure); });
}

}  // namespace oralis
