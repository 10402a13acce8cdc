#include "model/history/HistoryDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <iterator>
#include <pwd.h>
#include <unistd.h>

namespace oralis::history {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("oralis::History", text);
}

// SQLite's primary result codes that decide what the learner is told.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kIoError = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCannotOpen = 14;
constexpr int kNotADatabase = 26;

int PrimaryCode(const QSqlError& e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

bool IsDamage(const QSqlError& e)
{
    const int code = PrimaryCode(e);
    return code == kCorrupt || code == kNotADatabase;
}

// A short wait inside SQLite covers another program's ordinary write of a
// few milliseconds; a longer lock is waited out by the store's thread, which
// keeps the attempts meanwhile and stays free to answer reads.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");

// Version 1: one learner's history.
const char* const kVersion1[] = {
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, started TEXT NOT NULL, list TEXT NOT NULL)",
    "CREATE TABLE attempts (id INTEGER PRIMARY KEY,"
    " session INTEGER NOT NULL REFERENCES sessions(id), at TEXT NOT NULL, list TEXT NOT NULL,"
    " reading TEXT NOT NULL, display TEXT NOT NULL, answer TEXT NOT NULL,"
    " answer_reading TEXT NOT NULL,"
    " verdict TEXT NOT NULL CHECK (verdict IN ('correct', 'lookalike', 'wrong', 'skipped')),"
    " replays INTEGER NOT NULL, speed TEXT NOT NULL)",
    "CREATE INDEX attempts_by_session ON attempts(session)",
    // One row per syllable of the word, for the accuracy of each mouth shape
    // and the confusions between them.
    "CREATE TABLE syllables (attempt INTEGER NOT NULL REFERENCES attempts(id),"
    " position INTEGER NOT NULL, shape TEXT NOT NULL, read_as TEXT,"
    " read_right INTEGER NOT NULL)",
    "CREATE INDEX syllables_by_attempt ON syllables(attempt)",
    ("CREATE TABLE review (reading TEXT NOT NULL, display TEXT NOT NULL, box INTEGER NOT NULL,"
     " due INTEGER NOT NULL, PRIMARY KEY (reading, display))"),
};

// Version 2: several learners. Every session and review card belongs to a
// learner, and a session is counted among its learner's own (the review
// boxes count in sessions). What version 1 held goes to a first learner, the
// user who practised alone until now; its session numbers stay the rows'
// numbers, so every card stays due where it was. Written as both SQLite and
// PostgreSQL take it.
const char* const kVersion2[] = {
    "CREATE TABLE learners (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
    "INSERT INTO learners (id, name) VALUES (1, :first)",
    "ALTER TABLE sessions ADD COLUMN learner INTEGER REFERENCES learners(id)",
    "ALTER TABLE sessions ADD COLUMN number INTEGER",
    "UPDATE sessions SET learner = 1, number = id",
    "CREATE UNIQUE INDEX sessions_by_learner ON sessions(learner, number)",
    ("CREATE TABLE learner_review (learner INTEGER NOT NULL REFERENCES learners(id),"
     " reading TEXT NOT NULL, display TEXT NOT NULL, box INTEGER NOT NULL, due INTEGER NOT NULL,"
     " PRIMARY KEY (learner, reading, display))"),
    ("INSERT INTO learner_review (learner, reading, display, box, due)"
     " SELECT 1, reading, display, box, due FROM review"),
    "DROP TABLE review",
    "ALTER TABLE learner_review RENAME TO review",
};

struct Step {
    const char* const* statements;
    size_t count;
};
// The statements that bring version i to version i + 1.
const Step kSteps[kHistorySchemaVersion] = {
    {kVersion1, std::size(kVersion1)},
    {kVersion2, std::size(kVersion2)},
};

QString Stamp(const QDateTime& t)
{
    return t.toString(Qt::ISODate);
}

QDateTime FromStamp(const QVariant& v)
{
    return QDateTime::fromString(v.toString(), Qt::ISODate);
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Qt binds a null QString as NULL; an attempt's texts are never absent, at
// most empty (a skipped word has no answer).
QString Text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

// Runs `sql` with `values` bound in order; the query is left on its result.
bool Run(QSqlQuery& q, const QString& sql, std::initializer_list<QVariant> values = {})
{
    if (!q.prepare(sql))
        return false;
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec();
}

HistoryNotice Off(const QString& message, const QString& details)
{
    return {HistoryNotice::Kind::Off, message, details};
}

QString Details(const QString& path, const QString& words)
{
    return QCoreApplication::translate("oralis::History", "File: %1\n%2").arg(Native(path), words);
}

}  // namespace

