#include "model/LipTableFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>

#include <csignal>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace oralis;

namespace {

const QByteArray kCrLf = "\r\n";
const QByteArray kTail(18, ',');

QByteArray Header(const QByteArray& sign, const QByteArray& name, const QByteArray& count)
{
    return sign + ',' + name + ',' + count + kTail + kCrLf;
}

// A frame record whose stored fields are base, base+1, ... base+20.
QByteArray Frame(int base)
{
    QByteArray line;
    for (int f = 0; f < 21; ++f)
        line += QByteArray::number(base + f) + (f < 20 ? "," : "");
    return line + kCrLf;
}

bool Same(const SignTable& a, const SignTable& b)
{
    if (a.SignCount != b.SignCount)
        return false;
    for (int s = 0; s < kSignSlots; ++s) {
        const SignEntry& x = a[s];
        const SignEntry& y = b[s];
        if (x.FrameCount() != y.FrameCount() || x.SignName != y.SignName || x.Frames.size() != y.Frames.size())
            return false;
        if (!x.Frames.empty() && std::memcmp(x.Frames.data(), y.Frames.data(), x.Frames.size() * sizeof(LipFrame)))
            return false;
    }
    return true;
}

SignTable Load(const QByteArray& bytes)
{
    SignTable table;
    QString why;
    EXPECT_EQ(LoadLipTableFromBytes(bytes, table, &why), -1) << why.toStdString();
    return table;
}

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Sign 1 named "a", two frames from Frame(10) and Frame(100).
const QByteArray kCanonical = Header("1", "a         ", "2") + Frame(10) + Frame(100);

TEST(LipTableRead, FieldsCountNotLines)
{
    const SignTable expected = Load(kCanonical);
    ASSERT_EQ(expected.SignCount, 2);
    ASSERT_EQ(expected[1].FrameCount(), 2);
    EXPECT_EQ(expected[1].SignName, QStringLiteral("a         "));
    const LipFrame& f = expected[1].Frames[1];
    EXPECT_EQ(f[0], 100);
    EXPECT_EQ(f[9], 109);
    EXPECT_EQ(f[13], 110);
    EXPECT_EQ(f[22], 119);
    EXPECT_EQ(f[26], 120);
    for (int unused : {10, 11, 12, 23, 24, 25})
        EXPECT_EQ(f[unused], 0);

    QByteArray splitFrame = Frame(100);
    splitFrame.replace("105,", "105\r\n");
    QByteArray oneLine = kCanonical;
    oneLine.replace(kTail + kCrLf, kTail + ",");  // header and first frame on one line
    const struct {
        const char* what;
        QByteArray bytes;
    } variants[] = {
        {"header split over two lines", "1,a\r\n2" + kTail + kCrLf + Frame(10) + Frame(100)},
        {"frame split over two lines", Header("1", "a", "2") + Frame(10) + splitFrame},
        {"two records on one line", oneLine},
        {"LF line ends", QByteArray(kCanonical).replace("\r\n", "\n")},
        {"CR line ends", QByteArray(kCanonical).replace("\r\n", "\r")},
        {"blank lines and a Ctrl-Z", "\r\n" + Header("1", "a", "2") + "  \r\n" + Frame(10) + Frame(100) + "\r\n\n\x1a"},
        {"quoted name, blanks before fields", Header(" 1", "  \"a\"", " 2") + Frame(10) + Frame(100)},
        {"digits with letters and blanks", Header("1x", "a", "2.0 frames") + Frame(10) + Frame(100)},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.what);
        // A blank line of each length first: the reader takes the bytes in
        // pieces, and every line end and field must read the same wherever
        // a piece ends.
        for (int blanks = 0; blanks < 64; ++blanks)
            EXPECT_TRUE(Same(Load(QByteArray(blanks, ' ') + "\n" + v.bytes), expected)) << blanks;
    }
}

TEST(LipTableRead, QuotedFieldsMayHoldCommasAndLineEnds)
{
    const SignTable t = Load(Header("0", "\"b,c\r\nd\"tail", "1") + Frame(0));
    EXPECT_EQ(t[0].SignName, QStringLiteral("b,c\r\nd    "));
    EXPECT_EQ(t[0].Frames[0][26], 20);
}

