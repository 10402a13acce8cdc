#include "model/history/HistoryQueue.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

using namespace Qt::StringLiterals;

namespace oralis::history {

namespace {

// Other programs of the user hold the file only for a write of their own.
const QString kQueueOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");

QJsonObject ToJson(const Write& w)
{
    QJsonObject o;
    o[u"kind"] = w.kind == Write::Kind::Session ? u"session"_qs : u"attempt"_qs;
    if (w.kind == Write::Kind::Session) {
        o[u"learner"] = w.learner;
        o[u"list"] = w.list;
        o[u"at"] = w.at.toString(Qt::ISODate);
        return o;
    }
    const Attempt& a = w.attempt;
    o[u"session"] = w.session;
    o[u"at"] = a.at.toString(Qt::ISODate);
    o[u"list"] = a.list;
    o[u"reading"] = a.reading;
    o[u"display"] = a.display;
    o[u"answer"] = a.answer;
    o[u"answerReading"] = a.answerReading;
    o[u"verdict"] = VerdictCode(a.verdict);
    o[u"replays"] = a.replays;
    o[u"speed"] = a.speed;
    QJsonArray syllables;
    for (const SyllableOutcome& s : a.syllables) {
        syllables.append(QJsonArray{ShapeCode(s.shape), s.readAs ? QJsonValue(ShapeCode(*s.readAs)) : QJsonValue(),
                                    s.right});
    }
    o[u"syllables"] = syllables;
    return o;
}

Write FromJson(const QString& id, const QJsonObject& o)
{
    Write w;
    w.id = id;
    if (o[u"kind"].toString() == QLatin1String("session")) {
        w.kind = Write::Kind::Session;
        w.learner = o[u"learner"].toString();
        w.list = o[u"list"].toString();
        w.at = QDateTime::fromString(o[u"at"].toString(), Qt::ISODate);
        return w;
    }
    w.session = o[u"session"].toString();
    Attempt& a = w.attempt;
    a.at = QDateTime::fromString(o[u"at"].toString(), Qt::ISODate);
    a.list = o[u"list"].toString();
    a.reading = o[u"reading"].toString();
    a.display = o[u"display"].toString();
    a.answer = o[u"answer"].toString();
    a.answerReading = o[u"answerReading"].toString();
    a.verdict = VerdictFromCode(o[u"verdict"].toString()).value_or(Verdict::Skipped);
    a.replays = o[u"replays"].toInt();
    a.speed = o[u"speed"].toString();
    for (const QJsonValue& v : o[u"syllables"].toArray()) {
        const QJsonArray s = v.toArray();
        SyllableOutcome outcome;
        outcome.shape = ShapeFromCode(s[0].toString()).value_or(BasicShape::A);
        if (s[1].isString())
            outcome.readAs = ShapeFromCode(s[1].toString());
        outcome.right = s[2].toBool();
        a.syllables.push_back(outcome);
    }
    return w;
}

}  // namespace

Queue::Queue(QString folder)
    : folder_(std::move(folder))
{
    static std::atomic<int> next{0};
    connection_ = QStringLiteral("oralis-history-queue-%1").arg(next++);
}

Queue::~Queue()
{
    if (db_.isOpen())
        db_.close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

QString Queue::path() const
{
    return QDir(folder_).filePath(kQueueFileName);
}

bool Queue::open(bool create, QString* why)
{
    if (db_.isOpen())
        return true;
    if (!create && !QFileInfo::exists(path()))
        return false;
    if (!QDir().mkpath(folder_)) {
        *why = QDir::toNativeSeparators(folder_);
        return false;
    }
    if (!db_.isValid())
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path());
    db_.setConnectOptions(kQueueOptions);
    QSqlQuery q(db_);
    if (!db_.open() || !q.exec(QStringLiteral("PRAGMA journal_mode=WAL"))
        || !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS waiting (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                                  " history TEXT NOT NULL, id TEXT NOT NULL UNIQUE, body TEXT NOT NULL)"))) {
        *why = (db_.isOpen() ? q.lastError() : db_.lastError()).text();
        db_.close();
        return false;
    }
    return true;
}

bool Queue::append(const QString& key, const std::deque<Write>& writes, QString* why)
{
    QSqlQuery q(db_);
    bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (auto w = writes.begin(); ok && w != writes.end(); ++w) {
        ok = q.prepare(QStringLiteral("INSERT INTO waiting (history, id, body) VALUES (?, ?, ?)"
                                      " ON CONFLICT (id) DO NOTHING"));
        q.addBindValue(key);
        q.addBindValue(w->id);
        q.addBindValue(QString::fromUtf8(QJsonDocument(ToJson(*w)).toJson(QJsonDocument::Compact)));
        ok = ok && q.exec();
    }
    if (ok && q.exec(QStringLiteral("COMMIT")))
        return true;
    *why = q.lastError().text();
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}

std::optional<Write> Queue::oldest(const QString& key)
{
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT id, body FROM waiting WHERE history = ? ORDER BY seq LIMIT 1"));
    q.addBindValue(key);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return FromJson(q.value(0).toString(), QJsonDocument::fromJson(q.value(1).toString().toUtf8()).object());
}

bool Queue::remove(const QString& id)
{
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("DELETE FROM waiting WHERE id = ?"));
    q.addBindValue(id);
    return q.exec();
}

int Queue::count(const QString& key)
{
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM waiting WHERE history = ?"));
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

}  // namespace oralis::history
