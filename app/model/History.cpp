#include "model/History.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <initializer_list>

namespace oralis {

namespace {

// SQLite's result codes for a file that is not a database or is corrupt.
const QString kNotADatabase = QStringLiteral("26");
const QString kCorrupt = QStringLiteral("11");
const QString kBusy = QStringLiteral("5");

constexpr const char* kVerdictCodes[] = {"correct", "lookalike", "wrong", "skipped"};

// Another program (or another window of this one) may be writing: wait for it
// rather than fail at once.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

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

// Runs `sql` with `values` bound in order; the query is left on its result.
// Qt binds a null QString as NULL; an attempt's texts are never absent, at
// most empty (a skipped word has no answer).
QString Text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

bool Run(QSqlQuery& q, const QString& sql, std::initializer_list<QVariant> values = {})
{
    if (!q.prepare(sql))
        return false;
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec();
}

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
    return QStringLiteral("%1 read as %2: %3 %4")
        .arg(ShapeName(c.shape), ShapeName(c.readAs))
        .arg(c.times)
        .arg(c.times == 1 ? QStringLiteral("time") : QStringLiteral("times"));
}

HistoryStore::HistoryStore()
{
    static std::atomic<int> next{0};
    connection_ = QStringLiteral("oralis-history-%1").arg(next++);
}

HistoryStore::~HistoryStore()
{
    db_.close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

bool HistoryStore::turnOff(const QString& why)
{
    if (db_.isOpen())
        db_.close();
    on_ = false;
    reason_ = why;
    told_ = false;
    return false;
}

QString HistoryStore::takeNotice()
{
    if (on_ || told_)
        return QString();
    told_ = true;
    return reason_;
}

bool HistoryStore::open(const QString& folder)
{
    const QString dir = folder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/oralis")
        : folder;
    path_ = QDir(dir).filePath(kHistoryFileName);
    on_ = false;
    reason_.clear();
    if (!QDir().mkpath(dir))
        return turnOff(QStringLiteral("History is off: the folder %1 cannot be made").arg(Native(dir)));

    db_ = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
                                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db_.isValid())
        return turnOff(QStringLiteral("History is off: Qt's SQLite driver is not installed"));
    db_.setDatabaseName(path_);
    db_.setConnectOptions(kConnectOptions);
    if (!db_.open()) {
        return turnOff(QStringLiteral("History is off: %1 cannot be opened (%2)")
                           .arg(Native(path_), db_.lastError().text()));
    }

    // Opening reads nothing; the first statement finds out what the file is.
    QString damage;
    {
        QSqlQuery q(db_);
        if (!Run(q, QStringLiteral("PRAGMA quick_check"))) {
            const QSqlError e = q.lastError();
            if (e.nativeErrorCode() != kNotADatabase && e.nativeErrorCode() != kCorrupt) {
                return turnOff(QStringLiteral("History is off: %1 cannot be read (%2)")
                                   .arg(Native(path_), e.text()));
            }
            damage = e.databaseText();
        } else if (q.next() && q.value(0).toString() != QLatin1String("ok")) {
            damage = q.value(0).toString();
        }
    }
    if (!damage.isEmpty()) {
        const QString kept = moveAside();
        if (kept.isEmpty()) {
            return turnOff(QStringLiteral("History is off: %1 is damaged (%2) and could not be moved aside")
                               .arg(Native(path_), damage));
        }
        return turnOff(QStringLiteral("History is off: %1 is damaged (%2); it was kept as %3")
                           .arg(Native(path_), damage, Native(kept)));
    }

    {
        // Readers then never wait for a writer, and a crash mid-write leaves
        // the last committed attempt in place. SQLite does not wait for a
        // lock while it turns a file to WAL, so two programs creating the file
        // at once retry here for as long as any other statement would wait.
        QSqlQuery q(db_);
        bool wal = Run(q, QStringLiteral("PRAGMA journal_mode=WAL"));
        for (int tries = 0; !wal && q.lastError().nativeErrorCode() == kBusy && tries < 100; ++tries) {
            QThread::msleep(50);
            wal = Run(q, QStringLiteral("PRAGMA journal_mode=WAL"));
        }
        if (!wal) {
            return turnOff(QStringLiteral("History is off: %1 cannot be written (%2)")
                               .arg(Native(path_), q.lastError().text()));
        }
    }
    if (!createOrCheckSchema())
        return false;
    on_ = true;
    return true;
}

bool HistoryStore::createOrCheckSchema()
{
    QSqlQuery q(db_);
    auto fail = [&](const QString& what) {
        const QString why = q.lastError().text();
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        return turnOff(QStringLiteral("History is off: %1 %2 (%3)").arg(Native(path_), what, why));
    };
    // Two programs starting at once must not both create the tables.
    if (!Run(q, QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("cannot be written"));
    if (!Run(q, QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(QStringLiteral("cannot be read"));
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kHistorySchemaVersion) {
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        return turnOff(QStringLiteral("History is off: %1 was written by a newer version of Oralis")
                           .arg(Native(path_)));
    }
    if (version == 0) {
        for (const char* statement : kSchema) {
            if (!Run(q, QString::fromLatin1(statement)))
                return fail(QStringLiteral("cannot be written"));
        }
        if (!Run(q, QStringLiteral("PRAGMA user_version = %1").arg(kHistorySchemaVersion)))
            return fail(QStringLiteral("cannot be written"));
    }
    if (!Run(q, QStringLiteral("COMMIT")))
        return fail(QStringLiteral("cannot be written"));
    return true;
}

QString HistoryStore::moveAside()
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

int HistoryStore::startSession(const QString& list, const QDateTime& at)
{
    if (!on_)
        return 0;
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("INSERT INTO sessions (started, list) VALUES (?, ?)"), {Stamp(at), list})) {
        turnOff(QStringLiteral("History is off: a session could not be stored (%1)").arg(q.lastError().text()));
        return 0;
    }
    return q.lastInsertId().toInt();
}

bool HistoryStore::record(int session, const Attempt& a)
{
    if (!on_)
        return false;
    QSqlQuery q(db_);
    auto fail = [&]() {
        const QString why = q.lastError().text();
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        return turnOff(QStringLiteral("History is off: an attempt could not be stored (%1)").arg(why));
    };
    // IMMEDIATE takes the write lock first, so a second writer waits here
    // instead of failing when it reads the card and then writes.
    if (!Run(q, QStringLiteral("BEGIN IMMEDIATE")))
        return fail();
    if (!Run(q,
             QStringLiteral("INSERT INTO attempts (session, at, list, reading, display, answer,"
                            " answer_reading, verdict, replays, speed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {session, Stamp(a.at), Text(a.list), Text(a.reading), Text(a.display), Text(a.answer),
              Text(a.answerReading), VerdictCode(a.verdict), a.replays, Text(a.speed)}))
        return fail();
    const QVariant attempt = q.lastInsertId();
    for (size_t i = 0; i < a.syllables.size(); ++i) {
        const SyllableOutcome& s = a.syllables[i];
        const QVariant readAs = s.readAs ? QVariant(ShapeCode(*s.readAs)) : QVariant();
        if (!Run(q,
                 QStringLiteral("INSERT INTO syllables (attempt, position, shape, read_as, read_right)"
                                " VALUES (?, ?, ?, ?, ?)"),
                 {attempt, static_cast<int>(i), ShapeCode(s.shape), readAs, s.right ? 1 : 0}))
            return fail();
    }
    if (!Run(q, QStringLiteral("SELECT box, due FROM review WHERE reading = ? AND display = ?"),
             {a.reading, a.display}))
        return fail();
    std::optional<ReviewCard> card;
    if (q.next())
        card = ReviewCard{q.value(0).toInt(), q.value(1).toInt()};
    q.finish();
    const ReviewCard next = Advance(card ? &*card : nullptr, ReadRight(a.verdict), session);
    if (!Run(q, QStringLiteral("INSERT OR REPLACE INTO review (reading, display, box, due) VALUES (?, ?, ?, ?)"),
             {a.reading, a.display, next.box, next.due}))
        return fail();
    if (!Run(q, QStringLiteral("COMMIT")))
        return fail();
    return true;
}

ReviewCards HistoryStore::cards() const
{
    ReviewCards cards;
    if (!on_)
        return cards;
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("SELECT reading, display, box, due FROM review")))
        return cards;
    while (q.next())
        cards[{q.value(0).toString(), q.value(1).toString()}] = {q.value(2).toInt(), q.value(3).toInt()};
    return cards;
}

