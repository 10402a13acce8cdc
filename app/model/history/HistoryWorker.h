// The history store's own thread: it owns the one database connection, keeps
// the writes handed to it in order until they are stored, and tells the
// store's owner what happened through notices. The owner's thread never
// waits on the database; it waits on this thread at most as long as it asks to.
#pragma once

#include "model/History.h"
#include "model/history/HistoryDatabase.h"

#include <QDateTime>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QObject;

namespace oralis::history {

// An attempt that has waited this long for another program's lock is worth
// telling the learner about; a shorter wait is ordinary sharing.
constexpr std::chrono::milliseconds kTellWaitingAfter{1000};
// The longest pause between two tries of a locked database.
constexpr std::chrono::milliseconds kLongestRetryPause{250};
// At the end, how long the waiting answers still get.
constexpr std::chrono::milliseconds kLastTries{3000};

class Worker {
public:
    using Clock = std::chrono::steady_clock;
    enum class Phase { Opening, On, Off };

    struct State {
        Phase phase = Phase::Opening;
        QString reason;
        // As the database had them when it was opened, with the sessions
        // stored since.
        std::vector<LearnerStanding> learners;

        // The number the learner's next session is likely to get.
        int nextSession(const QString& learner) const;
    };

    // Starts the thread, which makes `folder` and opens `path` in it.
    Worker(QString folder, QString path);
    // Lets the thread finish what it was handed (the waiting answers for at
    // most kLastTries more), then ends it.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    const QString& path() const { return path_; }
    State state() const;

    // Everything below is called from the owner's thread.
    // Opens again a database that turned off.
    void reopen();
    void startSession(int key, const QString& learner, const QString& list, const QDateTime& at);
    void record(int key, const Attempt& attempt);
    // Tries the waiting writes now.
    void flushNow();
    // Writes `learner`'s attempts to `path` as CSV, telling how it went.
    void exportAttempts(const QString& learner, const QString& path);
    // Waits until the open asked for last has come to an outcome (done,
    // waiting for a lock, or off), at most until `deadline`; true if it has.
    bool waitOpened(Clock::time_point deadline) const;
    // Waits until no write handed over is left, at most until `deadline`.
    bool waitStored(Clock::time_point deadline) const;
    int waiting() const;

    // Runs `read` on the thread (with no database while it is not open: the
    // read then answers empty). A failing read tells once, until one succeeds.
    template <class T>
    std::future<T> read(std::function<T(Database&, HistoryNotice*)> read)
    {
        auto promise = std::make_shared<std::promise<T>>();
        std::future<T> answer = promise->get_future();
        Job job(Job::Kind::Read);
        job.read = [promise, read = std::move(read)](Database* db, HistoryNotice* notice) {
            promise->set_value(db ? read(*db, notice) : T{});
        };
        post(std::move(job));
        return answer;
    }

    void tell(const HistoryNotice& notice);
    HistoryNotice takeNotice();
    void setNoticeHandler(QObject* context, std::function<void()> handler);

private:
    struct Job {
        enum class Kind { Open, StartSession, Record, Flush, Read, Export };
        explicit Job(Kind kind, int key = 0)
            : kind(kind)
            , key(key)
        {
        }
        Kind kind;
        int key;
        QString learner;
        QString list;  // the export's file for Export
        QDateTime at;
        Attempt attempt;
        std::function<void(Database*, HistoryNotice*)> read;
    };

    void post(Job job);
    void run();
    void handle(Job& job);
    bool tryOpen();
    void drain();
    Outcome write(const Job& job, HistoryNotice* notice);
    void waitOnLock(const HistoryNotice& why);
    void writeExport(const QString& learner, const QString& path);
    void turnOff(const HistoryNotice& why);
    void dropWaiting();
    void lastTries();

    const QString folder_;
    const QString path_;

    // Shared between the threads, under `mutex_`.
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    bool opening_ = true;
    int handedOver_ = 0;  // writes posted and neither stored nor dropped
    State state_;
    std::deque<HistoryNotice> notices_;
    QObject* noticeContext_ = nullptr;
    std::function<void()> noticeHandler_;

    // The thread's own.
    std::unique_ptr<Database> db_;
    bool openWanted_ = true;
    std::deque<Job> writes_;  // in the order handed over, the first one being tried
    std::map<int, Database::Session> sessions_;  // by the key the owner knows them by
    std::optional<Clock::time_point> lockedSince_;
    std::optional<Clock::time_point> retryAt_;
    std::chrono::milliseconds retryPause_{10};
    bool toldWaiting_ = false;
    bool toldReadFailure_ = false;
    QString toldOff_;

    std::thread thread_;
};

}  // namespace oralis::history
