#include "model/WordList.h"

#include "model/DataPlaces.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace oralis;

namespace {

QByteArray Utf8(const char16_t* text)
{
    return QString::fromUtf16(text).toUtf8();
}

QByteArray Encoded(const char* encoding, const char16_t* text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(QString::fromUtf16(text));
}

QStringList L(std::initializer_list<const char16_t*> items)
{
    QStringList list;
    for (const char16_t* s : items)
        list.append(QString::fromUtf16(s));
    return list;
}

TEST(WordList, ReadsBothEncodingsAndLineEnds)
{
    const char16_t* text = u"ｻｶﾅ,魚\r\nｶﾞｯｺｰ,学校\r\nｷｮｰ,今日";
    for (const QByteArray& bytes :
         {Utf8(text), Encoded("windows-31j", text), QByteArray("\xEF\xBB\xBF") + Utf8(text),
          Utf8(u"ｻｶﾅ,魚\nｶﾞｯｺｰ,学校\nｷｮｰ,今日\n"), Encoded("UTF-16LE", text), Encoded("UTF-16BE", text),
          "\xFF\xFE" + Encoded("UTF-16LE", text), "\xFE\xFF" + Encoded("UTF-16BE", text),
          Utf8(u"サカナ,魚\r\nガッコー,学校\r\nキョー,今日")}) {
        const WordList list = ParseWordList(bytes);
        EXPECT_EQ(list.readings, L({u"ｻｶﾅ", u"ｶﾞｯｺｰ", u"ｷｮｰ"}));
        EXPECT_EQ(list.displays, L({u"魚", u"学校", u"今日"}));
        EXPECT_EQ(list.skippedLines, 0);
    }
}

TEST(WordList, EmptyLineEndsTheList)
{
    const WordList list = ParseWordList(Utf8(u"ｱ,亜\r\nｲ,以\r\n\r\nｳ,宇\r\n"));
    EXPECT_EQ(list.readings, L({u"ｱ", u"ｲ"}));

    EXPECT_EQ(ParseWordList(Utf8(u"ｱ,亜\r\n  \r\nｳ,宇\r\n")).size(), 1);
    EXPECT_EQ(ParseWordList(Utf8(u"\r\nｱ,亜\r\n")).size(), 0);
    EXPECT_EQ(ParseWordList(QByteArray()).size(), 0);
}

TEST(WordList, FieldsFollowCommaSeparatedRules)
{
    const WordList list = ParseWordList(
        Utf8(u"  ｱ , 亜 \r\n\"ｲ\",\"以, 伊\"\r\nｳ,\"宇\"\"\"\r\nｴ,江,extra\r\n"));
    EXPECT_EQ(list.readings, L({u"ｱ", u"ｲ", u"ｳ", u"ｴ"}));
    EXPECT_EQ(list.displays, L({u"亜", u"以, 伊", u"宇\"", u"江"}));
}

TEST(WordList, LinesGivingNoWordAreSkippedAndNamed)
{
    const WordList list = ParseWordList(Utf8(u"ｱ,亜\r\nｲ\r\nｘ,x\r\n,江\r\nｳ,\r\nｵ,尾\r\n"));
    EXPECT_EQ(list.readings, L({u"ｱ", u"ｵ"}));
    EXPECT_EQ(list.displays, L({u"亜", u"尾"}));
    EXPECT_EQ(list.skippedLines, 4);
    EXPECT_EQ(WordListNotice(list, QStringLiteral("/x/list.txt")),
              QStringLiteral("4 lines of list.txt were skipped: line 2 has no text, line 3 cannot be played (ｘ), "
                             "line 4 has no reading, and 1 more."));
    EXPECT_EQ(WordListNotice(ParseWordList(Utf8(u"ｱ,亜\r\n")), QStringLiteral("list.txt")), QString());
    // Past the most words the quiz takes, the list says how many it took.
    const WordList cut = ParseWordList(QByteArray("\xb1,a\r\n").repeated(kMaxWords + 1));
    EXPECT_EQ(cut.size(), kMaxWords);
    EXPECT_EQ(WordListNotice(cut, QStringLiteral("list.txt")),
              QStringLiteral("Only the first 32767 words of list.txt were taken."));

    // Told once a file: loaded again, the same list says nothing.
    WordListNotices notices;
    EXPECT_FALSE(notices.once(list, QStringLiteral("/x/list.txt")).isEmpty());
    EXPECT_EQ(notices.once(list, QStringLiteral("/x/list.txt")), QString());
    EXPECT_FALSE(notices.once(list, QStringLiteral("/y/list.txt")).isEmpty());
}

TEST(WordList, FirstListThatOpensIsTaken)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const QString present = dir.filePath(QStringLiteral("JSLdefault.txt"));
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    for (const auto& [path, bytes] : {std::pair{present, Utf8(u"ｻｶﾅ,魚\r\n")},
                                      std::pair{other, Utf8(u"ｷｮｰ,今日\r\n")}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    WordList list;
    QString from;
    EXPECT_TRUE(LoadWordList({missing, present, other}, list, &from));
    EXPECT_EQ(from, present);
    EXPECT_EQ(list.readings, L({u"ｻｶﾅ"}));

    EXPECT_FALSE(LoadWordList({missing}, list, &from));
    EXPECT_TRUE(from.isEmpty());
    EXPECT_EQ(list.size(), 0);
}

// A list that is there but is no regular file, or far too large for a list,
// is refused at once, with a reason for the quiz to show, rather than read,
// waited on or passed over.
TEST(WordList, OnlyARegularFileIsRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("fifo.txt"));
    const QString folder = dir.filePath(QStringLiteral("folder.txt"));
    const QString good = dir.filePath(QStringLiteral("good.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile list(good);
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(Utf8(u"ｻｶﾅ,魚\r\n"));
    list.close();
    const QString huge = dir.filePath(QStringLiteral("huge.txt"));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(17 << 20));
    sparse.close();

    alarm(10);  // a reader that waits ends the test instead of hanging it
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {fifo, fifo + QStringLiteral(" is not a regular file")},
        {folder, folder + QStringLiteral(" is not a regular file")},
        {huge, QStringLiteral("Cannot read %1: the file is 17.0 MiB, larger than 16 MiB").arg(huge)},
    };
    for (const auto& [path, reason] : cases) {
        WordList words;
        QString from, why;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(LoadWordList({path, good}, words, &from, &why));
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(why, reason);
        EXPECT_TRUE(from.isEmpty());
        EXPECT_EQ(words.size(), 0);
    }
    alarm(0);
}

TEST(WordList, CurrentFolderComesBeforeTheUsersAndTheShipped)
{
    const QStringList places = WordListCandidates();
    ASSERT_EQ(places.size(), 4);
    EXPECT_EQ(places[0], QDir::current().filePath(QStringLiteral("JSLdefault.txt")));
    EXPECT_EQ(places[1], UserDataFolder() + QStringLiteral("JSLdefault.txt"));
}

// The practice window offers these and the study window's look-alike search
// reads them: the default list, then the themed and graded lists, all of the
// first shipped folder that has any.
TEST(WordList, ShippedListsOfTheFirstFolderThatHoldsAny)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString bin = dir.filePath(QStringLiteral("bin/"));
    const QString share = dir.filePath(QStringLiteral("share/oralis/"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(share + QStringLiteral("lists")));
    EXPECT_TRUE(ShippedWordLists(bin).isEmpty());
    for (const char* name : {"lists/b.txt", "lists/a.txt", "lists/notes.md", "JSLdefault.txt"}) {
        QFile f(share + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(ShippedWordLists(bin), (QStringList{share + QStringLiteral("JSLdefault.txt"),
                                                  share + QStringLiteral("lists/a.txt"),
                                                  share + QStringLiteral("lists/b.txt")}));
}

TEST(WordList, IndexIsTheFloorOfCountTimesValue)
{
    struct Case {
        int n;
        double r;
        int index;
    } const cases[] = {
        {1, 0.0, 0}, {1, 0.9999999, 0},
        {2, 0.0, 0}, {2, 0.4999, 0}, {2, 0.5, 1}, {2, 0.9999, 1},
        {10, 0.0, 0}, {10, 0.0999, 0}, {10, 0.1, 1}, {10, 0.95, 9},
        {10, 1.0 - 1e-16, 9},  // rounding must not reach n
        {10, 1.0, 9},          // a generator that returns 1 all the same
        {kMaxWords, 0.99999999, kMaxWords - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseWordIndex(c.n, c.r), c.index) << c.n << " x " << c.r;
}

}  // namespace
