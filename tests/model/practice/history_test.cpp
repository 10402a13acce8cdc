#include "history_support.h"
#include "model/History.h"
#include "model/history/HistoryDatabase.h"
#include "model/history/HistoryWorker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <chrono>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace oralis;
using namespace oralis::testing;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

using S = BasicShape;
using Kind = HistoryNotice::Kind;

// The tests that concern the SQLite file alone.
class History : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MakeApplication(); }

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

// Runs `sql` on `path` through a connection of the test's own; the first
// column of every row, as text.
QStringList Query(const QString& path, const QString& sql)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql)) {
                while (q.next())
                    rows << q.value(0).toString();
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return rows;
}

int UserVersion(const QString& path)
{
    const QStringList rows = Query(path, QStringLiteral("PRAGMA user_version"));
    return rows.isEmpty() ? -1 : rows[0].toInt();
}

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using Store = EngineTest;

TEST_P(Store, KeepsAttemptsAcrossReopening)
{
    {
        HistoryStore store(kLong);
        ASSERT_TRUE(store.open(place())) << store.reason().toStdString();
        EXPECT_TRUE(store.takeNotice().isEmpty());
        EXPECT_EQ(store.path(), onServer() ? QString() : dir.filePath(kHistoryFileName));
        const int one = store.startSession(QStringLiteral("JSLdefault"), QDateTime(QDate(2025, 3, 1), QTime(10, 0), Qt::UTC));
        ASSERT_GT(one, 0);
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ﾏﾄﾞ"), Verdict::Correct, {{S::Closed, S::Closed, true}, {S::O, S::O, true}})));
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ｺｺ"), Verdict::Wrong, {{S::O, S::U, false}, {S::O, S::O, true}}, 1)));
        EXPECT_TRUE(store.record(one, Made(QStringLiteral("ﾊｼ"), Verdict::Skipped, {{S::A, {}, false}, {S::I, {}, false}}, 3)));
    }
    EXPECT_EQ(query(onServer() ? u"SELECT version FROM oralis_schema"_qs : u"PRAGMA user_version"_qs),
              QStringList{QString::number(kHistorySchemaVersion)});

    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(place())) << store.reason().toStdString();
    const int two = store.startSession(QStringLiteral("food"), QDateTime(QDate(2025, 3, 2), QTime(9, 0), Qt::UTC));
    EXPECT_TRUE(store.record(two, Made(QStringLiteral("ｺｺ"), Verdict::Lookalike, {{S::O, S::O, true}, {S::O, S::O, true}})));

    const std::vector<SessionScore> scores = store.sessionScores();
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_EQ(scores[0].attempts, 3);
    EXPECT_EQ(scores[0].right, 1);
    EXPECT_EQ(scores[0].replays, 6);
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

// The history keeps the cards and the confusions its attempts make.
TEST_P(Store, AdvancesTheCardItFindsAndKnowsNoConfusionWithinAShape)
{
    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(place())) << store.reason().toStdString();
    const QDateTime at = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    auto attempt = [&](const char16_t* reading, Verdict verdict, std::vector<SyllableOutcome> syllables) {
        return Attempt{at, QStringLiteral("list"), QString::fromUtf16(reading), QStringLiteral("word"),
                       QString(), QString(), verdict, 0, QStringLiteral("500"), std::move(syllables)};
    };
    int session = 0;
    for (int i = 0; i < 3; ++i) {
        session = store.startSession(QStringLiteral("list"), at);
        ASSERT_TRUE(store.record(session, attempt(u"ﾄ", Verdict::Correct, {{S::O, S::O, true}})));
    }
    // Read right three times: from box 2 (new) to 3, then 4.
    EXPECT_EQ(store.cards().at({QStringLiteral("ﾄ"), QStringLiteral("word")}), (ReviewCard{4, session + 8}));

    // ﾄﾏ read as ｺﾌ: ﾄ taken for ｺ, which looks the same; ﾏ for ﾌ, which does not.
    ASSERT_TRUE(store.record(session, attempt(u"ﾄﾏ", Verdict::Wrong, {{S::O, S::O, false}, {S::Closed, S::U, false}})));
    const std::vector<Confusion> confusions = store.confusions(5);
    ASSERT_EQ(confusions.size(), 1u);
    EXPECT_EQ(ConfusionText(confusions[0]), QStringLiteral("閉じた口 read as う: 1 time"));
}

