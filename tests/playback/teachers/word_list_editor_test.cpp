#include "ShippedData.h"
#include "model/WordListFile.h"
#include "playback/WordListEditor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::ShippedTable;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(WordListEditor, AddsPlayableReadingsAndSaysWhyItRefusesTheRest)
{
    WordListEditor editor(ShippedTable());
    editor.add(U("窓"), U("ﾏﾄﾞ"));
    const struct {
        const char* text;
        const char* reading;
        const char* refusal;  // empty: added, as `stored`
        const char* stored;
    } cases[] = {
        {"魚", "さかな", "", "ｻｶﾅ"},
        {" 学校\u3000", "ガッコー", "", "ｶﾞｯｺｰ"},
        {"鳩", "bato", "", "ﾊﾞﾄ"},
        {"窓", "まど", "窓 (ﾏﾄﾞ) is already in the list", ""},
        {"窓", "ｿｳ", "", "ｿｳ"},  // the same text, read otherwise
        {"\u3000", "ｱ", "Type the word first", ""},
        {"窓", "", "The word has no reading", ""},
        {"窓", "窓", "窓 is not a reading in kana or romaji", ""},
        {"寿限無", "ｼﾞｭｹﾞﾑｼﾞｭｹﾞﾑｺﾞｺｰﾉｽﾘｷﾚｶｲｼﾞｬﾘｽｲｷﾞｮﾉｽｲｷﾞｮｰﾏﾂｳﾝﾗｲﾏﾂﾌｰﾗｲﾏﾂ", "32", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int before = editor.size();
        const QString refusal = editor.add(U(c.text), U(c.reading));
        if (*c.refusal) {
            EXPECT_TRUE(refusal.contains(U(c.refusal))) << refusal.toStdString();
            EXPECT_EQ(editor.size(), before);
        } else {
            EXPECT_EQ(refusal, QString());
            ASSERT_EQ(editor.size(), before + 1);
            EXPECT_EQ(editor.words().readings.back(), U(c.stored));
            EXPECT_EQ(editor.words().displays.back(), U(c.text).trimmed());
        }
    }
    EXPECT_TRUE(editor.setReading(0, U("ﾔｺﾞｰ")).isEmpty());
    EXPECT_EQ(editor.words().readings.front(), U("ﾔｺﾞｰ"));
    EXPECT_EQ(editor.setReading(0, U("窓")), U("窓 is not a reading in kana or romaji"));
    EXPECT_EQ(editor.words().readings.front(), U("ﾔｺﾞｰ"));
}

TEST(WordListEditor, ProposesSpokenReadingsAndKanaWithoutADictionary)
{
    MecabReader mecab;
    MecabReader none(QStringLiteral("/nonexistent/dictionary"));
    const struct {
        MecabReader* reader;
        const char* text;
        QStringList readings;
    } cases[] = {
        {&mecab, "辛い", {U("ﾂﾗｲ"), U("ｶﾗｲ")}},
        {&mecab, " 先生\u3000", {U("ｾﾝｾｰ")}},
        {&mecab, "3本", {U("ｻﾝﾎﾞﾝ")}},
        {&none, "さかな", {U("ｻｶﾅ")}},
        {&none, "魚", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SpokenText proposed = ProposedReadings(U(c.text), *c.reader);
        EXPECT_EQ(proposed.readings, c.readings);
        EXPECT_EQ(proposed.whyNot.isEmpty(), !c.readings.isEmpty()) << proposed.whyNot.toStdString();
    }
}

TEST(WordListEditor, MovesAndRemovesWholeWordsAndTracksUnsavedChanges)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WordListEditor editor(ShippedTable());
    for (const char* w : {"ｱ", "ｲ", "ｳ", "ｴ"})
        editor.add(U(w) + U("字"), U(w));
    ASSERT_TRUE(editor.move(0, 2));
    EXPECT_FALSE(editor.move(1, 4));
    EXPECT_FALSE(editor.remove(-1));
    ASSERT_TRUE(editor.remove(3));
    EXPECT_EQ(editor.words().readings, (QStringList{U("ｲ"), U("ｳ"), U("ｱ")}));
    EXPECT_EQ(editor.words().displays, (QStringList{U("ｲ字"), U("ｳ字"), U("ｱ字")}));
    EXPECT_TRUE(editor.modified());

    const QString path = dir.filePath(QStringLiteral("vowels.txt"));
    ASSERT_TRUE(editor.save(path));
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(editor.path(), path);

    // A failed save keeps the list unsaved and where it was.
    editor.move(2, 0);
    QString why;
    EXPECT_FALSE(editor.save(dir.filePath(QStringLiteral("missing/vowels.txt")), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.path(), path);
}

TEST(WordListEditor, MarksTheWordsThatLookTheSameOnTheLips)
{
    WordList opened;
    const char* words[][2] = {{"ﾏﾄﾞ", "窓"}, {"ｻｶﾅ", "魚"}, {"ﾊｼ", "橋"}, {"ﾊﾞﾄ", "鳩"},
                              {"ﾊｼ", "箸"}, {"ﾏﾄ", "的"}, {"madoX", "壊れた行"}};
    for (const auto& w : words) {
        opened.readings << U(w[0]);
        opened.displays << U(w[1]);
    }
    WordListEditor editor(ShippedTable());
    editor.open(opened, QStringLiteral("/lists/some.txt"));
    EXPECT_FALSE(editor.modified());
    const std::optional<std::vector<ListWordLook>> looks = editor.looks(u"500");
    ASSERT_TRUE(looks);
    // ﾏ, ﾊﾞ look alike and so do ﾄ, ﾄﾞ; words read alike look alike too.
    const struct {
        int group;
        QList<int> alike;
    } expected[] = {{1, {3, 5}}, {0, {}}, {2, {4}}, {1, {0, 5}}, {2, {2}}, {1, {0, 3}}, {0, {}}};
    ASSERT_EQ(looks->size(), std::size(expected));
    for (size_t i = 0; i < looks->size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ((*looks)[i].group, expected[i].group);
        EXPECT_EQ((*looks)[i].alike, expected[i].alike);
        EXPECT_EQ((*looks)[i].unplayable.isEmpty(), i != 6);
    }
    QString why;
    EXPECT_FALSE(editor.looks(u"0", &why));
    EXPECT_FALSE(why.isEmpty());
}

}  // namespace