TEST(LipTableRead, FieldsOfLettersReadAsZeroAndTheLastFieldKeepsItsSign)
{
    QByteArray frame = Frame(1);
    frame.replace("1,2,", "NaN,abc,").replace("21\r\n", "-0.25 \r\n");
    const LipFrame f = Load(Header("0", "x", "1") + frame)[0].Frames[0];
    EXPECT_EQ(f[0], 0);
    EXPECT_EQ(f[1], 0);
    EXPECT_EQ(f[2], 3);
    EXPECT_EQ(f[26], -0.25f);
}

// Signs are known by their numbers wherever they stand, and the count is the
// highest number read plus one, so a table saved in any order loses no sign.
TEST(LipTableRead, SignCountIsTheHighestSignNumberReadPlusOne)
{
    const QByteArray bytes = Header("5", "five", "1") + Frame(5) + Header("2", "two", "2") + Frame(20) + Frame(21)
        + Header("0", "rest", "1") + Frame(0);
    const SignTable t = Load(bytes);
    EXPECT_EQ(t.SignCount, 6);
    EXPECT_EQ(t[2].SignName, QStringLiteral("two       "));
    EXPECT_EQ(t[2].Frames[1][0], 21);
    EXPECT_EQ(t[5].Frames[0][0], 5);
    EXPECT_EQ(t[0].Frames[0][0], 0);
    EXPECT_TRUE(FormatLipTable(t).startsWith(Header("0", "rest      ", "1")));

    EXPECT_EQ(Load("").SignCount, 1);
    EXPECT_EQ(Load("\r\n  \r\n\n").SignCount, 1);
}

TEST(LipTableRead, AFailedLoadChangesNothingAndSaysWhere)
{
    SignTable before = Load(Header("0", "keep", "1") + Frame(7) + Header("6", "six", "1") + Frame(8));
    before[3].SignName = FixedSignName(QStringLiteral("edited"));
    const QByteArray good = Header("0", "new", "1") + Frame(1);  // lines 1 and 2
    QByteArray hugeField = Frame(1);
    hugeField.replace(",5,", ",1E999,");
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {good + Header("3", "x", "0") + Frame(1), "line 3: frame count 0 of sign 3 (must be 1 to 32767)"},
        {good + Header("3", "x", "40000") + Frame(1), "line 3: frame count 40000 of sign 3"},
        {good + Header("3", "x", "-2") + Frame(1), "line 3: frame count -2 of sign 3"},
        {good + Header("257", "x", "1") + Frame(1), "line 3: sign number 257 (must be 0 to 256)"},
        {good + Header("-1", "x", "1") + Frame(1), "line 3: sign number -1"},
        {good + Header("1E9", "x", "1") + Frame(1), "line 3: sign number 1E9"},
        {good + Header("3", "x", "1") + hugeField, "line 4: value 1E999 in field 5 of frame 0 of sign 3"},
        {good + Header("3", "x", "2") + Frame(1), "line 4: the file ends inside frame 1 of sign 3"},
        {good + Header("3", "x", "1") + Frame(1).left(20), "line 4: the file ends inside frame 0 of sign 3"},
        {good + "3,x", "line 3: the file ends inside a sign's header"},
        {good + Header("3", "x", "1") + Frame(1).chopped(2), "line 4: the file ends inside frame 0 of sign 3"},
        {good + Header("3", "x", "1") + Frame(1).chopped(3), "line 4: the file ends inside frame 0 of sign 3"},
        {good + Header("3", "x", "1") + Frame(1) + Header("0", "again", "1") + Frame(1),
         "line 5: sign 0 comes twice (first on line 1)"},
        {QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(QString::fromLatin1(good).utf16()),
                                            2 * good.size()),
         "the file is in UTF-16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        SignTable table = before;
        QString why;
        EXPECT_EQ(LoadLipTableFromBytes(c.bytes, table, &why), 0);
        EXPECT_TRUE(why.startsWith(QString::fromLatin1(c.reason))) << why.toStdString();
        EXPECT_TRUE(Same(table, before));
    }
}

TEST(LipTableRead, AFieldIsQuotedShortInTheReason)
{
    QByteArray frame = Frame(1);
    frame.replace(",5,", "," + QByteArray(10'000'000, '9') + ",");
    SignTable table;
    QString why;
    EXPECT_EQ(LoadLipTableFromBytes(Header("0", "x", "1") + frame, table, &why), 0);
    EXPECT_EQ(why, QStringLiteral("line 2: value %1… in field 5 of frame 0 of sign 0 is out of range")
                       .arg(QString(40, QLatin1Char('9'))));
}

