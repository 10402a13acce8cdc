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

const char* const kSchema[] = {
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
    const HistoryNotice::Kind kind = action == Action::Read ? HistoryNotice::Kind::ReadFailed : HistoryNotice::Kind::Off;
    return {kind, Tr(message), Details(path, error.text())};
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
    if (IsBusy(error))
        return Outcome::Busy;
    *notice = FailureNotice(action, error, path_);
    if (action != Action::Read)
        close();
    return Outcome::Failed;
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
    if (version == 0) {
        for (const char* statement : kSchema) {
            if (!Run(q, QString::fromLatin1(statement)))
                return fail(Action::Prepare, q.lastError(), notice);
        }
        if (!Run(q, QStringLiteral("PRAGMA user_version = %1").arg(kHistorySchemaVersion)))
            return fail(Action::Prepare, q.lastError(), notice);
    }
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

Outcome Database::startSession(const QString& list, const QDateTime& at, Session* session, HistoryNotice* notice)
{
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("INSERT INTO sessions (started, list) VALUES (?, ?)"), {Stamp(at), Text(list)}))
        return fail(Action::Store, q.lastError(), notice);
    session->id = q.lastInsertId().toLongLong();
    session->number = static_cast<int>(session->id);
    return Outcome::Done;
}

int Database::nextSessionNumber(HistoryNotice* notice)
{
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM sessions")) || !q.next()) {
        fail(Action::Read, q.lastError(), notice);
        return 0;
    }
    return q.value(0).toInt();
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
    if (!Run(q, QStringLiteral("SELECT box, due FROM review WHERE reading = ? AND display = ?"),
             {Text(a.reading), Text(a.display)}))
        return failed();
    std::optional<ReviewCard> card;
    if (q.next())
        card = ReviewCard{q.value(0).toInt(), q.value(1).toInt()};
    q.finish();
    const ReviewCard next = Advance(card ? &*card : nullptr, ReadRight(a.verdict), session.number);
    if (!Run(q, QStringLiteral("INSERT OR REPLACE INTO review (reading, display, box, due) VALUES (?, ?, ?, ?)"),
             {Text(a.reading), Text(a.display), next.box, next.due}))
        return failed();
    if (!Run(q, QStringLiteral("COMMIT")))
        return failed();
    return Outcome::Done;
}

ReviewCards Database::cards(HistoryNotice* notice)
{
    ReviewCards cards;
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("SELECT reading, display, box, due FROM review"))) {
        fail(Action::Read, q.lastError(), notice);
        return cards;
    }
    while (q.next())
        cards[{q.value(0).toString(), q.value(1).toString()}] = {q.value(2).toInt(), q.value(3).toInt()};
    return cards;
}

std::vector<SessionScore> Database::sessionScores(HistoryNotice* notice)
{
    std::vector<SessionScore> scores;
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("SELECT s.id, s.started, s.list, COUNT(*),"
                               " SUM(a.verdict IN ('correct', 'lookalike')), MIN(a.at), MAX(a.at)"
                               " FROM sessions s JOIN attempts a ON a.session = s.id"
                               " GROUP BY s.id ORDER BY s.id"))) {
        fail(Action::Read, q.lastError(), notice);
        return scores;
    }
    while (q.next()) {
        scores.push_back({q.value(0).toInt(), FromStamp(q.value(1)), q.value(2).toString(), q.value(3).toInt(),
                          q.value(4).toInt(), FromStamp(q.value(5)), FromStamp(q.value(6))});
    }
    return scores;
}

std::vector<ShapeAccuracy> Database::shapeAccuracy(int session, HistoryNotice* notice)
{
    std::vector<ShapeAccuracy> accuracy;
    QSqlQuery q(db_);
    const bool ok = session == 0
        ? Run(q, QStringLiteral("SELECT shape, COUNT(*), SUM(read_right) FROM syllables GROUP BY shape"))
        : Run(q,
              QStringLiteral("SELECT y.shape, COUNT(*), SUM(y.read_right) FROM syllables y"
                             " JOIN attempts a ON a.id = y.attempt WHERE a.session = ? GROUP BY y.shape"),
              {session});
    if (!ok) {
        fail(Action::Read, q.lastError(), notice);
        return accuracy;
    }
    while (q.next()) {
        if (const auto shape = ShapeFromCode(q.value(0).toString()))
            accuracy.push_back({*shape, q.value(1).toInt(), q.value(2).toInt()});
    }
    std::sort(accuracy.begin(), accuracy.end(),
              [](const ShapeAccuracy& a, const ShapeAccuracy& b) { return a.shape < b.shape; });
    return accuracy;
}

std::vector<Confusion> Database::confusions(int limit, int session, HistoryNotice* notice)
{
    std::vector<Confusion> found;
    const QString where = QStringLiteral(" WHERE y.read_right = 0 AND y.read_as IS NOT NULL AND y.read_as <> y.shape");
    const QString tail = QStringLiteral(" GROUP BY y.shape, y.read_as ORDER BY COUNT(*) DESC, y.shape, y.read_as LIMIT ?");
    QSqlQuery q(db_);
    const bool ok = session == 0
        ? Run(q, QStringLiteral("SELECT y.shape, y.read_as, COUNT(*) FROM syllables y") + where + tail, {limit})
        : Run(q,
              QStringLiteral("SELECT y.shape, y.read_as, COUNT(*) FROM syllables y"
                             " JOIN attempts a ON a.id = y.attempt")
                  + where + QStringLiteral(" AND a.session = ?") + tail,
              {session, limit});
    if (!ok) {
        fail(Action::Read, q.lastError(), notice);
        return found;
    }
    while (q.next()) {
        const auto shape = ShapeFromCode(q.value(0).toString());
        const auto readAs = ShapeFromCode(q.value(1).toString());
        if (shape && readAs)
            found.push_back({*shape, *readAs, q.value(2).toInt()});
    }
    return found;
}

}  // namespace oralis::history