TEST_F(History, DamagedFileIsKeptAsideAndHistoryTurnsOff)
{
    const QByteArray junk(4096, 'x');
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    HistoryStore store(kLong);
    EXPECT_FALSE(store.open(folder()));
    EXPECT_FALSE(store.isOn());
    EXPECT_TRUE(store.reason().contains(QStringLiteral("damaged"))) << store.reason().toStdString();
    EXPECT_FALSE(store.record(1, Made(QStringLiteral("ｱ"), Verdict::Correct, {})));

    const QStringList kept = QDir(folder()).entryList({kHistoryFileName + QStringLiteral(".damaged-*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(store.reason().contains(kept[0]));
    EXPECT_EQ(Bytes(QDir(folder()).filePath(kept[0])), junk);
    EXPECT_FALSE(QFile::exists(file()));

    // Told once.
    EXPECT_EQ(store.takeNotice().message, store.reason());
    EXPECT_TRUE(store.takeNotice().isEmpty());

    // The next session begins a new history.
    EXPECT_GT(store.startSession(QStringLiteral("x"), QDateTime::currentDateTime()), 0);
    EXPECT_TRUE(store.isOn()) << store.reason().toStdString();
    EXPECT_TRUE(store.flush(kLong));
    EXPECT_EQ(UserVersion(file()), kHistorySchemaVersion);
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
        HistoryStore store(kLong);
        const bool opened = store.open(folder);
        *reason = store.reason();
        return opened;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        HistoryStore store(kLong);
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
        HistoryStore store(kLong);
        EXPECT_FALSE(store.open(plain.fileName() + QStringLiteral("/oralis")));
        EXPECT_TRUE(store.reason().startsWith(QStringLiteral("History is off: "))) << store.reason().toStdString();
        EXPECT_EQ(store.takeNotice().message, store.reason());
    }
    QString reason;
    EXPECT_FALSE(OpensInReadOnlyFolder(folder(), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

// A write sent again (its answer lost on the way) and an attempt of a
// session the history never got.
TEST_P(Store, AWriteSentAgainIsStoredOnce)
{
    history::Database db(place());
    HistoryNotice why;
    ASSERT_EQ(db.open(&why), history::Outcome::Done) << why.details.toStdString();
    history::Write session;
    session.kind = history::Write::Kind::Session;
    session.id = u"session-1"_qs;
    session.learner = u"花子"_qs;
    session.list = u"l"_qs;
    session.at = QDateTime::currentDateTimeUtc();
    history::Write attempt;
    attempt.id = u"attempt-1"_qs;
    attempt.session = session.id;
    attempt.attempt = Made(u"ﾏﾄﾞ"_qs, Verdict::Correct, {{S::Closed, S::Closed, true}});
    history::Write orphan = attempt;
    orphan.id = u"attempt-2"_qs;
    orphan.session = u"never-started"_qs;
    history::Database::Session stored;
    for (const history::Write* w : {&session, &attempt, &session, &attempt, &orphan})
        EXPECT_EQ(db.write(*w, &stored, &why), history::Outcome::Done) << why.details.toStdString();
    EXPECT_EQ(stored.number, 1);
    for (const char* table : {"sessions", "attempts", "syllables", "review"})
        EXPECT_EQ(query(u"SELECT COUNT(*) FROM "_qs + QLatin1String(table)), QStringList{u"1"_qs}) << table;
    EXPECT_EQ(query(u"SELECT box FROM review"_qs), QStringList{u"2"_qs});  // moved once
}

// Four programs store answers of one learner at once, each the same words in
// the same order, each word read right: every answer is there once, and
// every card went up once per answer (new and right: box 2, then 3, 4, 5).
TEST_P(Store, FourProgramsWritingOneLearnerLoseAndDoubleNothing)
{
    constexpr int kWords = 25;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < 4; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::MergedChannels);
        writers.back()->start(QStringLiteral(HISTORY_WRITER),
                              {folder(), setting(), u"共有"_qs, QString::number(kWords)});
    }
    for (auto& writer : writers)
        ASSERT_TRUE(writer->waitForReadyRead(60000));
    for (auto& writer : writers) {
        writer->write("go\n");
        writer->waitForBytesWritten();
    }
    for (auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAll().toStdString();
    }
    EXPECT_EQ(query(u"SELECT COUNT(*) FROM attempts"_qs), QStringList{QString::number(4 * kWords)});
    EXPECT_EQ(query(u"SELECT COUNT(DISTINCT uuid) FROM attempts"_qs), QStringList{QString::number(4 * kWords)});
    EXPECT_EQ(query(u"SELECT number FROM sessions ORDER BY number"_qs), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}));
    EXPECT_EQ(query(u"SELECT box, COUNT(*) FROM review GROUP BY box"_qs), QStringList{u"5"_qs});
    EXPECT_EQ(query(u"SELECT COUNT(*) FROM review"_qs), QStringList{QString::number(kWords)});
}

// Three learners as the teacher's overview shows them, and their answers as
// one CSV file.
TEST_P(Store, OverviewShowsEveryLearnerOfTheClass)
{
    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(place())) << store.reason().toStdString();
    const auto practise = [&](const QString& learner, std::vector<Attempt> attempts) {
        ASSERT_TRUE(store.setLearner(learner));
        const int session = store.startSession(u"l"_qs, QDateTime::currentDateTimeUtc());
        for (const Attempt& a : attempts)
            ASSERT_TRUE(store.record(session, a));
    };
    const Attempt window = Made(u"ﾏﾄﾞ"_qs, Verdict::Correct, {{S::Closed, S::Closed, true}, {S::O, S::O, true}});
    practise(u"花子"_qs, {window, Made(u"ｺｺ"_qs, Verdict::Wrong, {{S::O, S::U, false}, {S::O, S::O, true}}, 1)});
    practise(u"花子"_qs, {window, Made(u"ﾊｼ"_qs, Verdict::Lookalike, {{S::A, S::A, true}, {S::I, S::I, true}}, 5)});
    practise(u"太郎"_qs, {Made(u"ｶｻ"_qs, Verdict::Wrong, {{S::A, S::E, false}, {S::A, S::A, true}}, 7)});
    practise(u"次郎"_qs, {});
    ASSERT_TRUE(store.flush(kLong));

    QObject context;
    std::optional<std::pair<std::vector<LearnerOverview>, QString>> answer;
    store.readOverview(&context, [&](std::vector<LearnerOverview> learners, QString failure) {
        answer.emplace(std::move(learners), failure);
    });
    const auto deadline = std::chrono::steady_clock::now() + kLong;
    while (!answer && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->second.isEmpty()) << answer->second.toStdString();
    std::vector<QStringList> cells;
    for (const LearnerOverview& l : answer->first)
        cells.push_back(OverviewCells(l));
    EXPECT_EQ(cells, (std::vector<QStringList>{
                         {u"太郎"_qs, u"1"_qs, u"2025-03-01 19:07"_qs, u"0 %"_qs, u"あ 50 %"_qs, u"あ as え (1)"_qs},
                         {u"次郎"_qs, u"0"_qs, u"never"_qs, {}, {}, {}},
                         {u"花子"_qs, u"2"_qs, u"2025-03-01 19:05"_qs, u"50 → 100 %"_qs, u"お 75 %"_qs,
                          u"お as う (1)"_qs},
                     }));

    const QString csv = dir.filePath(u"class.csv"_qs);
    ASSERT_TRUE(store.exportClass(csv));
    EXPECT_EQ(NextNotice(store).kind, Kind::Exported);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_qs, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], u"learner,date,list,word,reading,answer,verdict,replays,speed"_qs);
    EXPECT_TRUE(lines[5].startsWith(u"太郎,2025-03-01 19:07:00,JSLdefault,ｶｻ!"_qs)) << lines[5].toStdString();

    // On a server, whose learners are the whole class's, the learner chosen
    // last belongs to the computer; a file's is whoever practised last.
    ASSERT_TRUE(store.setLearner(u"花子"_qs));
    HistoryStore again(kLong);
    ASSERT_TRUE(again.open(place()));
    EXPECT_EQ(again.learner(), onServer() ? u"花子"_qs : u"次郎"_qs);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, Store, ::testing::Values(Engine::SQLite, Engine::PostgreSQL), EngineName);

