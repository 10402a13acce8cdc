#include "model/history/HistoryWorker.h"

#include "model/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <QObject>
#include <QtGlobal>
#include <algorithm>
#include <thread>

namespace oralis::history {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::History)
};

}  // namespace

Worker::Worker(HistoryPlace place)
    : place_(std::move(place))
    , key_(place_.key())
{
    if (!place_.problem.isEmpty()) {
        tell({HistoryNotice::Kind::KeptLocally,
              Text::tr("The history's setting cannot be used: %1. History is kept in this computer's file meanwhile.")
                  .arg(place_.problem),
              QDir::toNativeSeparators(place_.folder)});
    }
    thread_ = std::thread([this] { run(); });
}

Worker::~Worker()
{
    stop();
    thread_.join();
}

void Worker::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        // Whoever the notices were for may be gone before the thread is.
        noticeContext_ = nullptr;
        noticeHandler_ = nullptr;
    }
    changed_.notify_all();
}

bool Worker::waitEnded(Clock::time_point deadline) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, [this] { return ended_; });
}

int Worker::State::nextSession(const QString& learner) const
{
    for (const LearnerStanding& l : learners) {
        if (l.name == learner)
            return l.lastSession + 1;
    }
    return 1;
}

QString Worker::name() const
{
    return place_.onServer() ? place_.setting : QDir(place_.folder).filePath(kHistoryFileName);
}

Worker::State Worker::state() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

void Worker::post(Job job)
{
    {
        std::lock_guard lock(mutex_);
        if (job.kind == Job::Kind::Write)
            ++handedOver_;
        if (job.kind == Job::Kind::Open) {
            opening_ = true;
            // Answers of a server that was away stay local until it answers:
            // the reads meanwhile need not wait for the connection.
            if (state_.phase != Phase::Local)
                state_.phase = Phase::Opening;
        }
        jobs_.push_back(std::move(job));
    }
    changed_.notify_all();
}

void Worker::reopen()
{
    post(Job(Job::Kind::Open));
}

void Worker::write(Write write)
{
    Job job(Job::Kind::Write);
    job.write = std::move(write);
    post(std::move(job));
}

void Worker::flushNow()
{
    post(Job(Job::Kind::Flush));
}

void Worker::exportAttempts(const QString& learner, const QString& path)
{
    Job job(Job::Kind::Export);
    job.learner = learner;
    job.path = path;
    post(std::move(job));
}

void Worker::read(std::function<void(Database*, HistoryNotice*)> read)
{
    Job job(Job::Kind::Read);
    job.read = std::move(read);
    post(std::move(job));
}

bool Worker::waitOpened(Clock::time_point deadline) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, [this] { return !opening_; });
}

bool Worker::waitStored(Clock::time_point deadline) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_until(lock, deadline, [this] { return handedOver_ + queued_ == 0; });
}

int Worker::waiting() const
{
    std::lock_guard lock(mutex_);
    return handedOver_ + queued_;
}

void Worker::tell(const HistoryNotice& notice)
{
    {
        std::lock_guard lock(mutex_);
        notices_.push_back(notice);
    }
    callNoticeHandler();
}

void Worker::callNoticeHandler()
{
    QObject* context = nullptr;
    std::function<void()> handler;
    {
        std::lock_guard lock(mutex_);
        context = noticeContext_;
        handler = noticeHandler_;
    }
    if (context && handler)
        QMetaObject::invokeMethod(context, handler, Qt::QueuedConnection);
}

HistoryNotice Worker::takeNotice()
{
    std::lock_guard lock(mutex_);
    if (notices_.empty())
        return {};
    HistoryNotice next = std::move(notices_.front());
    notices_.pop_front();
    return next;
}

void Worker::setNoticeHandler(QObject* context, std::function<void()> handler)
{
    std::lock_guard lock(mutex_);
    noticeContext_ = handler ? context : nullptr;
    noticeHandler_ = std::move(handler);
}