bool IsBusy(const QSqlError& error)
{
    const int code = PrimaryCode(error);
    return code == kBusy || code == kLocked;
}

HistoryNotice FailureNotice(Action action, const QSqlError& error, const QString& path)
{
    const int code = PrimaryCode(error);
    const bool full = code == kFull;
    const bool locked = IsBusy(error);
    const bool damaged = IsDamage(error);
    const bool unwritable = code == kReadOnly || code == kIoError || code == kCannotOpen;
    const char* message = nullptr;
    switch (action) {
    case Action::Open:
        message = locked  ? "History is off: another program keeps the history locked."
            : damaged     ? "History is off: the history is damaged."
            : full        ? "History is off: the disk is full."
                          : "History is off: the history could not be opened.";
        break;
    case Action::Prepare:
        message = locked ? "History is off: another program keeps the history locked."
            : full       ? "History is off: the disk is full."
                         : "History is off: the history could not be written.";
        break;
    case Action::Read:
        message = locked ? "The history could not be read: another program keeps it locked."
            : damaged    ? "The history could not be read: it is damaged."
                         : "The history could not be read.";
        break;
    case Action::Store:
        message = full ? "History is off: the disk is full, so answers cannot be stored."
            : locked   ? "History is off: answers could not be stored: another program keeps the history locked."
            : damaged  ? "History is off: answers could not be stored: the history is damaged."
            : unwritable ? "History is off: answers could not be stored: the history cannot be written."
                         : "History is off: answers could not be stored.";
        break;
    }
    using Kind = HistoryNotice::Kind;
    return {action == Action::Read ? Kind::ReadFailed : Kind::Off, Tr(message), Details(path, error.text())};
}

Database::Database()
{
    static std::atomic<int> next{0};
    connection_ = QStringLiteral("oralis-history-%1").arg(next++);
}

Database::~Database()
{
    close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

void Database::close()
{
    if (db_.isOpen())
        db_.close();
    open_ = false;
}

Outcome Database::fail(Action action, const QSqlError& error, HistoryNotice* notice)
{
    if (db_.isOpen())
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
    // Busy comes with the driver's words too: they are the details of the
    // notice that answers are waiting.
    *notice = FailureNotice(action, error, path_);
    if (IsBusy(error))
        return Outcome::Busy;
    if (action != Action::Read)
        close();
    return Outcome::Failed;
}

template <class Row>
void Database::eachRow(QSqlQuery& q, bool ran, HistoryNotice* notice, Row row)
{
    if (!ran) {
        fail(Action::Read, q.lastError(), notice);
        return;
    }
    while (q.next())
        row();
}

Outcome Database::open(const QString& path, HistoryNotice* notice)
{
    close();
    path_ = path;
    db_ = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db_.isValid()) {
        *notice = Off(Tr("History is off: Qt's SQLite driver is not installed."),
                      Tr("Drivers found: %1").arg(QSqlDatabase::drivers().join(QStringLiteral(", "))));
        return Outcome::Failed;
    }
    db_.setDatabaseName(path_);
    db_.setConnectOptions(kConnectOptions);
    if (!db_.open())
        return fail(Action::Open, db_.lastError(), notice);

    // The version before anything else, and read only: a file of a newer
    // version must stay as that version wrote it, journal mode included.
    // Opening reads nothing; this first statement also finds out what the
    // file is.
    QString damage;
    int version = 0;
    {
        QSqlQuery q(db_);
        if (!Run(q, QStringLiteral("PRAGMA user_version")) || !q.next()) {
            if (!IsDamage(q.lastError()))
                return fail(Action::Open, q.lastError(), notice);
            damage = q.lastError().databaseText();
        } else {
            version = q.value(0).toInt();
        }
    }
    if (damage.isEmpty() && version > kHistorySchemaVersion) {
        close();
        *notice = Off(Tr("History is off: the history was written by a newer version of Oralis and is left as "
                         "it is."),
                      Details(path_, Tr("Its version is %1; this version of Oralis knows up to %2.")
                                         .arg(version)
                                         .arg(kHistorySchemaVersion)));
        return Outcome::Failed;
    }
    if (damage.isEmpty()) {
        QSqlQuery q(db_);
        if (!Run(q, QStringLiteral("PRAGMA quick_check"))) {
            if (!IsDamage(q.lastError()))
                return fail(Action::Open, q.lastError(), notice);
            damage = q.lastError().databaseText();
        } else if (q.next() && q.value(0).toString() != QLatin1String("ok")) {
            damage = q.value(0).toString();
        }
    }
    if (!damage.isEmpty()) {
        const QString kept = moveAside();
        *notice = kept.isEmpty()
            ? Off(Tr("History is off: the history is damaged and could not be moved aside."), Details(path_, damage))
            : Off(Tr("History is off: the history was damaged. It is kept as %1, and a new history begins with "
                     "the next session.")
                      .arg(QFileInfo(kept).fileName()),
                  Details(kept, damage));
        return Outcome::Failed;
    }

    {
        // Readers then never wait for a writer, and a crash mid-write leaves
        // the last committed attempt in place. SQLite does not wait for a
        // lock while it turns a file to WAL: two programs creating the file
        // at once meet Busy here, and the store tries again.
        QSqlQuery q(db_);
        if (!Run(q, QStringLiteral("PRAGMA journal_mode=WAL")))
            return fail(Action::Prepare, q.lastError(), notice);
    }
    const Outcome prepared = prepare(notice);
    open_ = prepared == Outcome::Done;
    return prepared;
}