TEST(LipTableRead, JapaneseNamesInUtf8AndCp932)
{
    const QString name = QStringLiteral("ア行        ");
    const QByteArray cp932 = "\x83\x41\x8d\x73";
    const QByteArray utf8 = "\xe3\x82\xa2\xe8\xa1\x8c";
    EXPECT_EQ(Load(Header("0", cp932, "1") + Frame(0))[0].SignName, name);
    EXPECT_EQ(Load(Header("0", utf8, "1") + Frame(0))[0].SignName, name);
    EXPECT_EQ(Load("\xef\xbb\xbf" + Header("0", utf8, "1") + Frame(0))[0].SignName, name);
    // Half-width katakana are single bytes in CP932.
    EXPECT_EQ(Load(Header("0", "\xb1\xb2", "1") + Frame(0))[0].SignName, QStringLiteral("ｱｲ        "));
    // A byte CP932 cannot decode costs one character, not the table.
    const SignTable t = Load(Header("0", "\x83\x41\xfd", "1") + Frame(0));
    EXPECT_EQ(t[0].SignName, QStringLiteral("ア\uFFFD        "));
    EXPECT_EQ(t[0].Frames[0][26], 20);
    EXPECT_TRUE(FormatLipTable(t).startsWith("0,\x83\x41?        ,1,"));
}

SignTable SampleTable()
{
    SignTable t;
    // Values of up to six digits read back from their seven-digit text exactly.
    const float values[] = {1, 0.5f, -12.25f, 1e-5f, 1.5e7f, 0.123456f, -98765.4f, 3.14159e20f, 0.000101f, -0.25f, 7};
    int next = 0;
    for (int s : {0, 1, 4}) {
        t[s].SignName = FixedSignName(s == 4 ? QStringLiteral("あ  b") : QStringLiteral("sign%1").arg(s));
        for (int k = 0; k <= s; ++k) {
            LipFrame f;
            for (int v = 0; v < LipFrame::kValues; ++v)
                f[v] = values[next++ % 11];
            t[s].Frames.push_back(f);
        }
    }
    t.SignCount = 5;
    return t;
}

TEST(LipTableWrite, WritesTheLiteralForms)
{
    SignTable t;
    t[1].SignName = FixedSignName(QStringLiteral("a"));
    t[1].Frames.push_back(LipFrame::fresh());
    t[1].Frames[0][26] = -0.5f;
    t.SignCount = 2;
    EXPECT_EQ(FormatLipTable(t),
              QByteArray("1,a         ,1,,,,,,,,,,,,,,,,,,\r\n1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,-0.5 \r\n"));
    t[1].Frames[0][26] = 0;
    t[1].Frames[0][1] = 1e-5f;
    EXPECT_TRUE(FormatLipTable(t).endsWith("\r\n1,1E-05,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, 0 \r\n"));
    t[1].SignName = FixedSignName(QStringLiteral("ア行"));
    EXPECT_TRUE(FormatLipTable(t).startsWith("1,\x83\x41\x8d\x73        ,1,,"));
}

TEST(LipTableWrite, SaveThenLoadRestoresEveryStoredValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    SignTable saved = SampleTable();
    saved[4].SignName = FixedSignName(QStringLiteral(" lead,comma"));
    QString why;
    ASSERT_TRUE(SaveLipTable(path, saved, &why)) << why.toStdString();

    SignTable loaded;
    ASSERT_EQ(LoadLipTable(path, loaded, &why), -1) << why.toStdString();
    for (int s : {0, 1, 4})
        for (LipFrame& f : saved[s].Frames)
            for (int unused : {10, 11, 12, 23, 24, 25})
                f[unused] = 0;
    EXPECT_TRUE(Same(loaded, saved));
    EXPECT_EQ(loaded[4].SignName, QStringLiteral(" lead,comm"));
}

TEST(LipTableWrite, SignsNeverFilledAreLeftOutSoTheFileStaysReadable)
{
    SignTable t = SampleTable();  // signs 2 and 3 are empty
    const SignTable back = Load(FormatLipTable(t));
    EXPECT_EQ(back.SignCount, 5);
    EXPECT_EQ(back[2].FrameCount(), 0);
    EXPECT_EQ(back[4].FrameCount(), 5);
}

