#include "model/History.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace oralis;

namespace {

using S = BasicShape;

class History : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Qt loads its SQL drivers only with an application object.
        static int argc = 1;
        static char name[] = "history_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    QString folder() const { return dir.path(); }
    QString file() const { return dir.filePath(kHistoryFileName); }

    QTemporaryDir dir;
};

Attempt Made(const QString& reading, Verdict verdict, std::vector<SyllableOutcome> syllables, int minute = 0)
{
    Attempt a;
    a.at = QDateTime(QDate(2025, 3, 1), QTime(10, minute), Qt::UTC);
    a.list = QStringLiteral("JSLdefault");
    a.reading = reading;
    a.display = reading + QStringLiteral("!");
    a.answer = QStringLiteral("ans");
    a.answerReading = QStringLiteral("ｱﾝｽ");
    a.verdict = verdict;
    a.replays = 2;
    a.speed = QStringLiteral("500");
    a.syllables = std::move(syllables);
    return a;
}

int UserVersion(const QString& path)
{
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                version = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return version;
}

TEST_F(History, KeepsAttemptsAcrossReopening)
{
    {
        HistoryStore store;
        ASSERT_TRUE(store.open(folder())) << store.reason().toStdString();
        EXPECT_EQ(store.path(), file());
        const int one = store.startSession(QStringLiteral("JSLdefault"), QDateTime(QDate(2025, 3, 1), QTime(10, 0), Qt::UTC));
        ASSERT_GT(one, 0);
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ﾏﾄﾞ"), Verdict::Correct, {{S::Closed, S::Closed, true}, {S::O, S::O, true}})));
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ｺｺ"), Verdict::Wrong, {{S::O, S::U, false}, {S::O, S::O, true}}, 1)));
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ﾊｼ"), Verdict::Skipped, {{S::A, {}, false}, {S::I, {}, false}}, 3)));
    }
    EXPECT_EQ(UserVersion(file()), kHistorySchemaVersion);

    HistoryStore store;
    ASSERT_TRUE(store.open(folder())) << store.reason().toStdString();
    const int two = store.startSession(QStringLiteral("food"), QDateTime(QDate(2025, 3, 2), QTime(9, 0), Qt::UTC));
    EXPECT_TRUE(store.record(two, Made(QStringLiteral("ｺｺ"), Verdict::Lookalike, {{S::O, S::O, true}, {S::O, S::O, true}})));

    const std::vector<SessionScore> scores = store.sessionScores();
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_EQ(scores[0].attempts, 3);
    EXPECT_EQ(scores[0].right, 1);
    EXPECT_EQ(scores[0].firstAttempt.secsTo(scores[0].lastAttempt), 180);
    EXPECT_EQ(scores[1].list, QStringLiteral("food"));
    EXPECT_EQ(scores[1].right, 1);

    const std::vector<ShapeAccuracy> all = store.shapeAccuracy();
    ASSERT_EQ(all.size(), 4u);  // a, i, o, closed, in that order
    EXPECT_EQ(all[2].shape, S::O);
    EXPECT_EQ(all[2].syllables, 5);
    EXPECT_EQ(all[2].right, 4);
    EXPECT_EQ(store.shapeAccuracy(two).size(), 1u);

    const std::vector<Confusion> confusions = store.confusions(3);
    ASSERT_EQ(confusions.size(), 1u);  // a skipped syllable was taken for nothing
    EXPECT_EQ(ConfusionText(confusions[0]), QStringLiteral("お read as う: 1 time"));
    EXPECT_TRUE(store.confusions(3, two).empty());

    const ReviewCards cards = store.cards();
    const int one = scores[0].session;
    EXPECT_EQ(cards.at({QStringLiteral("ﾏﾄﾞ"), QStringLiteral("ﾏﾄﾞ!")}), (ReviewCard{2, one + 2}));
    // Wrong in the first session, right in the second.
    EXPECT_EQ(cards.at({QStringLiteral("ｺｺ"), QStringLiteral("ｺｺ!")}), (ReviewCard{2, two + 2}));
    EXPECT_EQ(cards.at({QStringLiteral("ﾊｼ"), QStringLiteral("ﾊｼ!")}), (ReviewCard{1, one + 1}));
}