Outcome Database::prepare(HistoryNotice* notice)
{
    QSqlQuery q(db_);
    // Two programs starting at once must not both create the tables.
    if (!Run(q, QStringLiteral("BEGIN IMMEDIATE")) || !Run(q, QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(Action::Prepare, q.lastError(), notice);
    const int version = q.value(0).toInt();
    q.finish();
    for (int step = version; step < kHistorySchemaVersion; ++step) {
        for (size_t i = 0; i < kSteps[step].count; ++i) {
            const QString statement = QString::fromLatin1(kSteps[step].statements[i]);
            if (!q.prepare(statement))
                return fail(Action::Prepare, q.lastError(), notice);
            if (statement.contains(QLatin1String(":first")))
                q.bindValue(QStringLiteral(":first"), LoginName());
            if (!q.exec())
                return fail(Action::Prepare, q.lastError(), notice);
        }
    }
    if (version < kHistorySchemaVersion
        && !Run(q, QStringLiteral("PRAGMA user_version = %1").arg(kHistorySchemaVersion)))
        return fail(Action::Prepare, q.lastError(), notice);
    if (!Run(q, QStringLiteral("COMMIT")))
        return fail(Action::Prepare, q.lastError(), notice);
    return Outcome::Done;
}

QString Database::moveAside()
{
    db_.close();
    const QString base = path_ + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = base;
    for (int n = 2; QFileInfo::exists(kept) || QFileInfo::exists(kept + QStringLiteral("-wal")); ++n)
        kept = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(path_, kept))
        return QString();
    // A journal left beside a new, empty file would be played into it.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path_ + suffix))
            QFile::rename(path_ + suffix, kept + suffix);
    }
    return kept;
}

Outcome Database::startSession(const QString& learner, const QString& list, const QDateTime& at, Session* session,
                               HistoryNotice* notice)
{
    QSqlQuery q(db_);
    auto failed = [&] { return fail(Action::Store, q.lastError(), notice); };
    // The number is counted in the transaction: another program may start
    // a session of the same learner at the same time.
    if (!Run(q, QStringLiteral("BEGIN IMMEDIATE")))
        return failed();
    if (!Run(q, QStringLiteral("INSERT INTO learners (name) SELECT ? WHERE NOT EXISTS"
                               " (SELECT 1 FROM learners WHERE name = ?)"),
             {learner, learner})
        || !Run(q, QStringLiteral("SELECT id FROM learners WHERE name = ?"), {learner}) || !q.next())
        return failed();
    session->learner = q.value(0).toLongLong();
    if (!Run(q, QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM sessions WHERE learner = ?"),
             {session->learner})
        || !q.next())
        return failed();
    session->number = q.value(0).toInt();
    if (!Run(q, QStringLiteral("INSERT INTO sessions (learner, number, started, list) VALUES (?, ?, ?, ?)"),
             {session->learner, session->number, Stamp(at), Text(list)}))
        return failed();
    session->id = q.lastInsertId().toLongLong();
    if (!Run(q, QStringLiteral("COMMIT")))
        return failed();
    return Outcome::Done;
}

