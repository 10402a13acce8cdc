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

QString Tr(const char* text)
{
    return QCoreApplication::translate("oralis::History", text);
}

}  // namespace

Worker::Worker(QString folder, QString path)
    : folder_(std::move(folder))
    , path_(std::move(path))
{
    thread_ = std::thread([this] { run(); });
}

Worker::~Worker()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

int Worker::State::nextSession(const QString& learner) const
{
    for (const LearnerStanding& l : learners) {
        if (l.name == learner)
            return l.lastSession + 1;
    }
    return 1;
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
        if (job.kind == Job::Kind::StartSession || job.kind == Job::Kind::Record)
            ++handedOver_;
        if (job.kind == Job::Kind::Open) {
            opening_ = true;
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

void Worker::startSession(int key, const QString& learner, const QString& list, const QDateTime& at)
{
    Job job{Job::Kind::StartSession, key};
    job.learner = learner;
    job.list = list;
    job.at = at;
    post(std::move(job));
}

void Worker::record(int key, const Attempt& attempt)
{
    Job job{Job::Kind::Record, key};
    job.attempt = attempt;
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
    job.list = path;
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
    return changed_.wait_until(lock, deadline, [this] { return handedOver_ == 0; });
}

int Worker::waiting() const
{
    std::lock_guard lock(mutex_);
    return handedOver_;
}

void Worker::tell(const HistoryNotice& notice)
{
    QObject* context = nullptr;
    std::function<void()> handler;
    {
        std::lock_guard lock(mutex_);
        notices_.push_back(notice);
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
    // The connection is made, used and dropped on this thread only.
    db_ = std::make_unique<Database>();
    tryOpen();
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
            drain();  // the pause after a lock is over
            continue;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        handle(job);
    }
    lastTries();
    db_.reset();
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
    case Job::Kind::StartSession:
    case Job::Kind::Record:
        // A new answer, or the end of a session, tries a locked database
        // again at once.
        writes_.push_back(std::move(job));
        retryAt_.reset();
        drain();
        return;
    case Job::Kind::Flush:
        retryAt_.reset();
        retryPause_ = std::chrono::milliseconds{10};
        drain();
        return;
    case Job::Kind::Export:
        writeExport(job.learner, job.list);
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
    if (QDir().mkpath(folder_)) {
        outcome = db_->open(path_, &why);
    } else {
        why = {HistoryNotice::Kind::Off, Tr("History is off: its folder could not be made."),
               QDir::toNativeSeparators(folder_)};
    }
    bool opened = false;
    if (outcome == Outcome::Done) {
        opened = true;
        toldOff_.clear();
        HistoryNotice ignored;
        std::vector<LearnerStanding> learners = db_->learners(&ignored);
        std::lock_guard lock(mutex_);
        state_.phase = Phase::On;
        state_.reason.clear();
        state_.learners = std::move(learners);
    } else if (outcome == Outcome::Busy) {
        waitOnLock(why);
    } else {
        turnOff(why);
    }
    {
        std::lock_guard lock(mutex_);
        opening_ = false;
    }
    changed_.notify_all();
    return opened;
}

void Worker::drain()
{
    if (!db_->isOpen()) {
        if (!openWanted_) {
            dropWaiting();
            return;
        }
        if (retryAt_ || !tryOpen())
            return;
    }
    while (!writes_.empty()) {
        HistoryNotice why;
        const Outcome outcome = write(writes_.front(), &why);
        if (outcome == Outcome::Busy) {
            waitOnLock(why);
            return;
        }
        if (outcome == Outcome::Failed) {
            turnOff(why);
            return;
        }
        writes_.pop_front();
        // Told before the last one counts as stored, so whoever waits for
        // the writes finds the notice too.
        if (writes_.empty() && toldWaiting_) {
            toldWaiting_ = false;
            tell({HistoryNotice::Kind::Stored, Tr("The answers that were waiting are stored now."), QString()});
        }
        {
            std::lock_guard lock(mutex_);
            --handedOver_;
        }
        changed_.notify_all();
    }
    lockedSince_.reset();
    retryAt_.reset();
    retryPause_ = std::chrono::milliseconds{10};
}

Outcome Worker::write(const Job& job, HistoryNotice* why)
{
    if (job.kind == Job::Kind::StartSession) {
        Database::Session session;
        const Outcome outcome = db_->startSession(job.learner, job.list, job.at, &session, why);
        if (outcome == Outcome::Done) {
            sessions_[job.key] = session;
            std::lock_guard lock(mutex_);
            std::vector<LearnerStanding>& learners = state_.learners;
            const auto known = std::find_if(learners.begin(), learners.end(),
                                            [&](const LearnerStanding& l) { return l.name == job.learner; });
            if (known != learners.end())
                learners.erase(known);
            learners.insert(learners.begin(), {job.learner, session.number});
        }
        return outcome;
    }
    const auto session = sessions_.find(job.key);
    // The session's own row was never stored (history was off then): there
    // is nothing to hang the attempt on.
    if (session == sessions_.end())
        return Outcome::Done;
    return db_->record(session->second, job.attempt, why);
}

void Worker::waitOnLock(const HistoryNotice& why)
{
    const Clock::time_point now = Clock::now();
    if (!lockedSince_)
        lockedSince_ = now;
    if (!toldWaiting_ && !writes_.empty() && now - *lockedSince_ >= kTellWaitingAfter) {
        toldWaiting_ = true;
        tell({HistoryNotice::Kind::Waiting,
              Tr("Answers are waiting to be stored: another program is using the history. They are stored as "
                 "soon as it is free."),
              why.details});
    }
    retryAt_ = now + retryPause_;
    retryPause_ = std::min(retryPause_ * 2, kLongestRetryPause);
}

void Worker::writeExport(const QString& learner, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    HistoryNotice failure;
    const std::vector<AttemptRow> rows = db_->isOpen() ? db_->attempts(learner, &failure) : std::vector<AttemptRow>{};
    if (!db_->isOpen() || !failure.isEmpty()) {
        tell({HistoryNotice::Kind::ExportFailed, Tr("The answers could not be saved: the history could not be read."),
              failure.details});
        return;
    }
    QString why;
    if (!WriteFileAtomically(path, AttemptsCsv(rows), &why)) {
        tell({HistoryNotice::Kind::ExportFailed, Tr("The answers could not be saved in %1.").arg(file), why});
        return;
    }
    tell({HistoryNotice::Kind::Exported,
          Tr("The answers of %1 are saved in %2 (%3 in all).").arg(learner, file).arg(rows.size()), QString()});
}

void Worker::turnOff(const HistoryNotice& why)
{
    db_->close();
    openWanted_ = false;
    dropWaiting();
    sessions_.clear();
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
    {
        std::lock_guard lock(mutex_);
        handedOver_ -= static_cast<int>(writes_.size());
    }
    writes_.clear();
    changed_.notify_all();
}

void Worker::lastTries()
{
    const Clock::time_point deadline = Clock::now() + kLastTries;
    while (!writes_.empty() && openWanted_ && Clock::now() < deadline) {
        if (retryAt_)
            std::this_thread::sleep_until(std::min(*retryAt_, deadline));
        retryAt_.reset();
        drain();
    }
    if (!writes_.empty()) {
        qWarning("Oralis: %d answers could not be stored in %s: the history stayed locked",
                 static_cast<int>(writes_.size()), qUtf8Printable(QDir::toNativeSeparators(path_)));
    }
}

}  // namespace oralis::history
