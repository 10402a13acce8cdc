// The history tests' ground: a history of either engine made afresh for each
// test (an SQLite file in a folder of its own, or a database of its own on
// the server ORALIS_TEST_PG names), and a look at it through a connection of
// the test's own.
#pragma once

#include "model/History.h"
#include "model/HistoryPlace.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <unistd.h>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace oralis::testing {

using namespace std::chrono_literals;

// Tests wait as long as a slow machine needs; the window's own patience is
// what the store's thread is there to keep.
constexpr std::chrono::milliseconds kLong = 20s;

enum class Engine { SQLite, PostgreSQL };

inline void PrintTo(Engine engine, std::ostream* out)
{
    *out << (engine == Engine::SQLite ? "SQLite" : "PostgreSQL");
}

inline std::string EngineName(const ::testing::TestParamInfo<Engine>& info)
{
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

// Qt loads its SQL drivers only with an application object.
inline void MakeApplication()
{
    static int argc = 1;
    static char name[] = "history_tests";
    static char* argv[] = {name, nullptr};
    // The export writes local time; the suite fixes the zone it expects.
    qputenv("TZ", "Asia/Tokyo");
    static QCoreApplication app(argc, argv);
}

inline QString ServerForTests()
{
    return qEnvironmentVariable("ORALIS_TEST_PG");
}

// The first column of every row of `sql` run through `db`, as text.
inline QStringList Rows(QSqlDatabase db, const QString& sql)
{
    QStringList rows;
    QSqlQuery q(db);
    if (!q.exec(sql))
        ADD_FAILURE() << sql.toStdString() << ": " << q.lastError().text().toStdString();
    while (q.next())
        rows << q.value(0).toString();
    return rows;
}

// Runs `sql` on `server` (by default the one ORALIS_TEST_PG names), in the
// database `database` when one is given.
inline QStringList ServerRows(const QString& sql, const QString& database = QString(),
                              const QString& server = ServerForTests())
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("server-probe"));
        db.setConnectOptions(server + (database.isEmpty() ? QString() : QStringLiteral(" dbname=") + database));
        if (db.open())
            rows = Rows(db, sql);
        else
            ADD_FAILURE() << db.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("server-probe"));
    return rows;
}

// A database of its own on the server ORALIS_TEST_PG names, for as long as
// the object lives.
class ServerDatabase {
public:
    ServerDatabase()
    {
        static int next = 0;
        name = QStringLiteral("oralis_test_%1_%2").arg(::getpid()).arg(next++);
        ServerRows(QStringLiteral("CREATE DATABASE ") + name);
    }
    ~ServerDatabase() { ServerRows(QStringLiteral("DROP DATABASE ") + name + QStringLiteral(" WITH (FORCE)")); }
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    // The server's connection string, in this database.
    QString setting() const { return ServerForTests() + QStringLiteral(" dbname=") + name; }

    QString name;
};

inline constexpr const char* kSkipped =
    "SKIPPED: ORALIS_TEST_PG (a libpq connection string to a PostgreSQL server the tests may create "
    "databases on) is not set";

// A fresh history of the test's engine, and the user's settings in a folder
// of its own. A server test is skipped, saying so, without ORALIS_TEST_PG.
class EngineTest : public ::testing::TestWithParam<Engine> {
protected:
    static void SetUpTestSuite() { MakeApplication(); }

    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        if (GetParam() == Engine::PostgreSQL) {
            if (ServerForTests().isEmpty())
                GTEST_SKIP() << kSkipped;
            server = std::make_unique<ServerDatabase>();
        }
    }

    bool onServer() const { return GetParam() == Engine::PostgreSQL; }
    QString folder() const { return dir.path(); }
    // The setting that names this test's history (a server's), empty for the file.
    QString setting() const { return server ? server->setting() : QString(); }
    HistoryPlace place() const { return HistoryPlaceFrom(setting(), folder()); }

    // The first column of `sql`'s rows in the history, as text.
    QStringList query(const QString& sql) const
    {
        if (server)
            return ServerRows(sql, server->name);
        QStringList rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
            db.setDatabaseName(dir.filePath(kHistoryFileName));
            if (db.open())
                rows = Rows(db, sql);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("probe"));
        return rows;
    }

    QTemporaryDir dir;
    QTemporaryDir config;
    std::unique_ptr<ServerDatabase> server;
};

// Waits for the store's next notice.
inline HistoryNotice NextNotice(HistoryStore& store)
{
    const auto deadline = std::chrono::steady_clock::now() + kLong;
    HistoryNotice notice;
    while ((notice = store.takeNotice()).isEmpty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    return notice;
}

}  // namespace oralis::testing
