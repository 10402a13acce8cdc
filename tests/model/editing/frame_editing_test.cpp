#include "model/FrameEditing.h"
#include "model/LipTableFile.h"
#include "playback/SignAction.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace oralis {
namespace {

// A frame whose every value differs, so a wrong mapping cannot go unseen.
LipFrame Numbered(float offset = 0)
{
    LipFrame f;
    for (int i = 0; i < LipFrame::kValues; ++i)
        f[i] = offset + static_cast<float>(i) + 0.25f;
    return f;
}

SignEntry SignWithRates(std::initializer_list<float> rates)
{
    SignEntry s;
    for (float r : rates) {
        LipFrame f = Numbered(r * 100);
        f[LipFrame::kVelocityRate] = r;
        s.Frames.push_back(f);
    }
    return s;
}

std::vector<float> Rates(const SignEntry& s)
{
    std::vector<float> out;
    for (const LipFrame& f : s.Frames)
        out.push_back(f.velocityRate());
    return out;
}

TEST(FieldMapping, GridElementsShowYZXOfEachPoint)
{
    // element -> frame value, column by column, rows Y, Z, X
    const int upper[9] = {2, 3, 1, 5, 6, 4, 8, 9, 7};
    const int lower[9] = {15, 16, 14, 18, 19, 17, 21, 22, 20};
    for (int e = 0; e < 9; ++e) {
        EXPECT_EQ(UpTxValue(e), upper[e]) << "UpTx(" << e << ")";
        EXPECT_EQ(LwTxValue(e), lower[e]) << "LwTx(" << e << ")";
        EXPECT_EQ(SlotValue(UpTxSlot(e)), upper[e]);
        EXPECT_EQ(SlotValue(LwTxSlot(e)), lower[e]);
    }
    EXPECT_EQ(SlotValue(kVrateSlot), 0);
    EXPECT_EQ(SlotValue(kUpAngSlot), 13);
    EXPECT_EQ(SlotValue(kLwAngSlot), 26);
}

TEST(FieldMapping, EveryValueButTheFourthPointsHasExactlyOneField)
{
    std::set<int> shown;
    for (int slot = 0; slot < kEditFieldCount; ++slot)
        shown.insert(SlotValue(slot));
    EXPECT_EQ(shown.size(), size_t(kEditFieldCount));

    for (int value = 0; value < LipFrame::kValues; ++value) {
        const bool hidden = (value >= 10 && value <= 12) || (value >= 23 && value <= 25);
        const std::optional<int> slot = SlotOfValue(value);
        EXPECT_EQ(slot.has_value(), !hidden) << "value " << value;
        if (slot) {
            EXPECT_EQ(SlotValue(*slot), value);
        }
    }
    EXPECT_EQ(SlotOfValue(20), LwTxSlot(8));
    EXPECT_EQ(SlotName(UpTxSlot(4)), "UpTx(4)");
    EXPECT_EQ(SlotName(LwTxSlot(0)), "LwTx(0)");
    EXPECT_EQ(SlotName(kVrateSlot), "VrateTxt");
    EXPECT_EQ(SlotName(kUpAngSlot), "UpAngTx");
    EXPECT_EQ(SlotName(kLwAngSlot), "LwAngTx");
}

TEST(FieldMapping, TextsOfAFrameAreItsShortestNumbers)
{
    LipFrame f = LipFrame::fresh();
    f[2] = 0.5f;      // UpTx(0)
    f[1] = -12.25f;   // UpTx(2)
    f[20] = 3.0f;     // LwTx(8)
    f[26] = 15.5f;    // LwAngTx
    const FieldTexts t = FieldTextsOf(f);
    EXPECT_EQ(t[kVrateSlot], "1");
    EXPECT_EQ(t[UpTxSlot(0)], "0.5");
    EXPECT_EQ(t[UpTxSlot(2)], "-12.25");
    EXPECT_EQ(t[UpTxSlot(1)], "0");
    EXPECT_EQ(t[LwTxSlot(8)], "3");
    EXPECT_EQ(t[kLwAngSlot], "15.5");
}

TEST(StoreFields, WritesTheTwentyOneValuesAndKeepsTheFourthPoints)
{
    LipFrame target;
    for (int i = 0; i < LipFrame::kValues; ++i)
        target[i] = 99.0f;

    FieldTexts texts;
    for (int slot = 0; slot < kEditFieldCount; ++slot)
        texts[slot] = QString::number(slot * 2 + 0.5);  // 0.5, 2.5, ...
    ASSERT_TRUE(StoreFields(texts, target, QLocale::c()));

    for (int value = 0; value < LipFrame::kValues; ++value) {
        const std::optional<int> slot = SlotOfValue(value);
        const float expected = slot ? static_cast<float>(*slot * 2 + 0.5) : 99.0f;
        EXPECT_EQ(target[value], expected) << "value " << value;
    }
}

TEST(StoreFields, LoadedTextsStoreBackToTheSameFrame)
{
    LipFrame original = Numbered();
    original[7] = 0.1f;
    original[19] = -1e-05f;
    original[13] = 1234567.0f;
    LipFrame copy;
    ASSERT_TRUE(StoreFields(FieldTextsOf(original), copy, QLocale::c()));
    for (int value = 0; value < LipFrame::kValues; ++value) {
        if (SlotOfValue(value)) {
            EXPECT_EQ(copy[value], original[value]) << "value " << value;
        }
    }
}

TEST(StoreFields, ABadFieldIsNamedAndNothingIsStored)
{
    struct Case {
        int slot;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {UpTxSlot(4), "x", "Not a number in UpTx(4)"},
        {kLwAngSlot, "", "Not a number in LwAngTx"},
        {kVrateSlot, "1.5.2", "Not a number in VrateTxt"},
        {LwTxSlot(0), "1e39", "Not a number in LwTx(0)"},
        {UpTxSlot(8), "2abc", "Not a number in UpTx(8)"},
    };
    for (const Case& c : cases) {
        FieldTexts texts;
        texts.fill("7");
        texts[c.slot] = c.text;
        LipFrame frame = Numbered();
        const LipFrame before = frame;
        QString why;
        EXPECT_FALSE(StoreFields(texts, frame, QLocale::c(), &why)) << c.text.toStdString();
        EXPECT_EQ(why, c.message);
        EXPECT_EQ(frame.v, before.v) << "stored although " << c.message.toStdString();
    }
}

TEST(StoreReading, AcceptsTheUsersFormatAndAPeriod)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        QLocale locale;
        QString text;
        std::optional<float> value;
    };
    const Case cases[] = {
        {QLocale::c(), "1.5", 1.5f},
        {QLocale::c(), "  -2 ", -2.0f},
        {QLocale::c(), "1e3", 1000.0f},
        {QLocale::c(), "0.1", 0.1f},
        {QLocale::c(), "1,5", std::nullopt},
        {QLocale::c(), "1,000", std::nullopt},
        {QLocale::c(), "", std::nullopt},
        {QLocale::c(), "   ", std::nullopt},
        {QLocale::c(), "abc", std::nullopt},
        {QLocale::c(), "3 4", std::nullopt},
        {QLocale::c(), "inf", std::nullopt},
        {QLocale::c(), "nan", std::nullopt},
        {QLocale::c(), "-1e39", std::nullopt},
        {german, "1,5", 1.5f},
        {german, "1.5", 1.5f},
        {german, "-0,25", -0.25f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StoreReading(c.text, c.locale), c.value)
            << c.locale.name().toStdString() << " '" << c.text.toStdString() << "'";
    }
}

