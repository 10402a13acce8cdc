// The editor's and the copy-from dialog's decisions, driven without a window.
#include "TableBuilder.h"
#include "model/EditorSession.h"

#include <gtest/gtest.h>

namespace oralis {
namespace {

using testing::SmallTable;

// Answers each question with the next of `answers` and keeps the questions.
struct Answers {
    std::vector<bool> answers;
    QStringList asked;
    ConfirmFn Fn()
    {
        return [this](const QString& q) {
            asked << q;
            const bool ok = answers.empty() || answers.front();
            if (!answers.empty())
                answers.erase(answers.begin());
            return ok;
        };
    }
};

ConfirmFn Never()
{
    return [](const QString& q) {
        ADD_FAILURE() << "asked " << q.toStdString();
        return true;
    };
}

// A session on its own small table, with sign `sign` chosen from the list.
struct Editor {
    SignTable table = SmallTable();
    EditorSession s{table};
    explicit Editor(int sign = 1) { s.ChooseSign(sign, true, Never()); }
    LipFrame Fields() const
    {
        LipFrame f;
        EXPECT_TRUE(StoreFields(s.Fields(), f, QLocale::c()));
        return f;
    }
    void Edit(int slot, const char* text) { s.FieldEdited(slot, QString::fromLatin1(text)); }
};

TEST(EditorSession, ChoosingASignLoadsAndDrawsItsFirstFrame)
{
    Editor e(3);
    e.s.FrameNoTyped("7");
    e.Edit(UpTxSlot(0), "9");
    const EditorView v = e.s.ChooseSign(1, true, Never());
    EXPECT_EQ(e.s.CurrentSign(), 1);
    EXPECT_EQ(v.frameNo, QString("1"));
    EXPECT_EQ(v.total, 3);
    EXPECT_TRUE(v.fields);
    EXPECT_EQ(e.Fields().v, e.table[1].Frames[0].v);
    ASSERT_TRUE(v.draw);
    EXPECT_EQ(PreviewFrame(FieldTextsOf(e.table[1].Frames[0])).v, v.draw->v);
    EXPECT_FALSE(e.s.FrameChanged());

    // A sign without frames shows what Add Frame would give it.
    const EditorView empty = e.s.ChooseSign(2, true, Never());
    EXPECT_EQ(empty.total, 0);
    EXPECT_EQ(e.Fields().v, LipFrame::fresh().v);
    EXPECT_FALSE(e.s.FrameChanged());
}

TEST(EditorSession, TheClosedListAsksBeforeUnsetEditsAreLost)
{
    struct Case {
        bool fromList;
        bool edited;
        std::vector<bool> answers;
        int16_t current;
        int asked;
    };
    const Case cases[] = {
        {true, true, {}, 3, 0},        // opening the list has asked already
        {false, false, {}, 3, 0},
        {false, true, {true}, 3, 1},
        {false, true, {false}, 1, 1},  // Cancel: the list goes back to sign 1
    };
    for (const Case& c : cases) {
        Editor e;
        if (c.edited)
            e.Edit(UpTxSlot(3), "8");
        Answers a{c.answers, {}};
        const EditorView v = e.s.ChooseSign(3, c.fromList, a.Fn());
        EXPECT_EQ(e.s.CurrentSign(), c.current);
        EXPECT_EQ(a.asked.size(), c.asked);
        EXPECT_EQ(v.restoreList, c.current == 1);
    }
    // A list item beyond a smaller table opened meanwhile changes nothing.
    Editor e;
    e.table.SignCount = 2;
    EXPECT_TRUE(e.s.ChooseSign(3, true, Never()).restoreList);
    EXPECT_EQ(e.s.CurrentSign(), 1);
}

TEST(EditorSession, OpeningTheListClearsUnsetEditsOnlyWithOk)
{
    for (bool ok : {true, false}) {
        Editor e;
        e.Edit(LwTxSlot(4), "5");
        Answers a{{ok}, {}};
        e.s.ListOpening(a.Fn());
        EXPECT_EQ(a.asked, QStringList{"Changes will be discarded"});
        EXPECT_EQ(e.s.FrameChanged(), !ok);
    }
    Editor e;
    e.Edit(kUpAngSlot, "12");  // an angle is not an edit to ask about
    e.Edit(kLwAngSlot, "-3");
    EXPECT_FALSE(e.s.FrameChanged());
    e.s.ListOpening(Never());
}

TEST(EditorSession, TypedFrameNumbersLoadTheirFrameOrAreRefused)
{
    struct Case {
        const char* typed;
        int frame;  // -1: the fields stay as they were
        const char* message;
    };
    const Case cases[] = {
        {"2", 1, ""},
        {"2.5", 2, ""},  // 1.5 rounds to the even 2
        {"4", -1, "Frame Number exceeds"},
        {"99999", -1, "Frame Number exceeds"},
        {"0", -1, "Frame Number must be 1 or more"},
        {"", -1, ""},
    };
    for (const Case& c : cases) {
        Editor e;
        const LipFrame before = e.Fields();
        const EditorView v = e.s.FrameNoTyped(QString::fromLatin1(c.typed));
        EXPECT_EQ(v.message, QString::fromLatin1(c.message)) << c.typed;
        EXPECT_EQ(e.s.FrameNo(), QString::fromLatin1(c.typed));
        EXPECT_FALSE(v.frameNo) << "the box keeps what was typed";
        if (c.frame < 0) {
            EXPECT_EQ(e.Fields().v, before.v) << c.typed;
            EXPECT_FALSE(v.draw) << c.typed;
        } else {
            EXPECT_EQ(e.Fields().v, e.table[1].Frames[c.frame].v) << c.typed;
            EXPECT_TRUE(v.draw);
            // Loading rewrote the fields: that is an unset edit like any other.
            EXPECT_TRUE(e.s.FrameChanged());
        }
    }
}

TEST(EditorSession, ClickingTheFrameBoxAsksAndCancelPutsTheNumberBack)
{
    Editor e;
    e.s.FrameNoFocused();
    e.s.FrameNoTyped("3");
    EXPECT_EQ(e.s.SavedFrameNo(), "1");
    ASSERT_TRUE(e.s.FrameChanged());

    Answers cancel{{false}, {}};
    const EditorView v = e.s.FrameNoClicked(cancel.Fn());
    EXPECT_EQ(cancel.asked, QStringList{"Changes will be discarded"});
    EXPECT_EQ(v.frameNo, QString("1"));
    EXPECT_EQ(e.Fields().v, e.table[1].Frames[0].v);

    e.Edit(kVrateSlot, "4");
    Answers ok{{true}, {}};
    EXPECT_FALSE(e.s.FrameNoClicked(ok.Fn()).fields);
    EXPECT_FALSE(e.s.FrameChanged());
    EXPECT_EQ(e.s.Fields()[kVrateSlot], "4");
    e.s.FrameNoClicked(Never());  // nothing unset: no question
}

TEST(EditorSession, LoadDispAndSet)
{
    Editor e;
    e.s.FrameNoTyped("2");
    LipFrame& stored = e.table[1].Frames[1];
    stored[11] = 42.0f;  // a fourth-point value no field shows
    e.Edit(UpTxSlot(2), "7.5x");

    // Disp draws the edit as previews read it; nothing is stored.
    EXPECT_EQ(e.s.Disp().draw->v[1], 7.5f);
    EXPECT_EQ(stored[1], 110.25f);

    // Set refuses a field that is not a number, then stores every field.
    EditorView v = e.s.Set(QLocale::c());
    EXPECT_EQ(v.message, "Not a number in UpTx(2)");
    EXPECT_FALSE(e.s.TableChanged());
    e.Edit(UpTxSlot(2), "-1.5");
    e.Edit(UpTxSlot(4), "2.25");
    v = e.s.Set(QLocale::c());
    EXPECT_EQ(v.message, "Data updated");
    EXPECT_EQ(stored[1], -1.5f);
    EXPECT_EQ(stored[6], 2.25f);  // UpTx(4): Z of the middle point
    EXPECT_EQ(stored[11], 42.0f);
    EXPECT_FALSE(e.s.FrameChanged());
    EXPECT_TRUE(e.s.TableChanged());

    // Load brings back the stored frame and clears the edit.
    e.Edit(UpTxSlot(2), "9");
    v = e.s.Load();
    EXPECT_EQ(e.s.Fields()[UpTxSlot(2)], "-1.5");
    EXPECT_FALSE(e.s.FrameChanged());

    struct Refusal {
        const char* frameNo;
        const char* message;
    };
    for (const Refusal& r : {Refusal{"7", "Frame Number exceeds"}, Refusal{"", "Enter a frame number"}}) {
        e.s.FrameNoTyped(QString::fromLatin1(r.frameNo));
        e.Edit(UpTxSlot(2), "3");
        EXPECT_EQ(e.s.Load().message, r.message);
        EXPECT_EQ(e.s.Set(QLocale::c()).message, r.message);
        EXPECT_EQ(stored[1], -1.5f);
    }
}

TEST(EditorSession, AddFrameAppendsAndShowsAFreshFrame)
{
    for (int sign : {1, 2}) {  // three frames, none
        Editor e(sign);
        const int16_t n = static_cast<int16_t>(e.table[sign].FrameCount() + 1);
        const EditorView v = e.s.AddFrame();
        EXPECT_EQ(e.table[sign].FrameCount(), n);
        EXPECT_EQ(e.table[sign].Frames.back().v, LipFrame::fresh().v);
        EXPECT_EQ(v.frameNo, QString::number(n));
        EXPECT_EQ(v.total, n);
        EXPECT_EQ(e.Fields().v, LipFrame::fresh().v);
        EXPECT_TRUE(v.draw);
        EXPECT_EQ(e.s.FrameChanged(), sign == 1);  // the velocity rate's text changed
        EXPECT_FALSE(e.s.TableChanged());
    }
}

TEST(EditorSession, DeleteFrameShowsTheFrameNowAtItsNumber)
{
    struct Case {
        const char* number;
        std::vector<int> left;  // the frames left, by their old index
        const char* shown;
    };
    for (const Case& c : {Case{"2", {0, 2}, "2"}, Case{"3", {0, 1}, "2"}}) {
        Editor e;
        const std::vector<LipFrame> before = e.table[1].Frames;
        e.s.FrameNoTyped(QString::fromLatin1(c.number));
        const EditorView v = e.s.DeleteFrame();
        EXPECT_EQ(v.total, 2);
        EXPECT_EQ(v.frameNo, QString::fromLatin1(c.shown));
        // Set right after must not write the deleted frame over its successor.
        EXPECT_EQ(e.Fields().v, before[static_cast<size_t>(c.left[1])].v);
        EXPECT_FALSE(e.s.FrameChanged());
        for (size_t k = 0; k < c.left.size(); ++k)
            EXPECT_EQ(e.table[1].Frames[k].v, before[static_cast<size_t>(c.left[k])].v);
    }
}

TEST(EditorSession, RefusalsChangeNothing)
{
    struct Case {
        int sign;
        const char* frameNo;  // set in the box after the sign was chosen
        std::function<EditorView(EditorSession&)> command;
        const char* message;
    };
    const auto del = [](EditorSession& s) { return s.DeleteFrame(); };
    const auto set = [](EditorSession& s) { return s.Set(QLocale::c()); };
    const Case cases[] = {
        {3, "1", del, "Cannot delete!"},
        {2, "1", del, "This sign has no frame: use Add Frame"},
        {1, "5", del, "Frame Number exceeds"},
        {1, "-1", del, "Frame Number must be 1 or more"},
        {2, "1", [](EditorSession& s) { return s.Load(); }, "This sign has no frame: use Add Frame"},
        {2, "1", set, "This sign has no frame: use Add Frame"},
    };
    for (const Case& c : cases) {
        Editor e(c.sign);
        e.s.FrameNoTyped(QString::fromLatin1(c.frameNo));
        const SignTable before = e.table;
        const EditorView v = c.command(e.s);
        EXPECT_EQ(v.message, QString::fromLatin1(c.message)) << c.sign << " " << c.frameNo;
        EXPECT_FALSE(v.fields || v.draw || v.total);
        EXPECT_EQ(e.table[c.sign].Frames.size(), before[c.sign].Frames.size());
        EXPECT_FALSE(e.s.TableChanged());
    }

    // A table opened meanwhile no longer holds the current sign: what would
    // be changed there is never saved.
    Editor e(3);
    e.table.SignCount = 2;
    for (const EditorView& v : {e.s.Set(QLocale::c()), e.s.AddFrame(), e.s.DeleteFrame(), e.s.Load()})
        EXPECT_TRUE(v.message.startsWith("Sign 3 is not in the table")) << v.message.toStdString();
    QString why;
    EXPECT_FALSE(e.s.ActionSign(&why));
    EXPECT_TRUE(why.startsWith("Sign 3 is not in the table"));
    EXPECT_EQ(e.table[3].FrameCount(), 1);
}

TEST(EditorSession, AddCharAppendsABlankSignAndKeepsTheCurrentOne)
{
    Editor e;
    e.s.FrameNoTyped("2");
    const EditorView v = e.s.AddChar();
    EXPECT_EQ(e.table.SignCount, 5);
    EXPECT_EQ(v.newSign, QString(10, ' '));
    EXPECT_EQ(e.s.CurrentSign(), 1);
    EXPECT_EQ(v.frameNo, QString("1"));
    EXPECT_EQ(v.total, 3);
    // Frame 1 of the current sign is drawn; the fields show the new sign's frame.
    EXPECT_EQ(v.draw->v, PreviewFrame(FieldTextsOf(e.table[1].Frames[0])).v);
    EXPECT_EQ(e.Fields().v, LipFrame::fresh().v);
    EXPECT_FALSE(e.s.TableChanged());

    e.table.SignCount = kSignSlots;
    EXPECT_FALSE(e.s.AddChar().message.isEmpty());
    EXPECT_EQ(e.table.SignCount, kSignSlots);
}

TEST(EditorSession, CopyFromLoadsOnlyWithOkAndAFrameThatExists)
{
    struct Case {
        bool ok;
        int16_t sign, frame;
        bool loads;
    };
    for (const Case& c : {Case{true, 1, 2, true}, Case{false, 1, 2, false}, Case{true, 5, 0, false},
                          Case{true, 1, 3, false}}) {
        Editor e(3);
        const EditorView v = e.s.CopyFrom(c.ok, c.sign, c.frame);
        EXPECT_EQ(v.fields, c.loads);
        EXPECT_EQ(e.Fields().v, (c.loads ? e.table[1].Frames[2] : e.table[3].Frames[0]).v);
        EXPECT_EQ(e.s.CurrentSign(), 3);
        EXPECT_EQ(e.s.FrameChanged(), c.loads);
    }
}

TEST(EditorSession, SaveAndCloseKeepTheTableFlag)
{
    Editor e;
    EXPECT_TRUE(e.s.Close(Never()).hide);  // nothing Set: no question

    e.s.Set(QLocale::c());
    Answers cancel{{false}, {}};
    EXPECT_FALSE(e.s.Close(cancel.Fn()).hide);
    EXPECT_EQ(cancel.asked, QStringList{"Changes will be discarded"});
    EXPECT_TRUE(e.s.TableChanged());

    // Only a confirmed chooser with the table's own suffix writes.
    EXPECT_TRUE(EditorSession::SaveChosen(true, ".csv"));
    EXPECT_FALSE(EditorSession::SaveChosen(false, ".csv"));
    EXPECT_FALSE(EditorSession::SaveChosen(true, ".CSV"));
    EXPECT_EQ(e.s.Saved(false, QString()).message, "The table was not saved");
    EXPECT_EQ(e.s.Saved(false, "Disk full").message, "Disk full");
    EXPECT_TRUE(e.s.TableChanged());
    EXPECT_TRUE(e.s.Saved(true, QString()).message.isEmpty());
    EXPECT_FALSE(e.s.TableChanged());

    e.s.Set(QLocale::c());
    Answers ok{{true}, {}};
    EXPECT_TRUE(e.s.Close(ok.Fn()).hide);
    EXPECT_FALSE(e.s.TableChanged());
}

TEST(CopyChoice, ChoosingAndPreviewingOrRefusing)
{
    struct Case {
        int sign;
        const char* number;
        const char* message;  // empty: the frame is shown
        int16_t copyJ;
    };
    const Case cases[] = {
        {1, "3", "", 2},
        {1, "2.5", "", 2},
        {1, "4", "Frame number exceeds", 0},
        {1, "70000", "Frame number exceeds", 0},
        {1, "0", "Frame number must be 1 or more", 0},
        {1, "x", "Frame number must be 1 or more", 0},
        {2, "1", "This sign has no frame", 0},
    };
    const SignTable table = SmallTable();
    for (const Case& c : cases) {
        CopyChoice choice;
        const CopyChoice::View chosen = choice.ChooseSign(table, c.sign);
        EXPECT_EQ(chosen.frameNo, QString("1"));
        EXPECT_EQ(chosen.total, table[c.sign].FrameCount());
        EXPECT_EQ(chosen.show, table.Frame(c.sign, 0));
        const CopyChoice::View v = choice.Preview(table, QString::fromLatin1(c.number));
        EXPECT_EQ(v.message, QString::fromLatin1(c.message)) << c.number;
        EXPECT_EQ(choice.CopyJ, c.copyJ) << c.number;
        EXPECT_EQ(v.show, *c.message ? nullptr : table.Frame(c.sign, c.copyJ));
        // OK hands back only a frame that exists.
        EXPECT_EQ(choice.OkRefusal(table).isEmpty(), c.sign == 1);
    }
    CopyChoice gone;
    gone.ChooseSign(table, 3);
    SignTable smaller = table;
    smaller.SignCount = 3;
    EXPECT_EQ(gone.Preview(smaller, u"1").message, "Channel number exceeds");
    EXPECT_EQ(gone.OkRefusal(smaller), "Channel number exceeds");
}

}  // namespace
}  // namespace oralis
