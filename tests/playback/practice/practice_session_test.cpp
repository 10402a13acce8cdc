#include "ShippedData.h"
#include "playback/PracticeSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::ShippedTable;

namespace {

const QString kSpeed = QStringLiteral("500");

// The first column of what `query` finds in the history file at `path`.
QList<int> Stored(const QString& path, const QString& query)
{
    QList<int> values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(query, db);
        while (q.next())
            values << q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return values;
}

// A session of one word, shown and ready for an answer.
PracticeSession ShownWord(const PracticeWord& word)
{
    PracticeSession session({word}, u"l"_qs, nullptr, QDateTime::currentDateTime());
    EXPECT_TRUE(session.begin(ShippedTable(), kSpeed, nullptr));
    session.shown();
    return session;
}

TEST(PracticeSession, TurnsJudgeRecordAndScore)
{
    const struct {
        PracticeWord word;
        int replays;
        const char16_t* answer;  // null: skipped
        const char16_t* reading;
        Verdict verdict;
    } turns[] = {
        {{u"ﾏﾄﾞ"_qs, u"窓"_qs}, 2, u"孫", u"ﾏｺﾞ", Verdict::Lookalike},
        {{u"ｻｶﾅ"_qs, u"魚"_qs}, 0, u"さかな", u"ｻｶﾅ", Verdict::Correct},
        {{u"ｺｳｺｳ"_qs, u"高校"_qs}, 1, u"高校", u"", Verdict::Correct},  // the display text
        {{u"ｶｻ"_qs, u"傘"_qs}, 0, nullptr, nullptr, Verdict::Skipped},
    };
    // As in the program: Qt frees what the history's own thread used only
    // when an application object exists.
    static int argc = 1;
    static char name[] = "practice_session_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    HistoryStore history(std::chrono::seconds(20));
    ASSERT_TRUE(history.open(dir.path()));
    const QDateTime start = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    std::vector<PracticeWord> words;
    for (const auto& t : turns)
        words.push_back(t.word);
    PracticeSession session(words, u"level2"_qs, &history, start);

    int n = 0;
    for (const auto& t : turns) {
        SCOPED_TRACE(n);
        ASSERT_EQ(session.phase(), PracticeSession::Phase::Watching);
        ASSERT_EQ(session.current()->display, t.word.display);
        ASSERT_TRUE(session.begin(ShippedTable(), kSpeed, nullptr));
        session.shown();
        for (int r = 0; r < t.replays; ++r)
            session.replayed();
        const QDateTime at = start.addSecs(20 * ++n);
        const AnswerVerdict* v = t.answer
            ? session.judge(QString::fromUtf16(t.answer), QString::fromUtf16(t.reading), ShippedTable(), nullptr, at)
            : session.skip(nullptr, at);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->kind, t.verdict);
        // Judged once: a second Return goes on, it does not judge again.
        EXPECT_FALSE(session.judge(u"x"_qs, u"ｶ"_qs, ShippedTable(), nullptr, at));
        session.replayed();  // study after the verdict is not counted
        session.goOn();
    }
    EXPECT_EQ(session.phase(), PracticeSession::Phase::Finished);
    EXPECT_EQ(session.current(), nullptr);
    EXPECT_EQ(ScoreText(session), u"Score: 3 / 4 · time 1:20 · most often misread: あ"_qs);
    ASSERT_TRUE(history.flush(std::chrono::seconds(20)));
    EXPECT_EQ(Stored(history.path(), u"SELECT replays FROM attempts ORDER BY id"_qs), (QList<int>{2, 0, 1, 0}));
    ASSERT_EQ(history.sessionScores().size(), 1u);
    EXPECT_EQ(history.sessionScores()[0].right, 3);
}

// Return after a verdict, pressed twice, reaches the next turn as an empty
// answer; a learner typing before the word is played has seen nothing yet.
TEST(PracticeSession, TakesNoAnswerBeforeTheWordIsShownAndNoBlankOne)
{
    PracticeSession session({{u"ﾏﾄﾞ"_qs, u"窓"_qs}}, u"l"_qs, nullptr, QDateTime::currentDateTime());
    ASSERT_TRUE(session.begin(ShippedTable(), kSpeed, nullptr));
    EXPECT_FALSE(session.judge(u"まど"_qs, u"ﾏﾄﾞ"_qs, ShippedTable(), nullptr, QDateTime::currentDateTime()));
    EXPECT_FALSE(session.skip(nullptr, QDateTime::currentDateTime()));
    session.shown();
    EXPECT_FALSE(session.judge(u" "_qs, QString(), ShippedTable(), nullptr, QDateTime::currentDateTime()));
    EXPECT_EQ(session.phase(), PracticeSession::Phase::Watching);
    EXPECT_TRUE(session.judge(u"まど"_qs, u"ﾏﾄﾞ"_qs, ShippedTable(), nullptr, QDateTime::currentDateTime()));
}

