#include "history_support.h"
#include "model/History.h"
#include "model/HistoryPlace.h"

#include <QFile>
#include <arpa/inet.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace oralis;
using namespace oralis::testing;
using namespace Qt::StringLiterals;

namespace {

using Kind = HistoryNotice::Kind;

TEST(HistoryPlace, TheSettingNamesAFileOrAServerAndNeverAPassword)
{
    const struct {
        const char* setting;
        const char* connection;  // what the connection string ends with; empty: the SQLite file
        const char* problem;     // a word of the reason it is refused
    } cases[] = {
        {"  ", "", ""},
        {"oralis", " application_name=oralis service=oralis", ""},
        {"host=db.school dbname=oralis user=teacher", " application_name=oralis host=db.school dbname=oralis user=teacher",
         ""},
        {"host = '/run/my pg'  dbname=x", "application_name=oralis host='/run/my pg' dbname=x", ""},
        {"application_name='Room 3\\'s' host=db", "tcp_user_timeout=10000 application_name='Room 3\\'s' host=db", ""},
        {"postgresql://teacher@db.school:5433/oralis?sslmode=require",
         " host=db.school port=5433 user=teacher dbname=oralis sslmode=require", ""},
        {"host=db password=secret", "", "password"},
        {"postgresql://teacher:secret@db/oralis", "", "password"},
        {"host='unclosed", "", "cannot be read"},
        {"my service", "", "neither"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        const HistoryPlace place = HistoryPlaceFrom(QString::fromUtf8(c.setting), u"/data/oralis"_qs);
        EXPECT_EQ(place.folder, u"/data/oralis"_qs);
        EXPECT_EQ(place.onServer(), *c.connection != '\0');
        EXPECT_EQ(place.connection.right(int(qstrlen(c.connection))), QString::fromUtf8(c.connection))
            << place.connection.toStdString();
        EXPECT_TRUE(place.problem.contains(QString::fromUtf8(c.problem))) << place.problem.toStdString();
        EXPECT_EQ(place.problem.isEmpty(), *c.problem == '\0');
        // Oralis's timeouts, unless the setting gives its own.
        EXPECT_EQ(place.connection.startsWith(u"connect_timeout=3 "_qs), place.onServer());
    }
    const HistoryPlace own = HistoryPlaceFrom(u"host=db connect_timeout=10"_qs, QString());
    EXPECT_FALSE(own.connection.contains(u"connect_timeout=3"_qs)) << own.connection.toStdString();
}

class HistoryServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MakeApplication(); }
    void SetUp() override
    {
        if (ServerForTests().isEmpty())
            GTEST_SKIP() << kSkipped;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }

    QTemporaryDir dir;
    QTemporaryDir config;
};

// The throw-away server script, as the test suite's fixture runs it: its
// output, and a failure when it fails. Run through popen rather than
// QProcess, whose way of starting a child while the store's thread runs
// ThreadSanitizer cannot follow.
QString ServerScript(const QStringList& args)
{
    QString command = QStringLiteral(PG_SERVER_SCRIPT);
    for (const QString& a : args)
        command += u" '"_qs + a + u'\'';
    FILE* script = ::popen(command.toLocal8Bit().constData(), "r");
    QByteArray out;
    char buffer[256];
    while (script && std::fgets(buffer, sizeof buffer, script))
        out += buffer;
    if (!script || ::pclose(script) != 0)
        ADD_FAILURE() << command.toStdString() << " failed";
    return QString::fromLocal8Bit(out).trimmed();
}

Attempt Answer(const QString& reading)
{
    Attempt a;
    a.at = QDateTime::currentDateTimeUtc();
    a.list = u"l"_qs;
    a.reading = a.display = a.answer = reading;
    a.verdict = Verdict::Correct;
    a.syllables = {{BasicShape::A, BasicShape::A, true}};
    return a;
}