TEST(PreviewFrame, ReadsLeadingNumbersAndSkipsTheVelocityRate)
{
    FieldTexts texts;
    texts.fill("1");
    texts[kVrateSlot] = "5";
    texts[UpTxSlot(2)] = "2.5abc";  // value 1
    texts[LwTxSlot(1)] = "abc";     // value 16
    texts[kUpAngSlot] = "-3";
    texts[kLwAngSlot] = "";
    const LipFrame f = PreviewFrame(texts);
    EXPECT_EQ(f[0], 0.0f);
    EXPECT_EQ(f[1], 2.5f);
    EXPECT_EQ(f[16], 0.0f);
    EXPECT_EQ(f[13], -3.0f);
    EXPECT_EQ(f[26], 0.0f);
    EXPECT_EQ(f[2], 1.0f);
    EXPECT_EQ(f[10], 0.0f);
}

TEST(FrameNumber, ReadsTheBoxAsAnIndexOrSaysWhyNot)
{
    using C = FrameNumberCheck;
    struct Case {
        const char* text;
        int16_t frameCount;
        C check;
        int16_t index;
    };
    const Case cases[] = {
        {"1", 3, C::Ok, 0},
        {"2", 3, C::Ok, 1},
        {"3", 3, C::Ok, 2},
        {"2.5", 5, C::Ok, 2},   // 1.5 rounds to the even 2
        {"3.5", 5, C::Ok, 2},   // 2.5 rounds to the even 2
        {"1.5", 3, C::Ok, 0},   // 0.5 rounds to the even 0
        {"2x", 3, C::Ok, 1},
        {" 3 ", 3, C::Ok, 2},
        {"32767", 32767, C::Ok, 32766},
        {"4", 3, C::Exceeds, 0},
        {"3.6", 3, C::Exceeds, 0},
        {"32768", 32767, C::Exceeds, 0},
        {"1e9", 3, C::Exceeds, 0},
        {"0", 3, C::BelowOne, 0},
        {"-2", 3, C::BelowOne, 0},
        {"abc", 3, C::BelowOne, 0},
        {"-1e9", 3, C::BelowOne, 0},
        {"", 3, C::Empty, 0},
        {"  ", 3, C::Empty, 0},
        {"1", 0, C::NoFrame, 0},
    };
    for (const Case& c : cases) {
        const FrameNumber n = ReadFrameNumber(QString::fromLatin1(c.text), c.frameCount);
        EXPECT_EQ(n.check, c.check) << "'" << c.text << "' of " << c.frameCount;
        if (c.check == C::Ok) {
            EXPECT_EQ(n.index, c.index) << "'" << c.text << "'";
        }
    }
    EXPECT_EQ(FrameNumberMessage(C::Exceeds), "Frame Number exceeds");
    EXPECT_EQ(FrameNumberMessage(C::NoFrame), "This sign has no frame: use Add Frame");
    EXPECT_FALSE(FrameNumberMessage(C::BelowOne).isEmpty());
    EXPECT_FALSE(FrameNumberMessage(C::Empty).isEmpty());
}