std::vector<LearnerStanding> Database::learners(HistoryNotice* notice)
{
    std::vector<LearnerStanding> found;
    QSqlQuery q(db_);
    const bool ran = Run(q, QStringLiteral("SELECT l.name, COALESCE(MAX(s.number), 0) FROM learners l"
                                           " LEFT JOIN sessions s ON s.learner = l.id GROUP BY l.id, l.name"
                                           " ORDER BY MAX(s.id) IS NULL, MAX(s.id) DESC, l.name"));
    eachRow(q, ran, notice, [&] { found.push_back({q.value(0).toString(), q.value(1).toInt()}); });
    return found;
}

Outcome Database::record(const Session& session, const Attempt& a, HistoryNotice* notice)
{
    QSqlQuery q(db_);
    auto failed = [&] { return fail(Action::Store, q.lastError(), notice); };
    // IMMEDIATE takes the write lock first, so a second writer waits here
    // instead of failing when it reads the card and then writes.
    if (!Run(q, QStringLiteral("BEGIN IMMEDIATE")))
        return failed();
    if (!Run(q,
             QStringLiteral("INSERT INTO attempts (session, at, list, reading, display, answer,"
                            " answer_reading, verdict, replays, speed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {session.id, Stamp(a.at), Text(a.list), Text(a.reading), Text(a.display), Text(a.answer),
              Text(a.answerReading), VerdictCode(a.verdict), a.replays, Text(a.speed)}))
        return failed();
    const QVariant attempt = q.lastInsertId();
    for (size_t i = 0; i < a.syllables.size(); ++i) {
        const SyllableOutcome& s = a.syllables[i];
        const QVariant readAs = s.readAs ? QVariant(ShapeCode(*s.readAs)) : QVariant();
        if (!Run(q,
                 QStringLiteral("INSERT INTO syllables (attempt, position, shape, read_as, read_right)"
                                " VALUES (?, ?, ?, ?, ?)"),
                 {attempt, static_cast<int>(i), ShapeCode(s.shape), readAs, s.right ? 1 : 0}))
            return failed();
    }
    if (!Run(q, QStringLiteral("SELECT box, due FROM review WHERE learner = ? AND reading = ? AND display = ?"),
             {session.learner, Text(a.reading), Text(a.display)}))
        return failed();
    std::optional<ReviewCard> card;
    if (q.next())
        card = ReviewCard{q.value(0).toInt(), q.value(1).toInt()};
    q.finish();
    const ReviewCard next = Advance(card ? &*card : nullptr, ReadRight(a.verdict), session.number);
    if (!Run(q,
             QStringLiteral("INSERT OR REPLACE INTO review (learner, reading, display, box, due)"
                            " VALUES (?, ?, ?, ?, ?)"),
             {session.learner, Text(a.reading), Text(a.display), next.box, next.due}))
        return failed();
    if (!Run(q, QStringLiteral("COMMIT")))
        return failed();
    return Outcome::Done;
}

ReviewCards Database::cards(const QString& learner, HistoryNotice* notice)
{
    ReviewCards cards;
    QSqlQuery q(db_);
    const bool ran = Run(q,
                         QStringLiteral("SELECT r.reading, r.display, r.box, r.due FROM review r"
                                        " JOIN learners l ON l.id = r.learner WHERE l.name = ?"),
                         {learner});
    eachRow(q, ran, notice, [&] {
        cards[{q.value(0).toString(), q.value(1).toString()}] = {q.value(2).toInt(), q.value(3).toInt()};
    });
    return cards;
}

