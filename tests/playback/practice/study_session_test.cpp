#include "RecordingLip.h"
#include "playback/RendererShape.h"
#include "playback/StudySession.h"

#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::LipCall;
using oralis::testing::RecordingLip;
using Word = StudySession::Word;
using Repeat = StudySession::Repeat;

namespace {

// Signs 0..31 of one frame each at velocity rate 1; upper value 1 names the sign.
SignTable SignTagged()
{
    SignTable t;
    for (int s = 0; s < 32; ++s) {
        LipFrame f;
        f[LipFrame::kVelocityRate] = 1.0f;
        f[LipFrame::kUpperCurve] = static_cast<float>(s);
        t[s].Frames.push_back(f);
    }
    t.SignCount = 32;
    return t;
}

// The calls since the last look, as "pass 0", "target 11" or "draw 8".
QStringList Calls()
{
    QStringList out;
    for (const LipCall& c : RecordingLip::Calls()) {
        const int sign = static_cast<int>(c.upper[0]);
        if (c.kind == LipCall::Draw)
            out << QStringLiteral("draw %1").arg(c.steps);
        else
            out << QStringLiteral("%1 %2").arg(QLatin1String(c.kind == LipCall::Pass ? "pass" : "target")).arg(sign);
    }
    RecordingLip::Clear();
    return out;
}

class StudySessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordingLip::Clear();
        session.setWord(Word::A, QStringLiteral("窓"), QStringLiteral("ﾏﾄﾞ"), QString());
        session.setWord(Word::B, QStringLiteral("ア"), QStringLiteral("ｱ"), QString());
    }

    const SignTable table = SignTagged();
    const LipExports& lip = ShapeKeepingExports(RecordingLip::Exports());
    int16_t active = 0;
    StudySession session{table, StudyPlayer{lip, [this](int16_t steps) {
                                                const float view[17] = {};
                                                lip.DrawSpace(0, view, steps, active);
                                            },
                                            active}};
    QString why;
};

// ﾏﾄﾞ plays rest (sign 0), ﾏ (11) and ﾄﾞ (20); ｱ plays 1.
TEST_F(StudySessionTest, StepsPlayAllAndCompareMakeTheRenderersCalls)
{
    const QString speed = QStringLiteral("500");
    const auto playAll = [&] { return session.playAll(speed, nullptr, nullptr, &why); };
    const auto compare = [&] { return session.compare(speed, nullptr, &why).has_value(); };
    const struct {
        const char* what;
        std::function<bool()> act;
        QStringList calls;
    } steps[] = {
        {"next", [&] { return session.step(true, speed, &why).has_value(); }, {"pass 0", "target 0", "draw 8"}},
        {"next", [&] { return session.step(true, speed, &why).has_value(); }, {"target 11", "draw 8"}},
        {"next", [&] { return session.step(true, speed, &why).has_value(); }, {"target 20", "draw 8"}},
        {"next at the end", [&] { return !session.step(true, speed, &why); }, {}},
        {"back", [&] { return session.step(false, speed, &why).has_value(); }, {"target 11", "draw 8"}},
        {"back", [&] { return session.step(false, speed, &why).has_value(); }, {"target 0", "draw 8"}},
        {"play all from there", playAll, {"target 11", "draw 8", "target 20", "draw 8"}},
        {"compare: A, then B, each from rest", compare,
         {"pass 0", "target 0", "draw 8", "target 11", "draw 8", "target 20", "draw 8", "pass 0", "target 0",
          "draw 8", "target 1", "draw 8"}},
        {"next after compare starts from rest",
         [&] { return session.step(true, speed, &why).has_value(); }, {"pass 0", "target 0", "draw 8"}},
        {"a changed word B starts from rest too",
         [&] {
             session.setWord(Word::B, QStringLiteral("イ"), QStringLiteral("ｲ"), QString());
             return session.step(true, speed, &why).has_value();
         },
         {"pass 0", "target 0", "draw 8"}},
        {"so does a new speed",
         [&] {
             session.restart();
             return session.step(true, QStringLiteral("1000"), &why).has_value();
         },
         {"pass 0", "target 0", "draw 4"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_TRUE(s.act());
        EXPECT_EQ(Calls(), s.calls);
        EXPECT_TRUE(why.isEmpty()) << why.toStdString();
        EXPECT_EQ(active, 0);
    }
}

TEST_F(StudySessionTest, RepeatsWhileAskedAndNothingElsePlaysMeanwhile)
{
    const QString speed = QStringLiteral("500");
    int runs = 0;
    QStringList meanwhile;
    ASSERT_TRUE(session.playAll(speed, nullptr, [&] {
        ++runs;
        Calls();
        // Busy: the step and the comparison are ignored, and say nothing.
        EXPECT_FALSE(session.step(false, speed, &why));
        EXPECT_FALSE(session.compare(speed, nullptr, &why));
        meanwhile << Calls() << why;
        return runs < 3 ? Repeat::Again : Repeat::Stop;
    }, &why));
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(meanwhile, QStringList(3, QString()));
    EXPECT_FALSE(session.busy());

    // A new word A during a repeat ends it.
    runs = 0;
    ASSERT_TRUE(session.playAll(speed, nullptr, [&] {
        ++runs;
        session.setWord(Word::A, QStringLiteral("傘"), QStringLiteral("ｶｻ"), QString());
        return Repeat::Again;
    }, &why));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(session.busy());
}

TEST_F(StudySessionTest, RefusalsSayWhyAndPlayNothing)
{
    const struct {
        const char16_t* text;
        const char16_t* reading;
        const char* boxRefusal;
        const char16_t* speed;
        const char* message;
    } cases[] = {
        {u"", u"", "", u"500", "Type word A first"},
        {u"abc", u"", "", u"500", "Unsupported character(s) in the string"},
        {u"3.5", u"", "type the number in kana", u"500", "type the number in kana"},
        {u"窓", u"ﾏﾄﾞ", "", u"0", "Speed must be a number above 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        session.setWord(Word::A, QString::fromUtf16(c.text), QString::fromUtf16(c.reading),
                        QString::fromUtf8(c.boxRefusal));
        const QString speed = QString::fromUtf16(c.speed);
        for (int action = 0; action < 5; ++action) {
            why.clear();
            switch (action) {
            case 0: EXPECT_FALSE(session.step(true, speed, &why)); break;
            case 1: EXPECT_FALSE(session.playAll(speed, nullptr, nullptr, &why)); break;
            case 2: EXPECT_FALSE(session.compare(speed, nullptr, &why)); break;
            case 3: EXPECT_FALSE(session.wordStrip(speed, &why)); break;
            default: EXPECT_FALSE(session.lookalikes(speed, QString(), &why)); break;
            }
            EXPECT_EQ(why.toStdString(), c.message) << action;
        }
        EXPECT_TRUE(Calls().isEmpty());
    }

    // B is asked for only once A plays; refused, nothing of A plays either.
    session.setWord(Word::A, QStringLiteral("窓"), QStringLiteral("ﾏﾄﾞ"), QString());
    session.setWord(Word::B, QString(), QString(), QString());
    EXPECT_FALSE(session.compare(QStringLiteral("500"), nullptr, &why));
    EXPECT_EQ(why, QStringLiteral("Type word B first"));
    EXPECT_TRUE(Calls().isEmpty());
}

}  // namespace