// The server of the class goes away in the middle of a session and comes
// back: practice goes on, the learner is told once, and every answer is on
// the server once, in order.
TEST_F(HistoryServer, StoppedMidSessionEveryAnswerArrivesOnce)
{
    // A server of this test's own, to stop and start; nobody (who runs it
    // under root) must be able to enter the folder.
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeGroup | QFile::ExeOther);
    struct OwnServer {
        QString folder;
        ~OwnServer() { ServerScript({u"destroy"_qs, folder}); }
    } pg{dir.filePath(u"pg"_qs)};
    const QString server = ServerScript({u"init"_qs, pg.folder});
    ASSERT_FALSE(server.isEmpty());

    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(HistoryPlaceFrom(server, dir.filePath(u"data"_qs)))) << store.reason().toStdString();
    const int session = store.startSession(u"l"_qs, QDateTime::currentDateTimeUtc());
    QStringList readings;
    const auto answer = [&](int n) {
        readings << u"ｱ%1"_qs.arg(n);
        const auto before = std::chrono::steady_clock::now();
        EXPECT_TRUE(store.record(session, Answer(readings.back())));
        EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms);
    };
    for (int i = 0; i < 3; ++i)
        answer(i);
    ASSERT_TRUE(store.flush(kLong));

    ServerScript({u"stop"_qs, pg.folder});
    for (int i = 3; i < 6; ++i)
        answer(i);
    const HistoryNotice local = NextNotice(store);
    EXPECT_EQ(local.kind, Kind::KeptLocally);
    EXPECT_TRUE(local.message.contains(u"cannot be reached"_qs)) << local.message.toStdString();
    answer(6);
    EXPECT_FALSE(store.flush(200ms));
    EXPECT_EQ(store.waiting(), 4);
    EXPECT_TRUE(store.isOn());
    EXPECT_TRUE(store.takeNotice().isEmpty());  // told once

    ServerScript({u"start"_qs, pg.folder});
    ASSERT_TRUE(store.flush(kLong)) << store.waiting();
    EXPECT_EQ(store.takeNotice().kind, Kind::Stored);
    EXPECT_EQ(ServerRows(u"SELECT reading FROM attempts ORDER BY id"_qs, QString(), server), readings);
    EXPECT_EQ(store.cards().size(), 7u);
}

// A server that takes the connection and never answers, as one switched off
// behind a router may look: the window waits neither for the connection nor
// for the store to end, and the answers reach the local queue when the
// connection gives up.
TEST(HistoryServerAway, ClosingTheStoreDoesNotWaitForTheConnection)
{
    MakeApplication();
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    QTemporaryDir dir;
    const auto before = std::chrono::steady_clock::now();
    {
        HistoryStore store;  // the window's patience
        store.open(HistoryPlaceFrom(
            u"host=127.0.0.1 port=%1 dbname=oralis user=oralis connect_timeout=2"_qs.arg(ntohs(address.sin_port)),
            dir.path()));
        const int session = store.startSession(u"l"_qs, QDateTime::currentDateTimeUtc());
        EXPECT_TRUE(store.record(session, Answer(u"ｱ"_qs)));
        EXPECT_TRUE(store.cards().empty());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);

    QSqlDatabase queue = QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"queue"_qs);
    queue.setDatabaseName(dir.filePath(u"history-queue.sqlite"_qs));
    QStringList kept;
    for (const auto deadline = before + kLong; kept != QStringList{u"2"_qs} && std::chrono::steady_clock::now() < deadline;) {
        std::this_thread::sleep_for(100ms);
        // Looked at once the store's thread has made it.
        if (QFile::exists(queue.databaseName()) && queue.open()) {
            QSqlQuery count(queue);
            if (count.exec(u"SELECT COUNT(*) FROM waiting"_qs) && count.next())
                kept = QStringList{count.value(0).toString()};
        }
        queue.close();
    }
    EXPECT_EQ(kept, QStringList{u"2"_qs});  // the session and its answer
    queue = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"queue"_qs);
    ::close(listener);
}

// A server that turns the login down, or holds the history of a newer
// version, is told of and left as it is; the answers wait on the computer.
TEST_F(HistoryServer, RefusedLoginOrNewerHistoryKeepsAnswersLocally)
{
    const struct {
        const char* extra;  // added to the connection string
        const char* prepare;
        const char* message;
        const char* tables;  // the server's tables afterwards
    } cases[] = {
        {" user=no_such_role", "", "refused the login", ""},
        {"", "CREATE TABLE oralis_schema (version INTEGER NOT NULL); INSERT INTO oralis_schema VALUES (99)",
         "newer version", "oralis_schema"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const ServerDatabase db;
        for (const QString& statement : QString::fromLatin1(c.prepare).split(u';', Qt::SkipEmptyParts))
            ServerRows(statement, db.name);
        QTemporaryDir local;
        HistoryStore store(kLong);
        EXPECT_TRUE(store.open(HistoryPlaceFrom(db.setting() + QLatin1String(c.extra), local.path())));
        const HistoryNotice notice = NextNotice(store);
        EXPECT_EQ(notice.kind, Kind::KeptLocally);
        EXPECT_TRUE(notice.message.contains(QLatin1String(c.message))) << notice.message.toStdString();
        const int session = store.startSession(u"l"_qs, QDateTime::currentDateTimeUtc());
        EXPECT_GT(session, 0);
        EXPECT_TRUE(store.record(session, Answer(u"ｱ"_qs)));
        EXPECT_FALSE(store.flush(300ms));
        EXPECT_EQ(store.waiting(), 2);  // the session and its answer
        EXPECT_EQ(ServerRows(u"SELECT table_name FROM information_schema.tables WHERE table_schema = 'public'"_qs,
                             db.name)
                      .join(u','),
                  QLatin1String(c.tables));
    }
}

}  // namespace