std::vector<SessionScore> Database::sessionScores(const QString& learner, HistoryNotice* notice)
{
    std::vector<SessionScore> scores;
    QSqlQuery q(db_);
    const bool ran =
        Run(q,
            QStringLiteral("SELECT s.number, s.started, s.list, COUNT(*),"
                           " SUM(CASE WHEN a.verdict IN ('correct', 'lookalike') THEN 1 ELSE 0 END),"
                           " MIN(a.at), MAX(a.at)"
                           " FROM sessions s JOIN attempts a ON a.session = s.id JOIN learners l ON l.id = s.learner"
                           " WHERE l.name = ? GROUP BY s.id, s.number, s.started, s.list ORDER BY s.number"),
            {learner});
    eachRow(q, ran, notice, [&] {
        scores.push_back({q.value(0).toInt(), FromStamp(q.value(1)), q.value(2).toString(), q.value(3).toInt(),
                          q.value(4).toInt(), FromStamp(q.value(5)), FromStamp(q.value(6))});
    });
    return scores;
}

namespace {

// The syllables of a learner's attempts, of one session when :session is not 0.
const QString kLearnerSyllables = QStringLiteral(
    " FROM syllables y JOIN attempts a ON a.id = y.attempt JOIN sessions s ON s.id = a.session"
    " JOIN learners l ON l.id = s.learner WHERE l.name = :learner AND (:session = 0 OR s.number = :session)");

bool RunOverSyllables(QSqlQuery& q, const QString& sql, const QString& learner, int session, int limit = 0)
{
    if (!q.prepare(sql))
        return false;
    q.bindValue(QStringLiteral(":learner"), learner);
    q.bindValue(QStringLiteral(":session"), session);
    if (limit > 0)
        q.bindValue(QStringLiteral(":limit"), limit);
    return q.exec();
}

}  // namespace

std::vector<ShapeAccuracy> Database::shapeAccuracy(const QString& learner, int session, HistoryNotice* notice)
{
    std::vector<ShapeAccuracy> accuracy;
    QSqlQuery q(db_);
    const bool ran = RunOverSyllables(q,
                                      QStringLiteral("SELECT y.shape, COUNT(*), SUM(y.read_right)")
                                          + kLearnerSyllables + QStringLiteral(" GROUP BY y.shape"),
                                      learner, session);
    eachRow(q, ran, notice, [&] {
        if (const auto shape = ShapeFromCode(q.value(0).toString()))
            accuracy.push_back({*shape, q.value(1).toInt(), q.value(2).toInt()});
    });
    std::sort(accuracy.begin(), accuracy.end(),
              [](const ShapeAccuracy& a, const ShapeAccuracy& b) { return a.shape < b.shape; });
    return accuracy;
}

std::vector<Confusion> Database::confusions(const QString& learner, int limit, int session, HistoryNotice* notice)
{
    std::vector<Confusion> found;
    QSqlQuery q(db_);
    const bool ran = RunOverSyllables(q,
                                      QStringLiteral("SELECT y.shape, y.read_as, COUNT(*)") + kLearnerSyllables
                                          + QStringLiteral(" AND y.read_right = 0 AND y.read_as IS NOT NULL"
                                                           " AND y.read_as <> y.shape GROUP BY y.shape, y.read_as"
                                                           " ORDER BY COUNT(*) DESC, y.shape, y.read_as LIMIT :limit"),
                                      learner, session, std::max(limit, 1));
    eachRow(q, ran, notice, [&] {
        const auto shape = ShapeFromCode(q.value(0).toString());
        const auto readAs = ShapeFromCode(q.value(1).toString());
        if (shape && readAs)
            found.push_back({*shape, *readAs, q.value(2).toInt()});
    });
    return found;
}

std::vector<AttemptRow> Database::attempts(const QString& learner, HistoryNotice* notice)
{
    std::vector<AttemptRow> rows;
    QSqlQuery q(db_);
    const bool ran =
        Run(q,
            QStringLiteral("SELECT a.at, a.list, a.display, a.reading, a.answer, a.verdict, a.replays, a.speed"
                           " FROM attempts a JOIN sessions s ON s.id = a.session JOIN learners l ON l.id = s.learner"
                           " WHERE l.name = ? ORDER BY a.id"),
            {learner});
    eachRow(q, ran, notice, [&] {
        rows.push_back({FromStamp(q.value(0)), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString(), VerdictFromCode(q.value(5).toString()).value_or(Verdict::Skipped),
                        q.value(6).toInt(), q.value(7).toString()});
    });
    return rows;
}

QString LoginName()
{
    if (const passwd* user = ::getpwuid(::geteuid()); user && user->pw_name && *user->pw_name)
        return QString::fromLocal8Bit(user->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? Tr("Learner") : fromEnvironment;
}

}  // namespace oralis::history
