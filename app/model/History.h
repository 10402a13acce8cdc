// The answer practice's history: every judged attempt, the review boxes and
// what the progress view asks of them, kept per learner in an SQLite file
// (history.sqlite in the user's data folder) or, for a class, on a
// PostgreSQL server (HistoryPlace.h says which). History is a help, never a
// condition: a file that cannot be opened or written, or is damaged, turns it
// off with a notice the caller shows once, and practice goes on without it.
//
// The database work runs on a thread of the store's own, so the window that
// owns a HistoryStore never waits on a lock, a full disk, a slow file or a
// server: writes are handed over and return at once, reads wait at most the
// store's patience. An attempt the history cannot take yet (its file locked
// by another program, its server away or refusing) is kept in a local queue
// on the computer, in order, and stored as soon as the history takes it;
// quitting meanwhile loses none.
#pragma once

#include "model/HistoryOverview.h"
#include "model/HistoryPlace.h"
#include "model/MouthShape.h"
#include "model/Review.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QObject;

namespace oralis {

enum class Verdict { Correct, Lookalike, Wrong, Skipped };

// "correct", "lookalike", "wrong", "skipped": the values of attempts.verdict.
QString VerdictCode(Verdict v);
std::optional<Verdict> VerdictFromCode(const QString& code);
// Looks the same counts as read right: on the lips nothing tells the words apart.
inline bool ReadRight(Verdict v) { return v == Verdict::Correct || v == Verdict::Lookalike; }

// One syllable of the word as the learner read it: `readAs` is the shape it
// was taken for where the answer put another syllable against it, empty where
// the answer has nothing against it (or the word was skipped).
struct SyllableOutcome {
    BasicShape shape = BasicShape::A;
    std::optional<BasicShape> readAs;
    bool right = false;
};

struct Attempt {
    QDateTime at;
    QString list;
    QString reading;
    QString display;
    QString answer;
    QString answerReading;
    Verdict verdict = Verdict::Skipped;
    int replays = 0;
    QString speed;  // the speed text the word was played at
    std::vector<SyllableOutcome> syllables;
};

struct SessionScore {
    int session = 0;  // the learner's own count: 1 for their first session
    QDateTime started;
    QString list;
    int attempts = 0;
    int right = 0;  // correct and looks the same
    QDateTime firstAttempt;
    QDateTime lastAttempt;
    int replays = 0;  // asked for over its attempts
};

// "お read as う: 12 times".
QString ConfusionText(const Confusion& c);

// Something the learner should be told about the history: a short sentence
// of the program's own, and the database's or system's words for the details.
struct HistoryNotice {
    enum class Kind {
        None,
        Off,           // history is off; `message` is also reason()
        Waiting,       // answers wait for a lock to go
        KeptLocally,   // the server cannot be used: answers are kept on this computer
        Stored,        // the answers that waited, or were kept locally, are stored
        ReadFailed,    // what is shown may be incomplete
        Exported,      // an export is written
        ExportFailed,  // an export is not written; an old file of its name is kept
    };
    Kind kind = Kind::None;
    QString message;
    QString details;

    bool isEmpty() const { return kind == Kind::None; }
};

inline const QString kHistoryFileName = QStringLiteral("history.sqlite");
constexpr int kHistorySchemaVersion = 3;

// How long a read may keep the window waiting before it answers empty.
constexpr std::chrono::milliseconds kHistoryPatience{100};

namespace history {
class Worker;
}

class HistoryStore {
public:
    // `patience`: the longest any call waits for the database (tests that
    // must see every answer give more than a window may).
    explicit HistoryStore(std::chrono::milliseconds patience = kHistoryPatience);
    // Keeps answers still waiting in the local queue, for the next program
    // that opens this history to store. Waits at most the patience: a thread
    // still trying a server then ends on its own, and the application waits
    // for it as it ends.
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens (creating when missing) `folder`/history.sqlite; `folder` is
    // created too. An empty folder means the place the user chose
    // (ConfiguredHistoryPlace). False when history is known to be off within
    // the patience: the folder or file cannot be made, opened or written, the
    // file is damaged (it is then renamed aside, never overwritten, and the
    // notice names the new name) or written by a newer version (then left
    // byte for byte as it was). True while the opening is still under way,
    // waits for a lock, or keeps answers locally (a server that is away,
    // refuses the login or holds a newer version: the notice says which).
    bool open(const QString& folder = QString());
    bool open(const HistoryPlace& place);