// A history as the version before learners wrote it (two sessions, five
// attempts, three review cards), made by that version's own store.
class Version1History : public History {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VERSION1_HISTORY), file()));
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
    }
};

TEST_F(Version1History, EveryAttemptGoesToTheLoginNameAndCardsStayDue)
{
    const QString login = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    {
        HistoryStore store(kLong);
        ASSERT_TRUE(store.open(folder())) << store.reason().toStdString();
        EXPECT_EQ(UserVersion(file()), kHistorySchemaVersion);
        EXPECT_EQ(store.learners(), QStringList{login});
        const std::vector<SessionScore> scores = store.sessionScores();
        ASSERT_EQ(scores.size(), 2u);
        EXPECT_EQ((std::pair{scores[0].session, scores[0].attempts}), (std::pair{1, 3}));
        EXPECT_EQ((std::pair{scores[1].session, scores[1].right}), (std::pair{2, 2}));
        EXPECT_EQ(store.confusions(5).at(0).times, 2);  // お read as う
        const ReviewCards kept = store.cards();
        EXPECT_EQ(kept, (ReviewCards{{{u"ﾊｼ"_qs, u"橋"_qs}, {1, 2}},
                                     {{u"ｺｺ"_qs, u"ここ"_qs}, {2, 4}},
                                     {{u"ﾏﾄﾞ"_qs, u"窓"_qs}, {3, 6}}}));

        // The first learner goes on counting; a second one starts afresh.
        const int third = store.startSession(u"food"_qs, QDateTime::currentDateTimeUtc());
        EXPECT_EQ(third, 3);
        Attempt a = Made(u"ﾊｼ"_qs, Verdict::Correct, {{S::A, S::A, true}, {S::I, S::I, true}});
        a.display = u"橋"_qs;
        EXPECT_TRUE(store.record(third, a));
        ASSERT_TRUE(store.flush(kLong));
        EXPECT_EQ(store.cards().at({u"ﾊｼ"_qs, u"橋"_qs}), (ReviewCard{2, 5}));

        for (const QString& refused : {u" "_qs, u"a\nb"_qs, QString(HistoryStore::kMaxLearnerName + 1, u'x')})
            EXPECT_FALSE(store.setLearner(refused)) << refused.toStdString();
        EXPECT_TRUE(store.setLearner(u" 花子 "_qs));
        EXPECT_EQ(store.learners(), (QStringList{u"花子"_qs, login}));
        EXPECT_TRUE(store.cards().empty());
        EXPECT_EQ(store.startSession(u"food"_qs, QDateTime::currentDateTimeUtc()), 1);
    }
    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(folder()));
    EXPECT_EQ(store.learner(), u"花子"_qs);  // practised last
    EXPECT_EQ(store.learners(), (QStringList{u"花子"_qs, login}));
}

