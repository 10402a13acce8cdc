// One connection to the history database, SQLite or PostgreSQL, and
// everything said through it: opening (version check, damage check, schema),
// the writes of a session and an attempt, and the reads. Used by the store's
// own thread only: a Qt SQL connection belongs to the thread that made it.
#pragma once

#include "model/History.h"
#include "model/HistoryPlace.h"
#include "model/history/HistoryCsv.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace oralis::history {

// What a step came to: done; stopped by a lock another connection holds (try
// again soon, nothing changed); the server cannot be reached (keep the
// answers locally and try again later); the server answers but will not take
// them (keep them locally until the next session); or, for the SQLite file,
// failed for good. Every outcome but Done comes with a notice.
enum class Outcome { Done, Busy, Away, Refused, Failed };

// What was being done when the database failed, for the words of the notice.
enum class Action { Open, Prepare, Read, Store };

// SQLite's "database is busy" or "table is locked": another connection holds
// a lock this one needs; waiting may help.
bool IsBusy(const QSqlError& error);

// The notice for `error` met while doing `action` on the history file at
// `path`: a short sentence of the program's own (could not be stored, could
// not be read, the disk is full, locked, damaged) and the driver's words,
// with the file, in the details.
HistoryNotice FailureNotice(Action action, const QSqlError& error, const QString& path);

// The user's login name: the first learner, who practised alone before the
// history knew learners, and the one a history without any starts with.
QString LoginName();

// A learner the history knows and the number of their last session (0 for none).
struct LearnerStanding {
    QString name;
    int lastSession = 0;
};

// A write the history is handed: the start of a session or one judged
// attempt. Its id is made on the computer that made the write and is unique
// in every history, so a write sent twice (its answer lost on the way) is
// stored once.
struct Write {
    enum class Kind { Session, Attempt };
    Kind kind = Kind::Attempt;
    QString id;
    QString session;  // an attempt's session, by the session's id
    QString learner;  // of a session
    QString list;     // of a session
    QDateTime at;     // of a session
    Attempt attempt;
};

class Database {
public:
    explicit Database(HistoryPlace place);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the history, creating the file (or the server's tables) when
    // missing. Nothing is written before the schema version is read: a
    // history of a newer version is left as it was (a file byte for byte). A
    // damaged file is renamed aside.
    Outcome open(HistoryNotice* notice);
    void close();
    bool isOpen() const;
    const HistoryPlace& place() const { return place_; }
    // The file, or the server as its setting names it.
    QString name() const;

    // The session's row, its learner's row and its number among the
    // learner's sessions, as the reads and review cards know it.
    struct Session {
        qint64 id = 0;
        qint64 learner = 0;
        int number = 0;
    };
    // One transaction: anything but Done leaves the history as it was. A
    // learner not known yet is added with their first session; a write whose
    // id is stored already is not stored again. An attempt of a session the
    // history never got is dropped, there being nothing to hang it on.
    Outcome write(const Write& write, Session* started, HistoryNotice* notice);

    // Reads, of one learner by name: empty, with `notice` set, when the
    // database fails.
    // Every learner, the one whose session started last first.
    std::vector<LearnerStanding> learners(HistoryNotice* notice);
    ReviewCards cards(const QString& learner, HistoryNotice* notice);
    std::vector<SessionScore> sessionScores(const QString& learner, HistoryNotice* notice);
    std::vector<ShapeAccuracy> shapeAccuracy(const QString& learner, int session, HistoryNotice* notice);
    std::vector<Confusion> confusions(const QString& learner, int limit, int session, HistoryNotice* notice);
    // Every attempt of `learner` (of everyone when empty), in the order they
    // were stored.
    std::vector<AttemptRow> attempts(const QString& learner, HistoryNotice* notice);
    // Every learner, by name, as the teacher's overview shows them.
    std::vector<LearnerOverview> overview(HistoryNotice* notice);

private:
    Outcome openFile(HistoryNotice* notice);
    Outcome openServer(HistoryNotice* notice);
    Outcome prepare(HistoryNotice* notice);
    Outcome startSession(const Write& write, Session* session, HistoryNotice* notice);
    Outcome record(const Write& write, HistoryNotice* notice);
    Outcome fail(Action action, const QSqlError& error, HistoryNotice* notice);
    // After a read ran (or failed: `ran` false, and `notice` tells), calls
    // `row` with `q` on each row of its answer.
    template <class Row>
    void eachRow(QSqlQuery& q, bool ran, HistoryNotice* notice, Row row);
    QString moveAside();

    const HistoryPlace place_;
    const QString path_;  // the file; empty on a server
    QString connection_;
    QSqlDatabase db_;
    bool open_ = false;
};

}  // namespace oralis::history