TEST_F(History, DamagedFileIsKeptAsideAndHistoryTurnsOff)
{
    const QByteArray junk(4096, 'x');
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    HistoryStore store;
    EXPECT_FALSE(store.open(folder()));
    EXPECT_FALSE(store.isOn());
    EXPECT_TRUE(store.reason().contains(QStringLiteral("damaged"))) << store.reason().toStdString();
    EXPECT_EQ(store.startSession(QStringLiteral("x"), QDateTime::currentDateTime()), 0);
    EXPECT_FALSE(store.record(1, Made(QStringLiteral("ｱ"), Verdict::Correct, {})));

    const QStringList kept = QDir(folder()).entryList({kHistoryFileName + QStringLiteral(".damaged-*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(store.reason().contains(kept[0]));
    QFile aside(QDir(folder()).filePath(kept[0]));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), junk);
    EXPECT_FALSE(QFile::exists(file()));

    // Told once.
    EXPECT_EQ(store.takeNotice(), store.reason());
    EXPECT_TRUE(store.takeNotice().isEmpty());

    // The next start begins a new history.
    HistoryStore next;
    EXPECT_TRUE(next.open(folder())) << next.reason().toStdString();
}

// Root may write into any folder, so the read-only folder is tried by a child
// that has given up root.
bool OpensInReadOnlyFolder(const QString& parent, QString* reason)
{
    const QString folder = parent + QStringLiteral("/locked");
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(parent).constData(), 0755);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    if (::geteuid() != 0) {
        HistoryStore store;
        const bool opened = store.open(folder);
        *reason = store.reason();
        return opened;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        HistoryStore store;
        const bool opened = store.open(folder);
        ::_exit(opened ? 1 : store.reason().startsWith(QStringLiteral("History is off: ")) ? 0 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    *reason = code == 0 ? QStringLiteral("(the child was refused)") : QString();
    return code != 0;
}

TEST_F(History, UnwritablePlaceTurnsHistoryOff)
{
    {
        // A folder inside a regular file cannot be made by anyone.
        QFile plain(dir.filePath(QStringLiteral("plain")));
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        HistoryStore store;
        EXPECT_FALSE(store.open(plain.fileName() + QStringLiteral("/oralis")));
        EXPECT_TRUE(store.reason().startsWith(QStringLiteral("History is off: "))) << store.reason().toStdString();
        EXPECT_EQ(store.takeNotice(), store.reason());
    }
    QString reason;
    EXPECT_FALSE(OpensInReadOnlyFolder(folder(), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST_F(History, TwoWritersAtOnceLoseNothing)
{
    constexpr int kEach = 40;
    auto writer = [this](const QString& list, bool* ok, QString* reason) {
        HistoryStore store;
        *ok = store.open(folder());
        const int session = store.startSession(list, QDateTime::currentDateTimeUtc());
        for (int i = 0; i < kEach && *ok; ++i)
            *ok = store.record(session, Made(list + QString::number(i), Verdict::Wrong, {{S::A, S::I, false}}));
        *reason = store.reason();
    };
    bool firstOk = false, secondOk = false;
    QString firstReason, secondReason;
    std::thread first(writer, QStringLiteral("one"), &firstOk, &firstReason);
    std::thread second(writer, QStringLiteral("two"), &secondOk, &secondReason);
    first.join();
    second.join();
    EXPECT_TRUE(firstOk) << firstReason.toStdString();
    EXPECT_TRUE(secondOk) << secondReason.toStdString();

    HistoryStore store;
    ASSERT_TRUE(store.open(folder()));
    const std::vector<SessionScore> scores = store.sessionScores();
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_EQ(scores[0].attempts + scores[1].attempts, 2 * kEach);
    EXPECT_EQ(store.cards().size(), static_cast<size_t>(2 * kEach));
    EXPECT_EQ(store.confusions(1).at(0).times, 2 * kEach);
}

}  // namespace