std::vector<SessionScore> HistoryStore::sessionScores() const
{
    std::vector<SessionScore> scores;
    if (!on_)
        return scores;
    QSqlQuery q(db_);
    if (!Run(q, QStringLiteral("SELECT s.id, s.started, s.list, COUNT(*),"
                               " SUM(a.verdict IN ('correct', 'lookalike')), MIN(a.at), MAX(a.at)"
                               " FROM sessions s JOIN attempts a ON a.session = s.id"
                               " GROUP BY s.id ORDER BY s.id")))
        return scores;
    while (q.next()) {
        scores.push_back({q.value(0).toInt(), FromStamp(q.value(1)), q.value(2).toString(), q.value(3).toInt(),
                          q.value(4).toInt(), FromStamp(q.value(5)), FromStamp(q.value(6))});
    }
    return scores;
}

std::vector<ShapeAccuracy> HistoryStore::shapeAccuracy(int session) const
{
    std::vector<ShapeAccuracy> accuracy;
    if (!on_)
        return accuracy;
    QSqlQuery q(db_);
    const bool ok = session == 0
        ? Run(q, QStringLiteral("SELECT shape, COUNT(*), SUM(read_right) FROM syllables GROUP BY shape"))
        : Run(q,
              QStringLiteral("SELECT y.shape, COUNT(*), SUM(y.read_right) FROM syllables y"
                             " JOIN attempts a ON a.id = y.attempt WHERE a.session = ? GROUP BY y.shape"),
              {session});
    if (!ok)
        return accuracy;
    while (q.next()) {
        if (const auto shape = ShapeFromCode(q.value(0).toString()))
            accuracy.push_back({*shape, q.value(1).toInt(), q.value(2).toInt()});
    }
    std::sort(accuracy.begin(), accuracy.end(),
              [](const ShapeAccuracy& a, const ShapeAccuracy& b) { return a.shape < b.shape; });
    return accuracy;
}

std::vector<Confusion> HistoryStore::confusions(int limit, int session) const
{
    std::vector<Confusion> found;
    if (!on_)
        return found;
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
    if (!ok)
        return found;
    while (q.next()) {
        const auto shape = ShapeFromCode(q.value(0).toString());
        const auto readAs = ShapeFromCode(q.value(1).toString());
        if (shape && readAs)
            found.push_back({*shape, *readAs, q.value(2).toInt()});
    }
    return found;
}

}  // namespace oralis