TEST_F(Version1History, ExportIsOneCsvRowPerAttemptOfTheLearner)
{
    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(folder()));
    const int session = store.startSession(u"food"_qs, QDateTime::currentDateTimeUtc());
    Attempt formula = Made(u"ｱ"_qs, Verdict::Wrong, {});
    formula.at = QDateTime(QDate(2025, 3, 3), QTime(8, 0), Qt::UTC);
    formula.answer = u"=1+2"_qs;
    formula.list = u"day 1, food"_qs;
    EXPECT_TRUE(store.record(session, formula));
    const QString csv = dir.filePath(u"results.csv"_qs);
    EXPECT_TRUE(store.exportAttempts(csv));
    const HistoryNotice done = NextNotice(store);
    EXPECT_EQ(done.kind, Kind::Exported) << done.message.toStdString();
    // Stored in UTC, shown in the learner's time (the suite runs in Tokyo's).
    EXPECT_EQ(Bytes(csv).toStdString(),
              u"\uFEFFdate,list,word,reading,answer,verdict,replays,speed\r\n"
              "2025-03-01 19:01:00,JSLdefault,窓,ﾏﾄﾞ,窓,correct,0,500\r\n"
              "2025-03-01 19:02:00,JSLdefault,ここ,ｺｺ,\"くつ, \"\"靴\"\"\",wrong,2,500\r\n"
              "2025-03-01 19:03:00,JSLdefault,橋,ﾊｼ,,skipped,1,500\r\n"
              "2025-03-02 19:01:00,food,ここ,ｺｺ,ここ,correct,0,500\r\n"
              "2025-03-02 19:02:00,food,窓,ﾏﾄﾞ,孫,looks the same,3,500\r\n"
              "2025-03-03 17:00:00,\"day 1, food\",ｱ!,ｱ,'=1+2,wrong,2,500\r\n"_qs.toUtf8()
                  .toStdString());

    // Another learner has nothing to export yet: the header alone.
    ASSERT_TRUE(store.setLearner(u"花子"_qs));
    EXPECT_TRUE(store.exportAttempts(csv));
    EXPECT_EQ(NextNotice(store).kind, Kind::Exported);
    EXPECT_EQ(Bytes(csv).count('\n'), 1);
}