void Worker::run()
{
    // The connections are made, used and dropped on this thread only.
    db_ = std::make_unique<Database>(place_);
    queue_ = std::make_unique<Queue>(place_.folder);
    // What an earlier run could not store is sent first.
    QString ignored;
    if (queue_->open(false, &ignored))
        changeCounts(0);
    tryOpen();
    drain();
    for (;;) {
        std::unique_lock lock(mutex_);
        const auto ready = [this] { return !jobs_.empty() || stopping_; };
        if (retryAt_)
            changed_.wait_until(lock, *retryAt_, ready);
        else
            changed_.wait(lock, ready);
        if (jobs_.empty()) {
            if (stopping_)
                break;
            lock.unlock();
            retryAt_.reset();
            drain();  // the pause after a lock, or before the next try of a server, is over
            continue;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        handle(job);
    }
    lastTries();
    queue_.reset();
    db_.reset();
    {
        std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
}

void Worker::handle(Job& job)
{
    switch (job.kind) {
    case Job::Kind::Open:
        openWanted_ = true;
        retryAt_.reset();
        tryOpen();
        drain();
        return;
    case Job::Kind::Write:
        // A new answer tries a locked database again at once; a server that
        // is away keeps its pause, each try costing up to the connect timeout.
        writes_.push_back(std::move(job.write));
        if (!away_)
            retryAt_.reset();
        drain();
        return;
    case Job::Kind::Flush:
        retryAt_.reset();
        retryPause_ = std::chrono::milliseconds{10};
        drain();
        return;
    case Job::Kind::Export:
        writeExport(job.learner, job.path);
        return;
    case Job::Kind::Read: {
        HistoryNotice failure;
        job.read(db_->isOpen() ? db_.get() : nullptr, &failure);
        if (failure.isEmpty()) {
            toldReadFailure_ = false;
        } else if (!toldReadFailure_) {
            toldReadFailure_ = true;
            tell(failure);
        }
        return;
    }
    }
}

bool Worker::tryOpen()
{
    HistoryNotice why;
    Outcome outcome = Outcome::Failed;
    if (place_.onServer() || QDir().mkpath(place_.folder)) {
        outcome = db_->open(&why);
    } else {
        why = {HistoryNotice::Kind::Off, Text::tr("History is off: its folder could not be made."),
               QDir::toNativeSeparators(place_.folder)};
    }
    switch (outcome) {
    case Outcome::Done: {
        toldOff_.clear();
        // Back with nothing that waited: a later failure is news again.
        if (writes_.empty() && queued_ == 0)
            toldLocal_ = toldWaiting_ = false;
        HistoryNotice ignored;
        std::vector<LearnerStanding> learners = db_->learners(&ignored);
        std::lock_guard lock(mutex_);
        state_.phase = Phase::On;
        state_.reason.clear();
        state_.learners = std::move(learners);
        break;
    }
    case Outcome::Busy:
        waitOnLock(why);
        break;
    case Outcome::Away:
    case Outcome::Refused:
        awayOrRefused(outcome, why);
        break;
    case Outcome::Failed:
        turnOff(why);
        break;
    }
    {
        std::lock_guard lock(mutex_);
        opening_ = false;
    }
    changed_.notify_all();
    return outcome == Outcome::Done;
}

void Worker::drain()
{
    if (!db_->isOpen() && openWanted_ && !retryAt_)
        tryOpen();
    if (!db_->isOpen()) {
        if (state().phase == Phase::Off)
            dropWaiting();
        else
            keepLocally();
        return;
    }
    if (!sendQueued()) {
        keepLocally();
        return;
    }
    while (!writes_.empty()) {
        HistoryNotice why;
        const Outcome outcome = send(writes_.front(), &why);
        if (outcome == Outcome::Done) {
            writes_.pop_front();
            changeCounts(1);
            continue;
        }
        if (outcome == Outcome::Failed) {
            turnOff(why);
            return;
        }
        if (outcome == Outcome::Busy)
            waitOnLock(why);
        else
            awayOrRefused(outcome, why);
        keepLocally();
        return;
    }
    settled();
}

bool Worker::sendQueued()
{
    while (queue_->isOpen() && queued_ > 0) {
        // A long backlog is left for the next program once this one is asked to end.
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                return false;
        }
        const std::optional<Write> next = queue_->oldest(key_);
        if (!next) {
            // Sent meanwhile by another program of the user, or unreadable:
            // either way nothing here stands before the writes in memory.
            changeCounts(0);
            return true;
        }
        HistoryNotice why;
        const Outcome outcome = send(*next, &why);
        if (outcome == Outcome::Done) {
            queue_->remove(next->id);
            changeCounts(0);
            continue;
        }
        if (outcome == Outcome::Busy)
            waitOnLock(why);
        else if (outcome == Outcome::Failed)
            turnOff(why);
        else
            awayOrRefused(outcome, why);
        return false;
    }
    return true;
}

Outcome Worker::send(const Write& write, HistoryNotice* why)
{
    Database::Session session;
    const Outcome outcome = db_->write(write, &session, why);
    if (outcome == Outcome::Done && write.kind == Write::Kind::Session) {
        std::lock_guard lock(mutex_);
        std::vector<LearnerStanding>& learners = state_.learners;
        const auto known = std::find_if(learners.begin(), learners.end(),
                                        [&](const LearnerStanding& l) { return l.name == write.learner; });
        if (known != learners.end())
            learners.erase(known);
        learners.insert(learners.begin(), {write.learner, session.number});
    }
    return outcome;
}

void Worker::keepLocally()
{
    if (writes_.empty())
        return;
    QString why;
    if (!queue_->open(true, &why) || !queue_->append(key_, writes_, &why)) {
        // They stay in memory and are tried again with the history.
        qWarning("Oralis: answers cannot be kept in %s: %s", qUtf8Printable(QDir::toNativeSeparators(queue_->path())),
                 qUtf8Printable(why));
        return;
    }
    const int kept = static_cast<int>(writes_.size());
    writes_.clear();
    changeCounts(kept);
}

void Worker::changeCounts(int fromMemory)
{
    const int queued = queue_->isOpen() ? queue_->count(key_) : 0;
    bool told = false;
    {
        std::lock_guard lock(mutex_);
        handedOver_ -= fromMemory;
        queued_ = queued;
        if (handedOver_ + queued_ == 0 && (toldWaiting_ || toldLocal_)) {
            notices_.push_back(
                {HistoryNotice::Kind::Stored,
                 toldLocal_ ? Text::tr("The answers kept on this computer are stored in the history now.")
                            : Text::tr("The answers that were waiting are stored now."),
                 QString()});
            toldWaiting_ = toldLocal_ = false;
            told = true;
        }
    }
    changed_.notify_all();
    if (told)
        callNoticeHandler();
}

void Worker::waitOnLock(const HistoryNotice& why)
{
    const Clock::time_point now = Clock::now();
    if (!lockedSince_)
        lockedSince_ = now;
    if (!toldWaiting_ && (!writes_.empty() || queued_ > 0) && now - *lockedSince_ >= kTellWaitingAfter) {
        toldWaiting_ = true;
        tell({HistoryNotice::Kind::Waiting,
              Text::tr("Answers are waiting to be stored: another program is using the history. They are stored as "
                 "soon as it is free."),
              why.details});
    }
    retryAt_ = now + retryPause_;
    retryPause_ = std::min(retryPause_ * 2, kLongestRetryPause);
}

void Worker::awayOrRefused(Outcome outcome, const HistoryNotice& why)
{
    db_->close();
    away_ = outcome == Outcome::Away;
    if (away_) {
        retryAt_ = Clock::now() + serverPause_;
        serverPause_ = std::min(serverPause_ * 2, kLongestServerPause);
    } else {
        // Refused: tried again with the next session.
        openWanted_ = false;
        retryAt_.reset();
    }
    {
        std::lock_guard lock(mutex_);
        state_.phase = Phase::Local;
        state_.reason = why.message;
    }
    if (!toldLocal_) {
        toldLocal_ = true;
        tell(why);
    }
}

void Worker::settled()
{
    lockedSince_.reset();
    retryAt_.reset();
    retryPause_ = std::chrono::milliseconds{10};
    serverPause_ = kFirstServerPause;
    away_ = false;
}

void Worker::writeExport(const QString& learner, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    HistoryNotice failure;
    const std::vector<AttemptRow> rows = db_->isOpen() ? db_->attempts(learner, &failure) : std::vector<AttemptRow>{};
    if (!db_->isOpen() || !failure.isEmpty()) {
        tell({HistoryNotice::Kind::ExportFailed, Text::tr("The answers could not be saved: the history could not be read."),
              failure.details});
        return;
    }
    QString why;
    if (!WriteFileAtomically(path, AttemptsCsv(rows, learner.isEmpty()), &why)) {
        tell({HistoryNotice::Kind::ExportFailed, Text::tr("The answers could not be saved in %1.").arg(file), why});
        return;
    }
    tell({HistoryNotice::Kind::Exported,
          learner.isEmpty()
              ? Text::tr("The answers of the class are saved in %1 (%2 in all).").arg(file).arg(rows.size())
              : Text::tr("The answers of %1 are saved in %2 (%3 in all).").arg(learner, file).arg(rows.size()),
          QString()});
}

void Worker::turnOff(const HistoryNotice& why)
{
    db_->close();
    openWanted_ = false;
    dropWaiting();
    lockedSince_.reset();
    retryAt_.reset();
    toldWaiting_ = false;
    {
        std::lock_guard lock(mutex_);
        state_.phase = Phase::Off;
        state_.reason = why.message;
    }
    // A new session tries again; the same failure again is not news.
    if (why.message != toldOff_) {
        toldOff_ = why.message;
        tell(why);
    }
}

void Worker::dropWaiting()
{
    if (writes_.empty())
        return;
    const int dropped = static_cast<int>(writes_.size());
    writes_.clear();
    changeCounts(dropped);
}

void Worker::lastTries()
{
    keepLocally();
    const Clock::time_point deadline = Clock::now() + kLastTries;
    while (!writes_.empty() && openWanted_ && Clock::now() < deadline) {
        if (retryAt_)
            std::this_thread::sleep_until(std::min(*retryAt_, deadline));
        retryAt_.reset();
        drain();
    }
    if (!writes_.empty()) {
        qWarning("Oralis: %d answers could not be stored in %s", static_cast<int>(writes_.size()),
                 qUtf8Printable(name()));
    }
}

}  // namespace oralis::history
