#include "ShippedData.h"
#include "playback/LipPattern.h"
#include "playback/Verdict.h"

#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::ShippedTable;
using oralis::testing::ShippedWords;

namespace {

using S = BasicShape;
const QString kSpeed = QStringLiteral("500");  // step base 8

LipPattern Pattern(const QString& reading)
{
    QString why;
    std::optional<LipPattern> p = PatternOfReading(reading, ShippedTable(), kSpeed, &why);
    EXPECT_TRUE(p) << reading.toStdString() << ": " << why.toStdString();
    return p.value_or(LipPattern{});
}

TEST(LipPattern, SyllablesCarryTheirKanaSignStepsAndShape)
{
    struct Syl {
        const char16_t* kana;
        int start;
        int sign;
        std::vector<int16_t> steps;
        S shape;
    };
    const struct {
        const char16_t* reading;
        std::vector<Syl> syllables;  // after the rest entry
    } cases[] = {
        {u"ﾏﾄﾞ", {{u"ﾏ", 0, 11, {3, 6}, S::Closed}, {u"ﾄﾞ", 1, 20, {3, 6}, S::O}}},
        {u"ｶﾞｯｺｰ", {{u"ｶﾞ", 0, 16, {3, 6}, S::A}, {u"ｯ", 2, 27, {2, 3}, S::Geminate}, {u"ｺｰ", 3, 20, {6, 12}, S::O}}},
        {u"ｵﾊﾖｳ", {{u"ｵ", 0, 5, {8}, S::O}, {u"ﾊ", 1, 1, {8}, S::A}, {u"ﾖｳ", 2, 20, {6, 12}, S::O}}},
        {u"ﾝ", {{u"ﾝ", 0, 5, {8}, S::SyllabicN}}},
        {u"ｷｬﾝ", {{u"ｷｬ", 0, 16, {3, 6}, S::A}, {u"ﾝ", 2, 6, {6}, S::SyllabicN}}},
    };
    for (const auto& c : cases) {
        const QString reading = QString::fromUtf16(c.reading);
        SCOPED_TRACE(reading.toStdString());
        const LipPattern p = Pattern(reading);
        ASSERT_EQ(p.spoken(), static_cast<int>(c.syllables.size()));
        EXPECT_EQ(p.syllables[0].sign, 0);
        size_t targets = p.syllables[0].steps.size();
        for (size_t i = 0; i < c.syllables.size(); ++i) {
            const PatternSyllable& s = p.syllables[i + 1];
            EXPECT_EQ(s.kana, QString::fromUtf16(c.syllables[i].kana));
            EXPECT_EQ(s.start, c.syllables[i].start);
            EXPECT_EQ(s.sign, c.syllables[i].sign);
            EXPECT_EQ(s.steps, c.syllables[i].steps);
            EXPECT_EQ(s.shape, c.syllables[i].shape);
            EXPECT_EQ(s.firstTarget, static_cast<int>(targets));
            targets += s.steps.size();
        }
        EXPECT_EQ(p.plan.targets.size(), targets);
    }
    QString why;
    EXPECT_FALSE(PatternOfReading(QStringLiteral("まど"), ShippedTable(), kSpeed, &why));
    EXPECT_EQ(why, QStringLiteral("Unsupported character(s) in the string"));
}

TEST(LipPattern, LookAlikeAndDifferingPairs)
{
    const struct {
        const char16_t* a;
        const char16_t* b;
        const char16_t* compare;
    } cases[] = {
        {u"ﾏﾄﾞ", u"ﾊﾞﾄ", u"同じ口の形"},
        {u"ﾏﾄﾞ", u"ﾏｺﾞ", u"同じ口の形"},
        {u"ｺｳ", u"ｺｰ", u"同じ口の形"},
        {u"ﾏﾄﾞ", u"ﾅﾄﾞ", u"ﾏ (閉じた口) / ﾅ (あ)"},
        {u"ｺ", u"ｺｰ", u"ｺ (お) / ｺｰ (お)"},  // same sign, twice the steps
        {u"ｶｯﾀ", u"ｶﾀ", u"ｯ (促音) / —"},
        {u"ﾊﾅ", u"ﾊﾅﾋﾞ", u"— / ﾋﾞ (閉じた口)"},
    };
    for (const auto& c : cases) {
        const LipPattern a = Pattern(QString::fromUtf16(c.a));
        const LipPattern b = Pattern(QString::fromUtf16(c.b));
        SCOPED_TRACE(a.reading.toStdString() + " / " + b.reading.toStdString());
        const QString expected = QString::fromUtf16(c.compare);
        EXPECT_EQ(LooksSame(a, b), expected == QStringLiteral("同じ口の形"));
        EXPECT_EQ(CompareText(a, b), expected);
    }
}

TEST(LipPattern, LongVowelsWrittenEitherWayAreTheSameReading)
{
    const struct {
        const char16_t* a;
        const char16_t* b;
        bool same;
    } cases[] = {
        {u"ｺｳ", u"ｺｰ", true},    {u"ｺｵﾘ", u"ｺｰﾘ", true},   {u"ｾﾝｾｲ", u"ｾﾝｾｰ", true},
        {u"ｵｵｷｲ", u"ｵｰｷｰ", true}, {u"ｸｳｷ", u"ｸｰｷ", true},   {u"ｷｮｳ", u"ｷｮｰ", true},
        {u"ｵﾊﾞｱｻﾝ", u"ｵﾊﾞｰｻﾝ", true},
        {u"ｶｲ", u"ｶｰ", false},   {u"ｷﾝｲﾛ", u"ｷﾝｰﾛ", false},  // a vowel after ﾝ is a mora of its own
        {u"ｺ", u"ｺｰ", false},
    };
    for (const auto& c : cases) {
        const QString a = QString::fromUtf16(c.a), b = QString::fromUtf16(c.b);
        EXPECT_EQ(SameReading(a, b), c.same) << a.toStdString() << " / " << b.toStdString();
    }
}

TEST(LipPattern, IndexFindsTheWordsThatLookExactlyAlike)
{
    WordList list;
    list.readings = {QStringLiteral("ﾏﾄﾞ"), QStringLiteral("ﾏｺﾞ"), QStringLiteral("ﾅﾄﾞ"), QStringLiteral("ﾊﾞﾄ"),
                     QStringLiteral("ﾏﾄﾞ"), QStringLiteral("窓"), QStringLiteral("ﾏﾄｰ")};
    list.displays = {QStringLiteral("窓"), QStringLiteral("孫"), QStringLiteral("など"), QStringLiteral("鳩"),
                     QStringLiteral("窓"), QStringLiteral("窓"), QStringLiteral("的")};
    LookalikeIndex index(*BeginPlan(ShippedTable(), kSpeed));
    EXPECT_EQ(index.add(list, QStringLiteral("small"), ShippedTable()), 5);  // a repeat and a non-kana reading left out

    QStringList found;
    for (const LookalikeIndex::Word& w : index.lookingLike(Pattern(QStringLiteral("ﾏﾄﾞ"))))
        found << w.display + QLatin1Char('/') + w.list;
    EXPECT_EQ(found, (QStringList{QStringLiteral("孫/small"), QStringLiteral("鳩/small")}));
    EXPECT_TRUE(index.lookingLike(Pattern(QStringLiteral("ｱｲｳｴｵ"))).isEmpty());
}

TEST(Verdict, JudgesAnswersAgainstTheWord)
{
    LookalikeIndex index(*BeginPlan(ShippedTable(), kSpeed));
    index.add(ShippedWords(), QStringLiteral("JSLdefault"), ShippedTable());
    const struct {
        const char16_t* reading;
        const char16_t* display;
        const char16_t* answer;
        const char16_t* answerReading;
        Verdict kind;
        QStringList mistakes;
    } cases[] = {
        {u"ﾏﾄﾞ", u"窓", u"まど", u"ﾏﾄﾞ", Verdict::Correct, {}},
        // Spelled as written, read as spoken; only a particle's は is わ.
        {u"ｿﾚﾜﾅﾝﾃﾞｽｶ", u"それは何ですか", u"それはなにですか", u"ｿﾚﾊﾅﾆﾃﾞｽｶ", Verdict::Correct, {}},
        {u"ﾜﾅ", u"罠", u"はな", u"ﾊﾅ", Verdict::Wrong, {QStringLiteral("ﾜ (あ) read as ﾊ (あ)")}},
        {u"ｵﾊﾖｰ", u"おはよう", u"おはよう", u"ｵﾊﾖｳ", Verdict::Correct, {}},
        {u"ﾏﾄﾞ", u"窓", u"窓", u"", Verdict::Correct, {}},  // the display text, whatever its reading
        {u"ﾏﾄﾞ", u"窓", u" 窓\u3000", u"", Verdict::Correct, {}},  // blanks around it
        {u"ﾏﾄﾞ", u"窓", u"孫", u"ﾏｺﾞ", Verdict::Lookalike, {}},
        {u"ﾏﾄﾞ", u"窓", u"など", u"ﾅﾄﾞ", Verdict::Wrong, {QStringLiteral("ﾏ (閉じた口) read as ﾅ (あ)")}},
        {u"ｶｯﾀ", u"勝った", u"かた", u"ｶﾀ", Verdict::Wrong, {QStringLiteral("ｯ (促音) not seen")}},
        {u"ﾏﾄﾞ", u"窓", u"まどい", u"ﾏﾄﾞｲ", Verdict::Wrong, {QStringLiteral("ｲ (い) added")}},
        {u"ﾏﾄﾞ", u"窓", u"魔", u"", Verdict::Wrong,
         {QStringLiteral("ﾏ (閉じた口) not seen"), QStringLiteral("ﾄﾞ (お) not seen")}},
        {u"ﾏﾄﾞ", u"窓", u" ", u"", Verdict::Skipped, {}},
        // ﾝ read right, though ﾎ and ﾊﾟ give it other vowels to hold.
        {u"ﾎﾝ", u"本", u"ぱん", u"ﾊﾟﾝ", Verdict::Wrong, {QStringLiteral("ﾎ (お) read as ﾊﾟ (閉じた口)")}},
        // ｱ is paired with a syllable of its own shape, not with the last one.
        {u"ｲﾀﾀﾞｷﾏｽ", u"いただきます", u"あ", u"ｱ", Verdict::Wrong,
         {QStringLiteral("ｲ (い) not seen"), QStringLiteral("ﾀ (あ) not seen"), QStringLiteral("ﾀﾞ (あ) read as ｱ (あ)"),
          QStringLiteral("ｷ (い) not seen"), QStringLiteral("ﾏ (閉じた口) not seen"), QStringLiteral("ｽ (う) not seen")}},
    };
    for (const auto& c : cases) {
        const LipPattern word = Pattern(QString::fromUtf16(c.reading));
        const QString answer = QString::fromUtf16(c.answer);
        SCOPED_TRACE(answer.toStdString());
        const AnswerVerdict v = JudgeAnswer(word, QString::fromUtf16(c.display), answer,
                                            QString::fromUtf16(c.answerReading), ShippedTable(), &index);
        EXPECT_EQ(v.kind, c.kind);
        EXPECT_EQ(MistakeLines(v), c.mistakes);
        EXPECT_EQ(static_cast<int>(v.outcomes.size()), word.spoken());
    }

    // The look-alike verdict names the list's words that look like 窓.
    const LipPattern mado = Pattern(QStringLiteral("ﾏﾄﾞ"));
    const AnswerVerdict alike = JudgeAnswer(mado, QStringLiteral("窓"), QStringLiteral("孫"), QStringLiteral("ﾏｺﾞ"),
                                            ShippedTable(), &index);
    ASSERT_FALSE(alike.lookalikes.isEmpty());
    EXPECT_EQ(alike.lookalikes[0].display, QStringLiteral("孫"));

    // A wrong answer keeps, per syllable, the shape it has and the one taken for it.
    const AnswerVerdict wrong = JudgeAnswer(mado, QStringLiteral("窓"), QStringLiteral("など"), QStringLiteral("ﾅﾄﾞ"),
                                            ShippedTable(), &index);
    ASSERT_EQ(wrong.outcomes.size(), 2u);
    EXPECT_EQ(wrong.outcomes[0].shape, S::Closed);
    EXPECT_EQ(wrong.outcomes[0].readAs, S::A);
    EXPECT_FALSE(wrong.outcomes[0].right);
    EXPECT_TRUE(wrong.outcomes[1].right);
}

}  // namespace
