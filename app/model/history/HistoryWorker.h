// The history store's own thread: it owns the connections (the history's and
// the local queue's), keeps the writes handed to it in order until they are
// stored, and tells the store's owner what happened through notices. The
// owner's thread never waits on the database; it waits on this thread at
// most as long as it asks to.
//
// A write goes to the history at once when it can. When the history cannot
// take it (its file locked by another program, its server away or refusing),
// that write and every later one go to the local queue, in order, and from
// there to the history as soon as it takes them again.
#pragma once

#include "model/History.h"
#include "model/history/HistoryDatabase.h"
#include "model/history/HistoryQueue.h"

#include <QDateTime>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
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
// The first and the longest pause between two tries of a server that is away.
constexpr std::chrono::milliseconds kFirstServerPause{500};
constexpr std::chrono::milliseconds kLongestServerPause{15000};
// At the end, how long writes get that not even the local queue took.
constexpr std::chrono::milliseconds kLastTries{1000};

class Worker {
public:
    using Clock = std::chrono::steady_clock;
    // Local: the server cannot be used; answers are kept in the local queue.
    enum class Phase { Opening, On, Local, Off };

    struct State {
        Phase phase = Phase::Opening;
        QString reason;  // why it is off, or kept locally
        // As the database had them when it was opened, with the sessions
        // stored since.
        std::vector<LearnerStanding> learners;

        // The number the learner's next session is likely to get.
        int nextSession(const QString& learner) const;
    };

    // Starts the thread, which opens the history at `place` in it.
    explicit Worker(HistoryPlace place);
    // Lets the thread finish what it was handed, keeps what the history has
    // not taken in the local queue, then ends it: stop() and waits for it.
    ~Worker();
    // Asks the thread to end once it has done so; tells nobody after that.
    void stop();
    // Waits until the thread has ended, at most until `deadline`; true if it has.
    bool waitEnded(Clock::time_point deadline) const;
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    const HistoryPlace& place() const { return place_; }
    // The history file, or the server as its setting names it.
    QString name() const;
    State state() const;

    // Everything below is called from the owner's thread.
    // Opens again a history that turned off or refused.
    void reopen();
    void write(Write write);
    // Tries the waiting writes now.
    void flushNow();
    // Writes `learner`'s attempts (everyone's when empty, with a column for
    // the learner) to `path` as CSV, telling how it went.
    void exportAttempts(const QString& learner, const QString& path);
    // Waits until the open asked for last has come to an outcome (done,
    // waiting for a lock, kept locally, or off), at most until `deadline`;
    // true if it has.
    bool waitOpened(Clock::time_point deadline) const;
    // Waits until no write handed over is left waiting, at most until `deadline`.
    bool waitStored(Clock::time_point deadline) const;
    // Writes handed over and not stored yet, with those the local queue
    // keeps for this history.
    int waiting() const;

    // Runs `read` on the thread with the database, or with none while it is
    // not open. A failing read tells once, until one succeeds.
    void read(std::function<void(Database*, HistoryNotice*)> read);
    template <class T>
    std::future<T> read(std::function<T(Database&, HistoryNotice*)> read)
    {
        auto promise = std::make_shared<std::promise<T>>();
        std::future<T> answer = promise->get_future();
        this->read([promise, read = std::move(read)](Database* db, HistoryNotice* notice) {
            promise->set_value(db ? read(*db, notice) : T{});
        });
        return answer;
    }

    void tell(const HistoryNotice& notice);
    HistoryNotice takeNotice();
    void setNoticeHandler(QObject* context, std::function<void()> handler);

private:
    struct Job {
        enum class Kind { Open, Write, Flush, Read, Export };
        explicit Job(Kind kind)
            : kind(kind)
        {
        }
        Kind kind;
        Write write;
        QString learner;
        QString path;
        std::function<void(Database*, HistoryNotice*)> read;
    };

    void post(Job job);
    void run();
    void handle(Job& job);
    bool tryOpen();
    void drain();
    bool sendQueued();
    Outcome send(const Write& write, HistoryNotice* why);
    void keepLocally();
    void waitOnLock(const HistoryNotice& why);
    void awayOrRefused(Outcome outcome, const HistoryNotice& why);
    void settled();
    void writeExport(const QString& learner, const QString& path);
    void turnOff(const HistoryNotice& why);
    void dropWaiting();
    void lastTries();
    // Counts `fromMemory` writes as stored, queued or dropped, and the
    // queue's again. When none is left and the learner was told they wait,
    // the notice that they are stored is put out first, so whoever waits for
    // the writes finds it too.
    void changeCounts(int fromMemory);
    void callNoticeHandler();

    const HistoryPlace place_;
    const QString key_;

    // Shared between the threads, under `mutex_`.
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    bool ended_ = false;
    bool opening_ = true;
    int handedOver_ = 0;  // writes posted and neither stored, queued nor dropped
    int queued_ = 0;      // writes the local queue keeps for this history
    State state_;
    std::deque<HistoryNotice> notices_;
    QObject* noticeContext_ = nullptr;
    std::function<void()> noticeHandler_;

    // The thread's own.
    std::unique_ptr<Database> db_;
    std::unique_ptr<Queue> queue_;
    bool openWanted_ = true;
    std::deque<Write> writes_;  // in the order handed over, the first one being tried
    std::optional<Clock::time_point> lockedSince_;
    std::optional<Clock::time_point> retryAt_;
    std::chrono::milliseconds retryPause_{10};
    std::chrono::milliseconds serverPause_{kFirstServerPause};
    bool away_ = false;  // the server cannot be reached; tried again at retryAt_
    bool toldWaiting_ = false;
    bool toldLocal_ = false;
    bool toldReadFailure_ = false;
    QString toldOff_;

    std::thread thread_;
};

}  // namespace oralis::history