// CP932 is kept wherever it carries the name back; otherwise the file is
// UTF-8 with a byte-order mark and the user is told which names made it so.
TEST(LipTableWrite, EveryNameReadsBackAsItWasSaved)
{
    const struct {
        const char16_t* name;
        bool utf8;
    } cases[] = {
        {u"ﾏｲ", false},  // CF B2 in CP932, and valid UTF-8 too
        {u"ﾆｬ", false},
        {u"ア行", false},
        {u"a\u001Cb", false},  // the system's codec would write 0x1A for it
        {u"café", true},
        {u"〜", true},          // CP932's 81 60 reads back as U+FF5E
        {u"\u7E3Aｱ", true},    // E3 81 B1 in CP932: UTF-8 for ぱ
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("names.csv"));
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        SignTable t = SampleTable();
        t[1].SignName = FixedSignName(name);
        QString why, notice;
        ASSERT_TRUE(SaveLipTable(path, t, &why, &notice)) << why.toStdString();
        const QByteArray bytes = Contents(path);
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.utf8);
        EXPECT_EQ(notice, c.utf8 ? QStringLiteral("Saved as UTF-8: Shift-JIS cannot hold the name of sign 1 (%1)").arg(name)
                                 : QString());
        SignTable back;
        ASSERT_EQ(LoadLipTable(path, back, &why), -1) << why.toStdString();
        EXPECT_EQ(back[1].SignName, t[1].SignName);
        EXPECT_TRUE(FormatLipTable(back) == bytes);
    }

    SignTable two = SampleTable();
    two[0].SignName = FixedSignName(QStringLiteral("café"));
    two[4].SignName = FixedSignName(QStringLiteral("〜"));
    QString notice;
    ASSERT_TRUE(SaveLipTable(path, two, nullptr, &notice));
    EXPECT_EQ(notice, QStringLiteral("Saved as UTF-8: Shift-JIS cannot hold the names of signs 0 (café), 4 (〜)"));
}

TEST(LipTableWrite, AFailedSaveLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.csv"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    const struct {
        const char* what;
        QString path;
        SignTable table;
        const char* reason;
    } cases[] = {
        {"parent is a file", path + QStringLiteral("/inner.csv"), SampleTable(), ""},
        {"missing folder", dir.filePath(QStringLiteral("no/such/t.csv")), SampleTable(), ""},
        {"value not a number", path, [] { SignTable t = SampleTable(); t[1].Frames[1][26] = NAN; return t; }(),
         "frame 1 of sign 1 holds a value that is not a number"},
        {"quote with comma", path, [] { SignTable t = SampleTable(); t[0].SignName = FixedSignName(QStringLiteral("a\",b")); return t; }(),
         "the name of sign 0 mixes a double quote"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString why;
        EXPECT_FALSE(SaveLipTable(c.path, c.table, &why));
        EXPECT_TRUE(why.startsWith(QStringLiteral("Cannot save ") + c.path)) << why.toStdString();
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.reason))) << why.toStdString();
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.csv")});
}

// A table as large as `bytes` or a little more, in sign 0.
SignTable TableOfAtLeast(qsizetype bytes)
{
    SignTable t;
    t[0].SignName = FixedSignName(QStringLiteral("big"));
    t[0].Frames.assign(1, LipFrame::fresh());
    t.SignCount = 1;
    const qsizetype one = FormatLipTable(t).size();
    t[0].Frames.push_back(LipFrame::fresh());
    const qsizetype perFrame = FormatLipTable(t).size() - one;
    t[0].Frames.resize(static_cast<size_t>(1 + (bytes - one + perFrame - 1) / perFrame), LipFrame::fresh());
    return t;
}

