#include "model/KanaParser.h"
#include "model/MecabReading.h"
#include "model/WordList.h"
#include "playback/Playback.h"

#include <QFile>
#include <QSet>
#include <array>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

WordList ShippedList()
{
    QFile file(QStringLiteral(SHIPPED_WORD_LIST));
    if (!file.open(QIODevice::ReadOnly))
        return WordList();
    return ParseWordList(file.readAll());
}

TEST(ShippedWordList, ManyWellFormedWords)
{
    QFile file(QStringLiteral(SHIPPED_WORD_LIST));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const WordList list = ParseWordList(bytes);
    EXPECT_GE(list.size(), 300);
    EXPECT_EQ(list.skippedLines, 0);
    // Every line is a word: no empty line cuts the list short.
    EXPECT_EQ(list.size(), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));

    QSet<QString> seen;
    for (const QString& display : list.displays) {
        EXPECT_FALSE(seen.contains(display)) << "twice: " << display.toStdString();
        seen.insert(display);
    }
}

TEST(ShippedWordList, EveryReadingPlaysAndEverySignIsPractised)
{
    const WordList list = ShippedList();
    ASSERT_GT(list.size(), 0);
    std::array<int, 32> played{};
    for (const QString& reading : list.readings) {
        Syllables s;
        // The parser refuses unsupported characters and readings of more
        // than 32 syllable entries alike.
        ASSERT_EQ(ParseKana(reading, s), -1) << reading.toStdString();
        for (int e = 0; e < s.SyllableCount; ++e)
            ++played[static_cast<size_t>(SignForEntry(s.SyllableClass[e], s.SyllableVowel[e]))];
    }
    for (int sign = 1; sign < 32; ++sign)
        EXPECT_GE(played[static_cast<size_t>(sign)], 3) << "sign " << sign;
}

// The readings are the pronunciation MeCab's IPA dictionary gives, so a word
// set into the word box reads the same as the list says.
TEST(ShippedWordList, ReadingsAreTheDictionaryPronunciation)
{
    // Words whose usual reading differs from the dictionary's first choice.
    const QHash<QString, QString> accepted{
        {QStringLiteral("日本"), QStringLiteral("ﾆﾎﾝ")},  // ﾆｯﾎﾟﾝ in the dictionary
    };
    const WordList list = ShippedList();
    ASSERT_GT(list.size(), 0);
    MecabReader mecab;
    for (int i = 0; i < list.size(); ++i) {
        const QString& display = list.displays[i];
        const std::optional<QString> reading = mecab.reading(display);
        ASSERT_FALSE(mecab.unavailable()) << mecab.failure().toStdString();
        ASSERT_TRUE(reading.has_value()) << display.toStdString();
        const QString expected = accepted.value(display, *reading);
        EXPECT_EQ(list.readings[i], expected) << display.toStdString();
    }
}

}  // namespace