// A table of `sign` in entry 1, as the editor works on it.
SignTable TableWith(const SignEntry& sign)
{
    SignTable table;
    table[1] = sign;
    table.SignCount = 2;
    return table;
}

TEST(DeleteFrame, LaterFramesMoveToTheFrontAndTheFrameThereIsShown)
{
    struct Case {
        int16_t index;
        std::vector<float> left;
        int16_t shown;
    };
    const Case cases[] = {
        {0, {2, 3, 4}, 0},
        {1, {1, 3, 4}, 1},
        {3, {1, 2, 3}, 2},  // the last frame went: the new last one
    };
    for (const Case& c : cases) {
        SignTable t = TableWith(SignWithRates({1, 2, 3, 4}));
        const SignEntry before = t[1];
        ASSERT_EQ(DeleteFrame(t, 1, c.index), c.shown) << c.index;
        const SignEntry& s = t[1];
        EXPECT_EQ(s.FrameCount(), 3);
        EXPECT_EQ(Rates(s), c.left);
        // Whole frames move, not only the velocity rate.
        for (int k = c.index; k < 3; ++k)
            EXPECT_EQ(s.Frames[k][LwTxValue(8)], before.Frames[k + 1][LwTxValue(8)]);
    }
}

TEST(DeleteFrame, RefusesWithoutChangingTheSign)
{
    struct Case {
        SignEntry sign;
        int16_t index;
        QString message;
    };
    const Case cases[] = {
        {SignWithRates({1}), 0, "Cannot delete!"},
        {SignWithRates({}), 0, "This sign has no frame: use Add Frame"},
        {SignWithRates({1, 2, 3}), 3, "Frame Number exceeds"},
        {SignWithRates({1, 2, 3}), -1, FrameNumberMessage(FrameNumberCheck::BelowOne)},
    };
    for (const Case& c : cases) {
        SignTable t = TableWith(c.sign);
        QString why;
        EXPECT_FALSE(DeleteFrame(t, 1, c.index, &why));
        EXPECT_EQ(why, c.message);
        EXPECT_EQ(t[1].FrameCount(), c.sign.FrameCount());
        EXPECT_EQ(Rates(t[1]), Rates(c.sign));
    }
}