// Another program holds the database for longer than a write waits: the
// answers are kept in order, the window never waits, and once the lock is
// gone every answer is there once.
TEST_F(History, LockedHistoryKeepsAnswersUntilItIsFree)
{
    HistoryStore store(kLong);
    ASSERT_TRUE(store.open(folder()));
    const int session = store.startSession(QStringLiteral("l"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(store.flush(kLong));
    QStringList readings;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(file());
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        for (int i = 0; i < 4; ++i) {
            readings << QStringLiteral("ｱ%1").arg(i);
            const auto before = std::chrono::steady_clock::now();
            EXPECT_TRUE(store.record(session, Made(readings.back(), Verdict::Correct, {{S::A, S::A, true}})));
            EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms);
            std::this_thread::sleep_for(history::kTellWaitingAfter / 2);
        }
        EXPECT_FALSE(store.flush(50ms));
        EXPECT_EQ(store.waiting(), 4);
        EXPECT_TRUE(store.isOn()) << store.reason().toStdString();
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    ASSERT_TRUE(store.flush(kLong));
    const HistoryNotice waiting = store.takeNotice();
    EXPECT_EQ(waiting.kind, Kind::Waiting);
    EXPECT_TRUE(waiting.details.contains(u"database is locked"_qs)) << waiting.details.toStdString();
    EXPECT_EQ(store.takeNotice().kind, Kind::Stored);
    EXPECT_TRUE(store.takeNotice().isEmpty());
    EXPECT_EQ(Query(file(), QStringLiteral("SELECT reading FROM attempts ORDER BY id")), readings);
}

// Quitting while another program holds the history: the answers are kept
// on the computer at once, not waited for, and the next program stores them.
TEST_F(History, QuittingWhileLockedLosesNoAnswer)
{
    QStringList readings;
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    {
        auto store = std::make_unique<HistoryStore>(kLong);
        ASSERT_TRUE(store->open(folder()));
        const int session = store->startSession(QStringLiteral("l"), QDateTime::currentDateTimeUtc());
        ASSERT_TRUE(store->flush(kLong));
        other.setDatabaseName(file());
        ASSERT_TRUE(other.open());
        ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        for (int i = 0; i < 3; ++i) {
            readings << QStringLiteral("ｲ%1").arg(i);
            EXPECT_TRUE(store->record(session, Made(readings.back(), Verdict::Wrong, {{S::I, S::E, false}})));
        }
        const auto before = std::chrono::steady_clock::now();
        store.reset();
        EXPECT_LT(std::chrono::steady_clock::now() - before, 500ms);
    }
    ASSERT_TRUE(QSqlQuery(other).exec(QStringLiteral("COMMIT")));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    HistoryStore next(kLong);
    ASSERT_TRUE(next.open(folder()));
    ASSERT_TRUE(next.flush(kLong));
    EXPECT_EQ(Query(file(), QStringLiteral("SELECT reading FROM attempts ORDER BY id")), readings);
    EXPECT_EQ(next.cards().size(), 3u);
}

// A history of a later version is not this program's to change: not even
// its journal mode.
TEST_F(History, NewerHistoryIsLeftByteForByte)
{
    Query(file(), QStringLiteral("CREATE TABLE later (x)"));
    Query(file(), QStringLiteral("PRAGMA user_version = 99"));
    const QByteArray before = Bytes(file());
    ASSERT_FALSE(before.isEmpty());
    {
        HistoryStore store(kLong);
        EXPECT_FALSE(store.open(folder()));
        EXPECT_TRUE(store.reason().contains(QStringLiteral("newer version"))) << store.reason().toStdString();
        EXPECT_EQ(store.startSession(QStringLiteral("l"), QDateTime::currentDateTimeUtc()), 0);
        EXPECT_FALSE(store.record(1, Made(QStringLiteral("ｱ"), Verdict::Correct, {})));
        EXPECT_EQ(store.takeNotice().kind, Kind::Off);
        EXPECT_TRUE(store.takeNotice().isEmpty());  // trying again at the session is not news
    }
    EXPECT_EQ(Bytes(file()), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{kHistoryFileName});
}

TEST(HistoryFailure, SaysWhatHappenedAndLeavesTheDriverToTheDetails)
{
    using history::Action;
    const struct {
        Action action;
        const char* code;
        const char* message;
    } cases[] = {
        {Action::Store, "13", "History is off: the disk is full, so answers cannot be stored."},
        {Action::Store, "8", "History is off: answers could not be stored: the history cannot be written."},
        {Action::Store, "11", "History is off: answers could not be stored: the history is damaged."},
        {Action::Store, "1", "History is off: answers could not be stored."},
        {Action::Prepare, "13", "History is off: the disk is full."},
        {Action::Prepare, "8", "History is off: the history could not be written."},
        {Action::Open, "14", "History is off: the history could not be opened."},
        {Action::Read, "5", "The history could not be read: another program keeps it locked."},
        {Action::Read, "1", "The history could not be read."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const QSqlError error(QStringLiteral("Unable to fetch row"), QStringLiteral("driver words"),
                              QSqlError::StatementError, QString::fromLatin1(c.code));
        const HistoryNotice notice = history::FailureNotice(c.action, error, QStringLiteral("/h/history.sqlite"));
        EXPECT_EQ(notice.message, QString::fromLatin1(c.message));
        EXPECT_TRUE(notice.details.contains(QStringLiteral("driver words")));
        EXPECT_TRUE(notice.details.contains(QStringLiteral("/h/history.sqlite")));
    }
}

}  // namespace
