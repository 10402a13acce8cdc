#include "model/WordListFile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

WordList List(std::initializer_list<std::pair<const char16_t*, const char16_t*>> words)
{
    WordList list;
    for (const auto& [reading, text] : words) {
        list.readings << QString::fromUtf16(reading);
        list.displays << QString::fromUtf16(text);
    }
    return list;
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(WordListFile, SavedListsReadBackInTheEncodingTheyNeed)
{
    const struct {
        WordList list;
        const char16_t* file;    // the file's text
        bool utf8;               // else CP932; UTF-8 has a byte-order mark
        const char16_t* notice;  // what the user is told, a part of it
    } cases[] = {
        // Commas, quotes and blanks at the ends of a text survive the reader.
        {List({{u"ｻｶﾅ", u"魚"}, {u"ﾊｲ", u"はい、そうです"}, {u"ｲｰｴ", u"いいえ, \"違います\""}, {u"ｱ", u" 亜 "}}),
         u"ｻｶﾅ,魚\r\nﾊｲ,はい、そうです\r\nｲｰｴ,\"いいえ, \"\"違います\"\"\"\r\nｱ,\" 亜 \"\r\n", false, u""},
        {List({{u"ｷﾑﾁ", u"김치"}, {u"ｻｶﾅ", u"魚"}}), u"ｷﾑﾁ,김치\r\nｻｶﾅ,魚\r\n", true,
         u"Shift-JIS cannot hold 김치"},
        // In CP932 these bytes are valid UTF-8 holding ぱ, which the reader
        // would take for UTF-8.
        {List({{u"ﾃｱ", u"縺ｱ"}}), u"ﾃｱ,縺ｱ\r\n", true, u"Saved as UTF-8"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.displays.join(u'|').toStdString());
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        QString why, notice;
        ASSERT_TRUE(SaveWordList(path, c.list, &why, &notice)) << why.toStdString();
        const QString text = QString::fromUtf16(c.file);
        QStringEncoder cp932("windows-31j");
        EXPECT_EQ(FileBytes(path), c.utf8 ? "\xEF\xBB\xBF" + text.toUtf8() : QByteArray(cp932.encode(text)));
        EXPECT_TRUE(notice.contains(QString::fromUtf16(c.notice))) << notice.toStdString();
        EXPECT_EQ(notice.isEmpty(), !c.utf8);

        WordList back;
        ASSERT_TRUE(LoadWordList({path}, back));
        EXPECT_EQ(back.readings, c.list.readings);
        EXPECT_EQ(back.displays, c.list.displays);
    }
}

TEST(WordListFile, AListThatWouldNotReadBackIsRefusedAndTheOldFileKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    ASSERT_TRUE(SaveWordList(path, List({{u"ｻｶﾅ", u"魚"}})));
    const QByteArray old = FileBytes(path);
    const struct {
        WordList list;
        const char* reason;
    } cases[] = {
        {WordList(), "holds no word"},
        {List({{u"ｻｶﾅ", u"魚"}, {u"ﾏﾄﾞ", u"窓\n枠"}}), "Word 2 (窓 枠) holds a line break"},
        {List({{u"", u"窓"}}), "Word 1 (窓) has no reading"},
    };
    for (const auto& c : cases) {
        QString why;
        EXPECT_FALSE(SaveWordList(path, c.list, &why));
        EXPECT_TRUE(why.startsWith(QStringLiteral("Cannot save "))) << why.toStdString();
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.reason))) << why.toStdString();
        EXPECT_EQ(FileBytes(path), old);
    }
}

TEST(WordListFile, ChoosersOfferTheShippedListsThenTheUsersOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("bin/"));
    const QString user = dir.filePath(QStringLiteral("data/oralis/"));
    for (const QString& file : {program + QStringLiteral("JSLdefault.txt"), program + QStringLiteral("lists/food.txt")}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(SaveWordList(file, List({{u"ｱ", u"亜"}})));
    }
    EXPECT_EQ(ChoosableWordLists(program, user), ShippedWordLists(program));

    const std::optional<QString> folder = ListSaveFolder(user);
    ASSERT_EQ(folder, user + QStringLiteral("lists/"));
    for (const char* name : {"mine.txt", "class 2.txt", "notes.md"})
        ASSERT_TRUE(SaveWordList(*folder + QLatin1String(name), List({{u"ｱ", u"亜"}})));
    const QStringList own{*folder + QStringLiteral("class 2.txt"), *folder + QStringLiteral("mine.txt")};
    EXPECT_EQ(ChoosableWordLists(program, user), ShippedWordLists(program) + own);
}

}  // namespace
