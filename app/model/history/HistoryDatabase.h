// One connection to the history database and everything said through it:
// opening (version check, damage check, schema), the writes of a session and
// an attempt, and the reads. Used by the store's own thread only: a Qt SQL
// connection belongs to the thread that made it.
#pragma once

#include "model/History.h"
#include "model/history/HistoryCsv.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

namespace oralis::history {

// What a step came to: done; stopped by a lock another connection holds (try
// again later, nothing changed); or failed for good, with a notice.
enum class Outcome { Done, Busy, Failed };

// What was being done when the database failed, for the words of the notice.
enum class Action { Open, Prepare, Read, Store };

// SQLite's "database is busy" or "table is locked": another connection holds
// a lock this one needs; waiting may help.
bool IsBusy(const QSqlError& error);

// The notice for `error` met while doing `action` on the history at `path`:
// a short sentence of the program's own (could not be stored, could not be
// read, the disk is full, locked, damaged) and the driver's words, with the
// file, in the details.
HistoryNotice FailureNotice(Action action, const QSqlError& error, const QString& path);

// The user's login name: the first learner, who practised alone before the
// history knew learners, and the one a history without any starts with.
QString LoginName();

// A learner the history knows and the number of their last session (0 for none).
struct LearnerStanding {
    QString name;
    int lastSession = 0;
};

class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the history at `path`, creating it when missing. Nothing is
    // written before the schema version is read: a file of a newer version
    // is left byte for byte as it was. A damaged file is renamed aside.
    // Busy when a lock held elsewhere stops it; Failed with `notice`.
    Outcome open(const QString& path, HistoryNotice* notice);
    void close();
    bool isOpen() const { return open_; }
    const QString& path() const { return path_; }

    // The session's row, its learner's row and its number among the
    // learner's sessions, as the reads and review cards know it.
    struct Session {
        qint64 id = 0;
        qint64 learner = 0;
        int number = 0;
    };
    // Each write is one transaction: Busy leaves the database as it was.
    // A learner not known yet is added with the session.
    Outcome startSession(const QString& learner, const QString& list, const QDateTime& at, Session* session,
                         HistoryNotice* notice);
    Outcome record(const Session& session, const Attempt& attempt, HistoryNotice* notice);

    // Reads, of one learner by name: empty, with `notice` set, when the
    // database fails.
    // Every learner, the one whose session started last first.
    std::vector<LearnerStanding> learners(HistoryNotice* notice);
    ReviewCards cards(const QString& learner, HistoryNotice* notice);
    std::vector<SessionScore> sessionScores(const QString& learner, HistoryNotice* notice);
    std::vector<ShapeAccuracy> shapeAccuracy(const QString& learner, int session, HistoryNotice* notice);
    std::vector<Confusion> confusions(const QString& learner, int limit, int session, HistoryNotice* notice);
    // Every attempt, in the order they were stored.
    std::vector<AttemptRow> attempts(const QString& learner, HistoryNotice* notice);

private:
    Outcome prepare(HistoryNotice* notice);
    Outcome fail(Action action, const QSqlError& error, HistoryNotice* notice);
    // After a read ran (or failed: `ran` false, and `notice` tells), calls
    // `row` with `q` on each row of its answer.
    template <class Row>
    void eachRow(QSqlQuery& q, bool ran, HistoryNotice* notice, Row row);
    QString moveAside();

    QString connection_;
    QSqlDatabase db_;
    QString path_;
    bool open_ = false;
};

}  // namespace oralis::history