TEST(PracticeSession, RefusesAnAnswerLongerThanAnyWordThatPlays)
{
    PracticeSession session = ShownWord({u"ﾏﾄﾞ"_qs, u"窓"_qs});
    QString why;
    EXPECT_FALSE(session.judge(u"long"_qs, QString(33, u'ｶ'), ShippedTable(), nullptr, QDateTime::currentDateTime(),
                               &why));
    EXPECT_EQ(why, u"The answer is too long (at most 32 syllables)"_qs);
    EXPECT_EQ(session.phase(), PracticeSession::Phase::Watching);
    EXPECT_TRUE(session.judge(u"long"_qs, QString(32, u'ｶ'), ShippedTable(), nullptr, QDateTime::currentDateTime()));
}

TEST(PracticeSession, WrongAnswerLinesTheSyllablesUpWithTheirShapes)
{
    PracticeSession session = ShownWord({u"ﾏﾄﾞ"_qs, u"窓"_qs});
    const AnswerVerdict* v = session.judge(u"まつ"_qs, u"ﾏﾂ"_qs, ShippedTable(), nullptr, QDateTime::currentDateTime());
    ASSERT_TRUE(v);
    EXPECT_EQ(VerdictText(*v, *session.current(), u"まつ"_qs), u"Wrong: it was 窓 (ﾏﾄﾞ)"_qs);
    EXPECT_EQ(DiffText(*v), u"ﾏ  [ﾄﾞ→ﾂ]\nﾄﾞ (お) read as ﾂ (う)"_qs);
}

TEST(PracticeSession, ShapeAccuracyCoversTheSmallTsuAndTheSyllabicN)
{
    const std::vector<ShapeAccuracy> accuracy{
        {BasicShape::A, 2, 2}, {BasicShape::Geminate, 1, 0}, {BasicShape::SyllabicN, 4, 3}};
    EXPECT_EQ(ShapeAccuracyLines(accuracy),
              (QStringList{u"あ: 100% right (2 of 2)"_qs, u"促音: 0% right (0 of 1)"_qs, u"撥音: 75% right (3 of 4)"_qs}));
}

TEST(PracticeSession, DrawLeavesOutWordsThatCannotBePlayed)
{
    WordList list;
    list.readings = {u"abc"_qs, u"ｻｶﾅ"_qs};
    list.displays = {u"abc"_qs, u"魚"_qs};
    HistoryStore off;  // never opened: no cards, every word new
    QRandomGenerator random(7);
    const std::optional<PlaybackPlan> start = BeginPlan(ShippedTable(), kSpeed);
    ASSERT_TRUE(start);
    const std::vector<PracticeWord> drawn = DrawPracticeWords(list, 10, off, 0, ShippedTable(), *start, random);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].display, u"魚"_qs);
}

TEST(PracticeSession, StarterLoadsTheListDrawsTheCountAndSaysWhyItCannot)
{
    QTemporaryDir dir;
    // The learner's real history stays untouched.
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    const auto list = [&](const char* name, const QByteArray& lines) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lines);
        return f.fileName();
    };
    const QString three = list("three.txt", "ﾏﾄﾞ,窓\nｻｶﾅ,魚\nｶｻ,傘\n");
    const QString notKana = list("latin.txt", "abc,abc\n");
    const struct {
        QString path;
        const char* count;
        const char* speed;
        int drawn;  // 0: refused
        const char* message;
        const char16_t* learner = u"花子";
    } cases[] = {
        {three, "2", "500", 2, ""},
        {three, "3", "500", 3, ""},
        {three, "0", "500", 0, "Choose a number of words from 1 to 3"},
        {three, "4", "500", 0, "Choose a number of words from 1 to 3"},
        {three, "2.5", "500", 0, "Choose a number of words from 1 to 3"},
        {dir.filePath(u"absent.txt"_qs), "2", "500", 0, "Word list not loaded"},
        {list("empty.txt", ""), "2", "500", 0, "Word list not loaded"},
        {notKana, "1", "500", 0, "No word of this list can be played"},
        {three, "2", "0", 0, "Speed must be a number above 0"},
        {three, "2", "500", 0, "A learner needs a name.", u" "},
    };
    PracticeStarter starter(7);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString() + " " + c.count + " " + c.speed);
        QString why;
        const bool started = starter.start(c.path, u"list"_qs, QString::fromUtf16(c.learner), QString::fromLatin1(c.count),
                                           ShippedTable(), QString::fromLatin1(c.speed), QDateTime::currentDateTime(),
                                           &why);
        EXPECT_EQ(started, c.drawn > 0);
        EXPECT_EQ(why.left(qstrlen(c.message)).toStdString(), c.message);
        if (started) {
            EXPECT_EQ(starter.session()->count(), c.drawn);
            EXPECT_EQ(starter.lookalikes()->size(), 3);
        }
    }
    EXPECT_TRUE(starter.history().isOn());
    EXPECT_EQ(starter.learners().front(), u"花子"_qs);
    // None of those sessions was answered: none is stored.
    ASSERT_TRUE(starter.history().flush(std::chrono::seconds(20)));
    EXPECT_EQ(Stored(starter.history().path(), u"SELECT COUNT(*) FROM sessions"_qs), QList<int>{0});
}

}  // namespace
