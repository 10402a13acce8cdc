#include "cli/CommandLine.h"
#include "model/KanaParser.h"
#include "model/MecabReading.h"
#include "model/WordList.h"
#include "playback/Playback.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <array>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

const QString kLevels[] = {QStringLiteral("level1"), QStringLiteral("level2"),
                           QStringLiteral("level3"), QStringLiteral("level4")};
const QString kThemes[] = {QStringLiteral("greetings"), QStringLiteral("family-and-home"),
                           QStringLiteral("food"), QStringLiteral("shopping"),
                           QStringLiteral("time-and-numbers"),
                           QStringLiteral("places-and-directions"),
                           QStringLiteral("school-and-work"),
                           QStringLiteral("health-and-safety")};

QString ListPath(const QString& name)
{
    return QStringLiteral(SHIPPED_LISTS "/%1.txt").arg(name);
}

// The default list, then every graded and themed one.
QStringList AllLists()
{
    QStringList paths{QStringLiteral(SHIPPED_WORD_LIST)};
    for (const QString& name : kLevels)
        paths << ListPath(name);
    for (const QString& name : kThemes)
        paths << ListPath(name);
    return paths;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

WordList ShippedList(const QString& path = QStringLiteral(SHIPPED_WORD_LIST))
{
    return ParseWordList(Bytes(path));
}

// The signs a reading plays after the rest entry.
QList<int> Signs(const QString& reading)
{
    Syllables s;
    QList<int> signs;
    if (ParseKana(reading, s) == -1)
        for (int e = 1; e < s.SyllableCount; ++e)
            signs << SignForEntry(s.SyllableClass[e], s.SyllableVowel[e]);
    return signs;
}

// Each list's lines keyed by display text, for lookups between lists.
QHash<QString, QString> ByDisplay(const WordList& list)
{
    QHash<QString, QString> readings;
    for (int i = 0; i < list.size(); ++i)
        readings.insert(list.displays[i], list.readings[i]);
    return readings;
}

TEST(ShippedWordList, WellFormedListsWithOneEntryPerReading)
{
    const QStringList paths = AllLists();
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = Bytes(path);
        const WordList list = ParseWordList(bytes);
        EXPECT_GE(list.size(), 20);
        EXPECT_EQ(list.skippedLines, 0);
        // Every line is a word: no empty line cuts the list short.
        EXPECT_EQ(list.size(), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
        // Words that read alike are one entry, "ｱﾂｲ,暑い・熱い".
        EXPECT_EQ(QSet<QString>(list.readings.begin(), list.readings.end()).size(), list.size());
        EXPECT_EQ(QSet<QString>(list.displays.begin(), list.displays.end()).size(), list.size());
    }
}

TEST(ShippedWordList, WordsAndPhrasesForEverydayLife)
{
    const WordList list = ShippedList();
    const int phrases = ShippedList(ListPath(QStringLiteral("level3"))).size() +
                        ShippedList(ListPath(QStringLiteral("level4"))).size();
    EXPECT_GE(phrases, 300);
    EXPECT_GE(list.size() - phrases, 700);

    QSet<QString> words;
    for (const QString& display : list.displays)
        for (const QString& word : display.split(u'・'))
            words.insert(word);
    const char* wanted[] = {
        "何", "どこ", "いつ", "誰", "いくら", "どうして", "これ", "それ", "あれ", "ここ",
        "そこ", "あそこ", "あなた", "人", "男", "女", "右", "左", "上", "下", "前", "後ろ",
        "中", "外", "危ない", "救急車", "火事", "警察", "地震", "トイレ", "医者", "時", "五分",
        "円", "もっと", "ずっと", "きっと", "やっぱり", "いっぱい", "まっすぐ", "びっくり",
        "ゆっくり"};
    for (const char* word : wanted)
        EXPECT_TRUE(words.contains(QString::fromUtf8(word))) << word;
}

// Level 1 holds the first words of a beginner, short ones; level 2 the other
// words; level 3 the short phrases, level 4 the longer ones. Every list entry
// is in one level, and themes take their entries from the list.
TEST(ShippedWordList, GradedListsAreDrawnFromTheListByItsRules)
{
    const WordList list = ShippedList();
    const QHash<QString, QString> all = ByDisplay(list);
    QHash<QString, int> level;
    for (int n = 0; n < 4; ++n) {
        const WordList part = ShippedList(ListPath(kLevels[n]));
        for (int i = 0; i < part.size(); ++i) {
            EXPECT_FALSE(level.contains(part.displays[i])) << part.displays[i].toStdString();
            level.insert(part.displays[i], n + 1);
            const qsizetype syllables = Signs(part.readings[i]).size();
            const bool fits = n == 0 ? syllables <= 5 : n == 2 ? syllables <= 9 : n == 3 ? syllables > 9 : true;
            EXPECT_TRUE(fits) << part.displays[i].toStdString() << " in " << kLevels[n].toStdString();
        }
    }
    EXPECT_EQ(level.size(), list.size());
    // A word of each kind a beginner meets first.
    for (const char* word : {"こんにちは", "ありがとう", "母", "水", "ご飯", "三", "今日", "食べる",
                             "行く", "大きい", "高い", "何"})
        EXPECT_EQ(level.value(QString::fromUtf8(word)), 1) << word;

    for (const QString& name : kThemes) {
        const WordList theme = ShippedList(ListPath(name));
        for (int i = 0; i < theme.size(); ++i)
            EXPECT_EQ(all.value(theme.displays[i]), theme.readings[i])
                << name.toStdString() << ": " << theme.displays[i].toStdString();
    }
}

TEST(ShippedWordList, EveryReadingPlaysAndEverySignIsPractised)
{
    const WordList list = ShippedList();
    ASSERT_GT(list.size(), 0);
    std::array<int, 32> played{};
    QHash<int, int> geminateBefore;  // class of the entry after a small tsu
    int nBeforeClosure = 0;
    for (const QString& reading : list.readings) {
        Syllables s;
        // The parser refuses unsupported characters and readings of more
        // than 32 syllable entries alike.
        ASSERT_EQ(ParseKana(reading, s), -1) << reading.toStdString();
        for (int e = 0; e < s.SyllableCount; ++e) {
            ++played[static_cast<size_t>(SignForEntry(s.SyllableClass[e], s.SyllableVowel[e]))];
            const int next = e + 1 < s.SyllableCount ? s.SyllableClass[e + 1] & kClassMask : -1;
            if (s.SyllableClass[e] & kGeminateFlag)
                ++geminateBefore[next];
            if ((s.SyllableClass[e] & kClassMask) == 13 && (next == 7 || next == 11 || next == 12))
                ++nBeforeClosure;
        }
    }
    for (int sign = 1; sign < 32; ++sign)
        EXPECT_GE(played[static_cast<size_t>(sign)], 15) << "sign " << sign;
    const std::pair<const char*, int> rows[] = {{"p", 12}, {"k", 2}, {"t", 4}, {"s", 3}};
    for (const auto& [row, cls] : rows)
        EXPECT_GE(geminateBefore.value(cls), 8) << "geminates before " << row;
    EXPECT_GE(nBeforeClosure, 10) << "syllabic n before m, b, p";
}

// Every entry's reading is the spoken reading of its text, by the same check
// teachers run on their own lists (oralis --check-list).
TEST(ShippedWordList, ReadingsAreTheSpokenReadings)
{
    const QStringList paths = AllLists();
    MecabReader mecab;
    for (const QString& path : paths) {
        const ListCheck check = CheckWordList(Bytes(path), mecab);
        ASSERT_TRUE(check.checked) << check.whyNot.toStdString();
        EXPECT_GT(check.words, 0) << path.toStdString();
        for (const ListFault& f : check.faults)
            ADD_FAILURE() << path.toStdString() << ":" << f.line << ": " << f.text.toStdString() << " should be "
                          << f.should.toStdString();
    }
}

}  // namespace