TEST(AddFrame, AppendsAFreshFrame)
{
    for (const SignEntry& sign : {SignWithRates({}), SignWithRates({2, 3, 4})}) {
        SignTable t = TableWith(sign);
        const SignEntry& s = t[1];
        const int before = s.FrameCount();
        ASSERT_TRUE(AddFrame(t, 1));
        ASSERT_EQ(s.FrameCount(), before + 1);
        ASSERT_EQ(s.Frames.size(), size_t(before + 1));
        LipFrame expected;
        expected[0] = 1.0f;
        EXPECT_EQ(s.Frames.back().v, expected.v);
        if (before > 0) {
            EXPECT_EQ(s.Frames.front().velocityRate(), 2.0f);
        }
    }
}

TEST(AddFrame, RefusedWhenTheCountIsFull)
{
    SignEntry full;
    full.Frames.assign(kMaxFrameCount, LipFrame::fresh());
    SignTable t = TableWith(full);
    QString why;
    EXPECT_FALSE(AddFrame(t, 1, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(t[1].FrameCount(), kMaxFrameCount);
    EXPECT_EQ(t[1].Frames.size(), size_t(kMaxFrameCount));
}

TEST(AddSign, TakesEntrySignCountWithABlankNameAndOneFrame)
{
    SignTable table;
    table.SignCount = 5;
    // A leftover from a larger table loaded earlier must not survive.
    table[5] = SignWithRates({3, 4});
    table[5].SignName = FixedSignName("old");

    const std::optional<int16_t> n = AddSign(table);
    ASSERT_EQ(n, 5);
    EXPECT_EQ(table.SignCount, 6);
    EXPECT_EQ(table[5].SignName, QString(10, ' '));
    ASSERT_EQ(table[5].FrameCount(), 1);
    ASSERT_EQ(table[5].Frames.size(), size_t(1));
    EXPECT_EQ(table[5].Frames[0].v, LipFrame::fresh().v);
}

TEST(AddSign, RefusedWhenEveryEntryIsInUse)
{
    SignTable table;
    table.SignCount = kSignSlots;
    QString why;
    EXPECT_FALSE(AddSign(table, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(table.SignCount, kSignSlots);
}

// Exit and Open ask before a table with unsaved changes is lost: every edit
// marks it, a refused one changes nothing and leaves it unmarked, and only a
// load that succeeds takes the mark away (a save does too, in the window).
TEST(UnsavedChanges, EveryEditMarksTheTableUntilItIsLoaded)
{
    SignTable start;
    start[0] = SignWithRates({1});
    start[1] = SignWithRates({1, 2});
    start[2] = SignWithRates({1});  // left over beyond SignCount
    start.SignCount = 2;
    const FieldTexts texts = FieldTextsOf(Numbered());

    struct Case {
        const char* edit;
        std::function<bool(SignTable&)> apply;
        bool done;
    };
    const Case cases[] = {
        {"Set", [&](SignTable& t) { return StoreFrame(t, 1, 1, texts, QLocale::c()); }, true},
        {"Add Frame", [](SignTable& t) { return AddFrame(t, 1); }, true},
        {"Delete Frame", [](SignTable& t) { return DeleteFrame(t, 1, 0).has_value(); }, true},
        {"Add Char", [](SignTable& t) { return AddSign(t).has_value(); }, true},
        {"Set beyond the frames", [&](SignTable& t) { return StoreFrame(t, 1, 2, texts, QLocale::c()); }, false},
        {"Set beyond the table", [&](SignTable& t) { return StoreFrame(t, 2, 0, texts, QLocale::c()); }, false},
        {"Add Frame beyond the table", [](SignTable& t) { return AddFrame(t, 2); }, false},
        {"Delete the only frame", [](SignTable& t) { return DeleteFrame(t, 0, 0).has_value(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        SignTable t = start;
        EXPECT_EQ(c.apply(t), c.done);
        EXPECT_EQ(t.UnsavedChanges, c.done);
        if (!c.done) {
            for (int sign : {0, 1, 2})
                EXPECT_EQ(Rates(t[sign]), Rates(start[sign]));
            EXPECT_EQ(t.SignCount, start.SignCount);
            continue;
        }
        const QByteArray saved = FormatLipTable(t);
        EXPECT_EQ(LoadLipTableFromBytes("0,rest,x", t), 0);
        EXPECT_TRUE(t.UnsavedChanges);
        EXPECT_EQ(LoadLipTableFromBytes(saved, t), -1);
        EXPECT_FALSE(t.UnsavedChanges);
    }
}

TEST(SignAction, StepsFollowTheSpeedAndEachVelocityRate)
{
    SignTable table;
    table[0] = SignWithRates({1});
    table[3] = SignWithRates({1.5f, 1, 0, 0.3f});
    table.SignCount = 4;

    const auto steps = [](const PlaybackPlan& plan) {
        std::vector<int16_t> out;
        for (const PlannedTarget& t : plan.targets)
            out.push_back(t.steps);
        return out;
    };
    const std::optional<PlaybackPlan> plan = PlanSignAction(table, 3, u"500");
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->rest.v, table[0].Frames[0].v);
    EXPECT_EQ(steps(*plan), (std::vector<int16_t>{12, 8, 0, 2}));
    ASSERT_EQ(plan->targets.size(), size_t(4));
    EXPECT_EQ(plan->targets[1].frame.v, table[3].Frames[1].v);

    const std::optional<PlaybackPlan> fast = PlanSignAction(table, 3, u"1000");
    ASSERT_TRUE(fast);
    EXPECT_EQ(steps(*fast), (std::vector<int16_t>{6, 4, 0, 1}));  // 1.2 rounds to 1

    const std::optional<PlaybackPlan> empty = PlanSignAction(table, 7, u"500");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->targets.empty());
}

TEST(SignAction, RefusesWhatPlaybackRefuses)
{
    SignTable ok;
    ok[0] = SignWithRates({1});
    ok[1] = SignWithRates({1e6f});
    SignTable noRest;
    noRest[1] = SignWithRates({1});

    struct Case {
        const SignTable* table;
        int sign;
        QString speed;
    };
    const Case cases[] = {
        {&ok, 0, "0"}, {&ok, 0, "abc"}, {&ok, 0, ""}, {&noRest, 1, "500"}, {&ok, 1, "500"},
    };
    for (const Case& c : cases) {
        QString why;
        EXPECT_FALSE(PlanSignAction(*c.table, c.sign, c.speed, &why)) << c.speed.toStdString();
        EXPECT_FALSE(why.isEmpty());
    }
    QString why;
    PlanSignAction(noRest, 1, u"500", &why);
    EXPECT_EQ(why, "The rest sign 0 has no frame");
}

}  // namespace
}  // namespace oralis