    // Not known to be off: open() was called and no failure has turned it off.
    bool isOn() const;
    bool onServer() const;
    // The history file; empty on a server.
    QString path() const;
    // Why history is off, or kept locally (a short sentence); empty while it is on.
    QString reason() const;
    // The next thing to tell the learner, each told once; empty when none.
    HistoryNotice takeNotice();
    // Has `handler` called on `context`'s thread whenever a notice comes in
    // (answers waiting, then stored), so a window need not wait for its next
    // look; a null handler stops it. `context` must outlive the store.
    void setNoticeHandler(QObject* context, std::function<void()> handler);

    // Answers handed over but not yet stored (waiting for a lock, or on the way).
    int waiting() const;
    // Tries the waiting answers now, and waits up to `wait` for every one
    // handed over so far to be stored; true when none is left waiting.
    bool flush(std::chrono::milliseconds wait = std::chrono::milliseconds{0});

    // The learners the history knows, the one whose session started last
    // first; learner() leads the list, also before practising.
    QStringList learners() const;
    // Whose sessions this store starts and whose history it reads: the one
    // chosen with setLearner, else (on a server, whose learners are the
    // whole class's) the one last chosen on this computer, else the one whose
    // session started last, else the user's login name (who practised before
    // the history knew learners).
    QString learner() const;
    // Chooses the learner by name, trimmed; a new name is added to the
    // history with its first session. On a server the choice is kept in the
    // user's settings too. False, with the reason, for an empty name, a line
    // break, or more than kMaxLearnerName characters.
    bool setLearner(const QString& name, QString* whyNot = nullptr);
    static constexpr int kMaxLearnerName = 40;
    // The reads show `name`'s history from now on, without choosing them for
    // practice on this computer: a teacher looking at one of the class.
    void showLearner(const QString& name) { chosen_ = name; }

    // A new session of the learner over `list`, started at `at`: the
    // learner's number for it (their previous session's plus one), or 0 when
    // history is off. A store that turned off tries to open again here.
    int startSession(const QString& list, const QDateTime& at);

    // Hands one judged attempt of `session` over to be stored with the word's
    // review card moved, in one transaction. False when history is off or
    // `session` was not started here; a failure later turns history off
    // with a notice.
    bool record(int session, const Attempt& attempt);

    // Everything below is about the learner, and answers empty while history
    // is off or when the database does not answer within the patience (with
    // a notice).
    // Answers still waiting are not counted.
    ReviewCards cards() const;
    std::vector<SessionScore> sessionScores() const;  // sessions with attempts, oldest first
    // Over all sessions, or over one when `session` (as sessionScores
    // numbers them) is not 0; every shape met, in the order of BasicShape.
    std::vector<ShapeAccuracy> shapeAccuracy(int session = 0) const;
    // Shapes taken for another shape, most often first, at most `limit`.
    std::vector<Confusion> confusions(int limit, int session = 0) const;

    // Writes the learner's attempts to `path` as CSV (one row an attempt:
    // date, list, word, reading, answer, verdict, replays, speed) through the
    // checked atomic save, off the window's thread, with the answers handed
    // over before it (but not those still waiting for a lock); the outcome
    // comes as an Exported or ExportFailed notice. False at once when
    // history is off.
    bool exportAttempts(const QString& path);
    // The same of every learner, with a first column naming the learner.
    bool exportClass(const QString& path);

    // Reads the teacher's overview of every learner off the window's thread
    // and hands it to `done` on `context`'s thread (which must outlive the
    // store), with the reason when it could not be read. However long the
    // read takes, the caller never waits.
    void readOverview(QObject* context,
                      std::function<void(std::vector<LearnerOverview> learners, QString failure)> done);

private:
    template <class T, class Read>
    T ask(Read read) const;

    std::chrono::milliseconds patience_;
    std::unique_ptr<history::Worker> worker_;
    QObject* noticeContext_ = nullptr;
    std::function<void()> noticeHandler_;
    QString chosen_;  // by setLearner
    QString remembered_;  // on a server: the one last chosen on this computer
    std::map<int, QString> sessionIds_;  // the sessions started here: by number, their ids
    std::map<QString, int> lastSession_;  // the number last given each learner here
    mutable bool toldSlow_ = false;
};

}  // namespace oralis