// A save that cannot write all its bytes must fail with the system's reason
// and keep the old file. Each runs in a child process, whose limits and mounts
// end with it: under a file-size limit, as an unprivileged user (root passes
// some checks a user fails), and on a full disk (a tiny file system of the
// child's own, where the system allows mounting one).
TEST(LipTableWrite, ASaveThatCannotWriteEverythingFailsAndKeepsTheOldFile)
{
    constexpr rlim_t kFileLimit = 4096;
    const struct {
        const char* what;
        std::function<bool(const QByteArray& folder)> limit;  // in the child; false: not possible here
        const char* reason;
    } cases[] = {
        {"file-size limit",
         [](const QByteArray& folder) {
             if (geteuid() == 0
                 && (chown(folder.constData(), 65534, 65534) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
                 return false;
             signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{kFileLimit, kFileLimit};
             return setrlimit(RLIMIT_FSIZE, &limit) == 0;
         },
         "File too large"},
        {"full disk",
         [](const QByteArray& folder) {
             return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                 && mount("tmpfs", folder.constData(), "tmpfs", 0, "size=8k") == 0;
         },
         "No space left on device"},
    };
    const QByteArray old = FormatLipTable(SampleTable());
    const SignTable big = TableOfAtLeast(3 * kFileLimit);
    ASSERT_LT(FormatLipTable(big).size(), 16 * 1024);  // within one buffer of Qt's file devices

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("old.csv"));
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            if (!c.limit(QFile::encodeName(dir.path())))
                _exit(77);
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(old) != old.size() || !f.flush())
                _exit(76);
            f.close();
            QString why;
            const bool saved = SaveLipTable(path, big, &why);
            const QByteArray reason = why.toUtf8();
            if (write(pipeFds[1], reason.constData(), static_cast<size_t>(reason.size())) < 0)
                _exit(75);
            if (saved)
                _exit(1);
            if (!(Contents(path) == old))
                _exit(2);
            _exit(QDir(dir.path()).entryList(QDir::Files) == QStringList{QStringLiteral("old.csv")} ? 0 : 3);
        }
        close(pipeFds[1]);
        QByteArray reason;
        char buffer[512];
        for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            reason.append(buffer, n);
        close(pipeFds[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77) {
            std::printf("[  SKIPPED ] %s: cannot be set up on this system\n", c.what);
            continue;
        }
        // 1: reported as saved; 2: the old file changed; 3: a temporary stayed.
        EXPECT_EQ(WEXITSTATUS(status), 0) << "reported: " << reason.toStdString();
        EXPECT_TRUE(reason.contains(c.reason)) << reason.toStdString();
    }
}

// Cancelled at any report, from reading the bytes to parsing the last sign, a
// load leaves the table as it was; a cancelled save leaves the old file.
TEST(LipTableFile, CancelledWorkChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.csv"));
    SignTable big = TableOfAtLeast(1024 * 1024);  // several reports of the parse
    big[3] = SampleTable()[4];
    big.SignCount = 4;
    ASSERT_TRUE(SaveLipTable(path, big));
    const QByteArray saved = Contents(path);

    int reports = 0;
    qint64 last = -1;
    SignTable full;
    ASSERT_EQ(LoadLipTable(path, full, nullptr, [&](qint64 done, qint64 total) {
                  EXPECT_GE(done, last);
                  EXPECT_LE(done, total);
                  last = done;
                  return ++reports > 0;
              }),
              -1);
    ASSERT_GE(reports, 4);
    EXPECT_TRUE(FormatLipTable(full) == saved);  // read across many of the reader's pieces
    EXPECT_EQ(last, saved.size());  // the whole load, to its end

    const SignTable before = SampleTable();
    for (int stopAt = 1; stopAt <= reports; ++stopAt) {
        SCOPED_TRACE(stopAt);
        SignTable table = before;
        QString why;
        int calls = 0;
        EXPECT_EQ(LoadLipTable(path, table, &why, [&](qint64, qint64) { return ++calls < stopAt; }), 0);
        EXPECT_EQ(why, QStringLiteral("Loading was cancelled"));
        EXPECT_TRUE(Same(table, before));
    }

    qint64 saveDone = 0, saveTotal = -1;
    ASSERT_TRUE(SaveLipTable(path, big, nullptr, nullptr, [&](qint64 done, qint64 total) {
        saveDone = done;
        saveTotal = total;
        return true;
    }));
    EXPECT_EQ(saveDone, saveTotal);

    QString why;
    EXPECT_FALSE(SaveLipTable(path, SampleTable(), &why, nullptr, [](qint64, qint64) { return false; }));
    EXPECT_TRUE(why.endsWith(QStringLiteral("Saving was cancelled"))) << why.toStdString();
    EXPECT_TRUE(Contents(path) == saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("big.csv")});
}

TEST(LipTableRead, AMissingFileNamesThePath)
{
    SignTable table;
    QString why;
    EXPECT_EQ(LoadLipTable(QStringLiteral("/nonexistent/LipPosition.csv"), table, &why), 0);
    EXPECT_TRUE(why.contains(QStringLiteral("/nonexistent/LipPosition.csv")));
    EXPECT_EQ(table.SignCount, 0);
}

}  // namespace
