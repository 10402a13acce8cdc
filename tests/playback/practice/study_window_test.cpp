#include "RecordingLip.h"
#include "ShippedData.h"
#include "playback/RendererShape.h"
#include "playback/StudySteps.h"
#include "playback/StudyStrip.h"

#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::LipCall;
using oralis::testing::RecordingLip;
using oralis::testing::ShippedTable;

namespace {

LipPattern Pattern(const QString& reading)
{
    std::optional<LipPattern> p = PatternOfReading(reading, ShippedTable(), u"500");
    EXPECT_TRUE(p) << reading.toStdString();
    return p.value_or(LipPattern{});
}

TEST(StudyWindow, CaptionHighlightsTheSyllableAndTheOutlineFollowsTheShape)
{
    // ﾏ closes the lips before its あ; ｯ holds the あ before it; ﾄ is お.
    StepCursor cursor(Pattern(QStringLiteral("ﾏｯﾄ")));
    const struct {
        const char* highlighted;  // empty: at rest, nothing highlighted
        std::optional<int> outlined;
    } steps[] = {{"", std::nullopt}, {"", std::nullopt}, {"ﾏ", 5}, {"ﾏ", 0}, {"ｯ", 0}, {"ｯ", 0}, {"ﾄ", 4}, {"ﾄ", 4}};
    ASSERT_EQ(cursor.count(), 7);  // the rest shape first
    for (int i = 0; i <= cursor.count(); ++i) {
        SCOPED_TRACE(i);
        if (i > 0)
            cursor.next();
        const QString html = StepCaptionHtml(cursor, QStringLiteral("A"));
        const QString kana = QString::fromUtf8(steps[i].highlighted);
        EXPECT_TRUE(html.startsWith(QStringLiteral("<p>A&nbsp;&nbsp;"))) << html.toStdString();
        EXPECT_EQ(html.count(QStringLiteral("<b>")), kana.isEmpty() ? 0 : 1);
        if (!kana.isEmpty()) {
            EXPECT_TRUE(html.contains(QStringLiteral("<b>%1</b>").arg(kana))) << html.toStdString();
        }
        EXPECT_TRUE(html.contains(StepCaption(cursor))) << html.toStdString();
        EXPECT_EQ(OutlinedShape(cursor), steps[i].outlined);
    }
}

TEST(StudyWindow, StripsShowTargetShapesAndMarkTheDifferingPairs)
{
    const SignTable& table = ShippedTable();
    const LipPattern mado = Pattern(QStringLiteral("ﾏﾄﾞ"));
    const struct {
        const char* b;
        std::vector<const char*> labelsB;  // "" where B has no syllable
        std::vector<bool> differs;
    } cases[] = {
        {"ﾊﾞﾄ", {"ﾊﾞ\n閉じた口", "ﾄ\nお"}, {false, false}},
        {"ﾏｽ", {"ﾏ\n閉じた口", "ｽ\nう"}, {false, true}},
        {"ﾏ", {"ﾏ\n閉じた口", ""}, {false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.b);
        const std::vector<StripColumn> strip = ComparisonStrip(mado, Pattern(QString::fromUtf8(c.b)));
        ASSERT_EQ(strip.size(), c.differs.size());
        for (size_t i = 0; i < strip.size(); ++i) {
            ASSERT_TRUE(strip[i].a);
            EXPECT_EQ(strip[i].b.has_value(), *c.labelsB[i] != 0);
            if (strip[i].b) {
                EXPECT_EQ(strip[i].b->label(), QString::fromUtf8(c.labelsB[i]));
            }
            EXPECT_EQ(strip[i].differs, c.differs[i]);
        }
    }

    // A syllable's picture is where its sign ends, but a bilabial shows its
    // closure, as its label says (ﾊﾟ, ﾏ, ﾊﾞ all play the m-signs 11..15).
    const std::vector<StripCell> word = WordStrip(Pattern(QStringLiteral("ﾊﾟﾐﾌﾞﾄﾞ")));
    const struct {
        const char* label;
        const LipFrame& frame;
    } cells[] = {{"ﾊﾟ\n閉じた口", table[11].Frames.front()},
                 {"ﾐ\n閉じた口", table[12].Frames.front()},
                 {"ﾌﾞ\n閉じた口", table[13].Frames.front()},
                 {"ﾄﾞ\nお", table[20].Frames.back()}};
    ASSERT_EQ(word.size(), std::size(cells));
    for (size_t i = 0; i < word.size(); ++i) {
        EXPECT_EQ(word[i].label(), QString::fromUtf8(cells[i].label));
        EXPECT_EQ(word[i].target->v, cells[i].frame.v) << i;
    }

    EXPECT_EQ(BasicShapeFrame(table, BasicShape::O)->v, table[5].Frames.back().v);
    EXPECT_EQ(BasicShapeFrame(table, BasicShape::Closed)->v, table[11].Frames.front().v);
    EXPECT_FALSE(BasicShapeFrame(table, BasicShape::Geminate));
    SignTable oneFrameMa = table;
    oneFrameMa[11].Frames.resize(1);
    EXPECT_FALSE(BasicShapeFrame(oneFrameMa, BasicShape::Closed));

    EXPECT_EQ(LookalikeText(QStringLiteral("ﾏﾄﾞ"), {}), QStringLiteral("No word of the lists looks like ﾏﾄﾞ"));
    EXPECT_EQ(LookalikeText(QStringLiteral("ﾏﾄﾞ"), {{QStringLiteral("ﾊﾞﾄ"), QStringLiteral("鳩"),
                                                   QStringLiteral("level1.txt")}}),
              QStringLiteral("ﾊﾞﾄ  鳩  (level1.txt)"));
}

TEST(StudyWindow, RendererShapeFollowsTheCallsAndIsPutBack)
{
    const SignTable& table = ShippedTable();
    const LipFrame& a = table[1].Frames[0];
    const LipFrame& u = table[3].Frames[0];
    const LipFrame& e = table[4].Frames[0];
    const LipExports& lip = ShapeKeepingExports(RecordingLip::Exports());
    const float view[17] = {};
    RecordingLip::Clear();

    lip.ControlPass(a.upperCurve(), a.upperAngle(), a.lowerCurve(), a.lowerAngle());
    lip.ControlPassTarget(u.upperCurve(), u.upperAngle(), u.lowerCurve(), u.lowerAngle());
    lip.DrawSpace(0, view, 0, 0);
    EXPECT_TRUE(RendererShows(a));  // a still draw moves nothing
    lip.DrawSpace(0, view, 4, 1);
    EXPECT_TRUE(RendererShows(u));
    EXPECT_EQ(RecordingLip::Calls().size(), 4u);  // every call reaches the renderer

    const RendererShape shown = RendererShapeNow();
    lip.ControlPass(e.upperCurve(), e.upperAngle(), e.lowerCurve(), e.lowerAngle());
    StepMove move;
    StartFromShown(move, u);
    EXPECT_EQ(move.start->v, u.v);  // something else was drawn: the step starts from its own shape

    RecordingLip::Clear();
    PutBackShape(lip, shown);
    EXPECT_TRUE(RendererShows(u));
    const std::vector<LipCall> calls = RecordingLip::Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, LipCall::Pass);
    EXPECT_EQ(calls[1].kind, LipCall::Target);
    EXPECT_EQ(calls[1].upper[2], u[LipFrame::kUpperCurve + 2]);

    StepMove untouched;
    StartFromShown(untouched, u);
    EXPECT_FALSE(untouched.start);
}

}  // namespace
