#include "cli/CommandLine.h"
#include "model/MecabReading.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

struct Outcome {
    int status = -1;
    QStringList out;
    QString err;
};

Outcome RunWith(const QStringList& args)
{
    MecabReader mecab;
    QString out, err;
    QTextStream o(&out), e(&err);
    Outcome run;
    run.status = RunCommandLine(args, o, e, mecab);
    o.flush();
    e.flush();
    run.out = out.split(u'\n', Qt::SkipEmptyParts);
    run.err = err;
    return run;
}

TEST(CommandLine, PrintsReadingsAndSignsOrTheReason)
{
    const Outcome run = RunWith({QStringLiteral("--reading"), QStringLiteral("先生"), QStringLiteral("3人"),
                             QStringLiteral("xyz"), QStringLiteral("1.5個")});
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.out.size(), 4);
    EXPECT_EQ(run.out[0], QStringLiteral("先生\tｾﾝｾｰ\t24 9 24"));
    EXPECT_EQ(run.out[1], QStringLiteral("3人\tｻﾝﾆﾝ\t21 6 17 7"));
    EXPECT_EQ(run.out[2], QStringLiteral("xyz\t\tno kana reading"));
    EXPECT_TRUE(run.out[3].startsWith(QStringLiteral("1.5個\t\tNumbers"))) << run.out[3].toStdString();

    EXPECT_EQ(RunWith({QStringLiteral("--reading"), QStringLiteral("魚")}).status, 0);
}

TEST(CommandLine, ChecksAListLineByLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ｻｶﾅ,魚\r\n"
               "ｾﾝｾｲ,先生\r\n"               // 2: the long e
               "ｶﾗｲ,辛い\r\n"                 // right: the dictionary's other reading
               "ｱﾂｲ,暑い・熱い\r\n"
               "ｱﾂｲ,暑い・寒い\r\n"           // 5: the two texts read differently
               "ｻｶﾅ\r\n"                      // 6: no text
               "ｻｶﾅｶﾞ,魚\r\n"                 // 7: a wrong reading
               "魚,魚\r\n"                    // 8: not kana
               "ｼﾞｭｰﾆｼﾞ,12時\r\n"
               "\r\n"
               "ｲﾇ,犬\r\n");                  // after the empty line 10
    file.close();

    const Outcome run = RunWith({QStringLiteral("--check-list"), path});
    EXPECT_EQ(run.status, 1);
    const QStringList expected{
        QStringLiteral("2\tｾﾝｾｲ,先生\tｾﾝｾｰ,先生"),
        QStringLiteral("5\tｱﾂｲ,暑い・寒い\tthe texts joined by ・ read differently: 暑い ｱﾂｲ, 寒い ｻﾑｲ"),
        QStringLiteral("6\tｻｶﾅ\tno reading or no text: the quiz skips this line"),
        QStringLiteral("7\tｻｶﾅｶﾞ,魚\tｻｶﾅ,魚"),
        QStringLiteral("8\t魚,魚\tｻｶﾅ,魚"),
        QStringLiteral("10\t\tthe list ends at this empty line: the 1 lines after it are never read"),
    };
    EXPECT_EQ(run.out, expected);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("ｻｶﾅ,魚\r\nｾﾝｾｰ,先生\r\n");
    file.close();
    const Outcome clean = RunWith({QStringLiteral("--check-list"), path});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.isEmpty());

    const Outcome missing = RunWith({QStringLiteral("--check-list"), dir.filePath(QStringLiteral("none.txt"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.txt")));
}

TEST(CommandLine, RefusesWhatItDoesNotKnow)
{
    const QStringList windowArgs{QStringLiteral("-platform"), QStringLiteral("xcb")};
    EXPECT_FALSE(IsCommandLine({}));
    EXPECT_FALSE(IsCommandLine(windowArgs));
    for (const QStringList& args : {QStringList{QStringLiteral("--reading")},
                                    QStringList{QStringLiteral("--check-list")},
                                    QStringList{QStringLiteral("--frobnicate")}}) {
        ASSERT_TRUE(IsCommandLine(args));
        const Outcome run = RunWith(args);
        EXPECT_EQ(run.status, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: oralis")));
    }
    EXPECT_EQ(RunWith({QStringLiteral("--version")}).out, QStringList{QStringLiteral("oralis " ORALIS_VERSION)});
    EXPECT_EQ(RunWith({QStringLiteral("--help")}).status, 0);
}

}  // namespace
