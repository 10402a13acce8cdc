// The editor window: choosing signs and frames, previews, Set, Action and
// the questions about unsaved work.
#include "EditorFixture.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/editor/frmCopy.h"
#include "ui/main/Quiz.h"
#include "ui/main/frmYesNo.h"

#include <QAction>
#include <QInputMethodEvent>

namespace oralis::testing {

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void choosingASignLoadsAndDrawsItsFirstFrame()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "3");
        RecordingLip::Clear();
        ModalScript script;  // loading frame 3 rewrote the fields
        script.Answer(QMessageBox::Ok);
        s.ChooseSign(1);
        QVERIFY(script.Done());

        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(1));
        QCOMPARE(s.Text("FrameNoTxt"), QString("1"));
        QCOMPARE(s.W<QLabel>("TotalFrameLbl")->text(), QString("3"));
        // Y, Z, X of the upper centre point; X of the lower corner.
        QCOMPARE(s.Text("UpTx(0)"), QString("100.5"));
        QCOMPARE(s.Text("UpTx(1)"), QString("100.75"));
        QCOMPARE(s.Text("UpTx(2)"), QString("100.25"));
        QCOMPARE(s.Text("LwTx(8)"), QString("105"));
        QCOMPARE(s.Text("UpAngTx"), QString("103.25"));
        QCOMPARE(s.Text("VrateTxt"), QString("1"));
        QVERIFY(!s.editor->Session().FrameChanged());

        QVERIFY(SameShape(*LastPass(), Program().signTable[1].Frames[0]));
        const std::vector<LipCall> draws = RecordingLip::Of(LipCall::Draw);
        QVERIFY(!draws.empty());
        QCOMPARE(draws.back().steps, int16_t(0));
        QCOMPARE(draws.back().animate, int16_t(0));
    }

    void typingFrameNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("frame");  // -1: the fields stay as they were
        QTest::addColumn<QString>("message");
        QTest::newRow("in range") << "2" << 1 << "";
        QTest::newRow("too large") << "4" << -1 << "Frame Number exceeds";
    }

    void typingFrameNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, frame);
        QFETCH(QString, message);
        EditorWindow s;
        s.ChooseSign(1);
        const LipFrame before = s.Fields();
        RecordingLip::Clear();

        ModalScript script;
        if (!message.isEmpty())
            script.Answer();
        s.Paste("FrameNoTxt", typed);
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts.join('|'), message);
        QCOMPARE(s.Text("FrameNoTxt"), typed);

        if (frame < 0) {
            QCOMPARE(s.Fields().v, before.v);
            QVERIFY(RecordingLip::Calls().empty());
        } else {
            QCOMPARE(s.Fields().v, Program().signTable[1].Frames[frame].v);
            QVERIFY(SameShape(*LastPass(), Program().signTable[1].Frames[frame]));
        }
    }

    void dispDrawsEditsAndLoadBringsBackTheStoredFrame()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("UpTx(2)", "7.5x");  // X of the upper centre: value 1
        QVERIFY(s.editor->Session().FrameChanged());

        s.Click("cmdDisp");
        QCOMPARE((*LastPass())[1], 7.5f);
        QCOMPARE(Program().signTable[1].Frames[0][1], 100.25f);
        QVERIFY(s.editor->Session().FrameChanged());

        s.Click("cmdFrameLoad");
        QCOMPARE(s.Text("UpTx(2)"), QString("100.25"));
        QCOMPARE((*LastPass())[1], 100.25f);
        QVERIFY(!s.editor->Session().FrameChanged());
    }

    void openingTheListAsksAboutUnsetEdits_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void openingTheListAsksAboutUnsetEdits()
    {
        QFETCH(bool, ok);
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("LwTx(4)", "5");

        ModalScript script;
        script.Answer(ok ? QMessageBox::Ok : QMessageBox::Cancel);
        auto* list = s.W<QComboBox>("cmbIndex");
        list->showPopup();
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts, QStringList{"Changes will be discarded"});
        QCOMPARE(s.editor->Session().FrameChanged(), !ok);
        // The list opens either way, and a sign chosen from it replaces the fields.
        QTRY_VERIFY(list->view()->isVisible());
        list->hidePopup();

        ModalScript again;
        if (!ok)
            again.Answer(QMessageBox::Cancel);
        s.ChooseSign(3);
        QTRY_VERIFY(again.Done());
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(3));
        QCOMPARE(s.Text("LwTx(4)"), QString("304.75"));
        QVERIFY(!s.editor->Session().FrameChanged());
    }

    void arrowKeysOnTheClosedListAskToo()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("UpTx(3)", "8");
        auto* list = s.W<QComboBox>("cmbIndex");

        QTest::qWait(20);  // the user's next key comes in a later event
        ModalScript cancel;
        cancel.Answer(QMessageBox::Cancel);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTRY_VERIFY(cancel.Done());
        QCOMPARE(cancel.texts, QStringList{"Changes will be discarded"});
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(1));
        QCOMPARE(s.Text("UpTx(3)"), QString("8"));

        ModalScript ok;
        ok.Answer(QMessageBox::Ok);
        QTest::keyClick(list, Qt::Key_Down);
        QTRY_VERIFY(ok.Done());
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(2));
    }

    void clickingTheFrameBoxAsksAndCancelPutsTheNumberBack()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "3");  // loading another frame rewrites the fields
        QCOMPARE(s.editor->Session().SavedFrameNo(), QString("1"));
        QVERIFY(s.editor->Session().FrameChanged());

        // Cancel puts back the number the box had when it got the focus.
        ModalScript cancel;
        cancel.Answer(QMessageBox::Cancel);
        QTest::mouseClick(s.Box("FrameNoTxt"), Qt::LeftButton);
        QTRY_VERIFY(cancel.Done());
        QCOMPARE(cancel.texts, QStringList{"Changes will be discarded"});
        QCOMPARE(s.Text("FrameNoTxt"), QString("1"));
        QCOMPARE(s.Fields().v, Program().signTable[1].Frames[0].v);
    }

    void setStoresTheFieldsOrSaysWhy()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "2");
        LipFrame& stored = Program().signTable[1].Frames[1];
        s.Type("UpTx(4)", "x");
        ModalScript refused;
        refused.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(refused.Done());
        QCOMPARE(refused.texts, QStringList{"Not a number in UpTx(4)"});
        QCOMPARE(stored[6], 111.5f);

        s.Type("UpTx(4)", "2.25");
        ModalScript script;
        script.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts, QStringList{"Data updated"});
        QCOMPARE(stored[6], 2.25f);  // UpTx(4): Z of the middle point
        QVERIFY(s.editor->Session().TableChanged());
    }

    void actionPlaysTheStoredSign()
    {
        EditorWindow s;
        s.ChooseSign(3);
        s.Type("VrateTxt", "5");  // Action plays what is stored, not the fields
        RecordingLip::Clear();
        s.Click("cmdAction");

        const std::vector<LipCall>& calls = RecordingLip::Calls();
        QCOMPARE(int(calls.size()), 3);
        QCOMPARE(calls[0].kind, LipCall::Pass);
        QCOMPARE(calls[0].upper[0], Program().signTable[0].Frames[0][1]);
        QCOMPARE(calls[1].kind, LipCall::Target);
        QCOMPARE(calls[1].upper[0], Program().signTable[3].Frames[0][1]);
        QCOMPARE(calls[2].kind, LipCall::Draw);
        QCOMPARE(calls[2].steps, int16_t(12));  // "500" gives base 8; 8 x 1.5
        QCOMPARE(calls[2].animate, int16_t(1));
        QCOMPARE(Program().PlaybackActive, int16_t(0));
        QVERIFY(s.editor->Session().FrameChanged());
    }

    void actionRefusesWhatPlaybackRefuses()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.main->Text1->setText("0");
        ModalScript script;
        script.Answer().Answer();
        RecordingLip::Clear();
        s.Click("cmdAction");
        s.main->Text1->setText("500");
        Program().signTable[0] = SignEntry();
        s.Click("cmdAction");
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts.size(), 2);
        QVERIFY(!script.texts[0].isEmpty());
        QCOMPARE(script.texts[1], QString("The rest sign 0 has no frame"));
        QVERIFY(RecordingLip::Calls().empty());
        QCOMPARE(Program().PlaybackActive, int16_t(0));
    }

    void closeAsksOnlyWhileSetChangesAreUnsaved()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "2");
        s.Click("cmdClose");
        QVERIFY(!s.editor->isVisible());

        OpenEditor(*s.main, *s.main);
        QVERIFY(QTest::qWaitForWindowExposed(s.editor));
        QCOMPARE(s.Text("FrameNoTxt"), QString("2"));
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(1));

        ModalScript set;
        set.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(set.Done());

        // The window frame's close button asks the same question as Close.
        ModalScript cancel;
        cancel.Answer(QMessageBox::Cancel);
        s.editor->close();
        QTRY_VERIFY(cancel.Done());
        QCOMPARE(cancel.texts, QStringList{"Changes will be discarded"});
        QVERIFY(s.editor->isVisible());
        QVERIFY(s.editor->Session().TableChanged());

        ModalScript ok;
        ok.Answer(QMessageBox::Ok);
        s.Click("cmdClose");
        QTRY_VERIFY(ok.Done());
        QVERIFY(!s.editor->isVisible());
        QVERIFY(!s.editor->Session().TableChanged());
    }

    void endingTheProgramOrOpeningATableAsksAfterEveryEdit_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Set") << "cmdSet";
        QTest::newRow("Add Frame") << "AddCmd";
        QTest::newRow("Delete Frame") << "DeleteCmd";
        QTest::newRow("Add Char") << "cmdAddChar";
    }

    // What would be lost is the table in memory, whatever the editor still
    // counts as unsaved: its own Close forgets a Set once answered with OK.
    void endingTheProgramOrOpeningATableAsksAfterEveryEdit()
    {
        QFETCH(QString, button);
        EditorWindow s;
        s.ChooseSign(1);
        ModalScript edit;
        if (button == "cmdSet")
            edit.Answer().Answer();  // "Data updated", then Close's question
        s.Click(button);
        s.Click("cmdClose");
        QTRY_VERIFY(edit.Done());
        QVERIFY(!s.editor->isVisible());

        auto* exit = s.main->findChild<QAction*>("mnuExit");
        auto* open = s.main->findChild<QAction*>("mnuOpen");
        ModalScript cancel;  // and the chooser never opens
        cancel.Answer(QMessageBox::Cancel).Answer(QMessageBox::Cancel).Answer(QMessageBox::Cancel);
        exit->trigger();
        s.main->close();
        open->trigger();
        QTRY_VERIFY(cancel.Done());
        QCOMPARE(cancel.texts, QStringList(3, "Changes will be discarded"));
        QVERIFY(s.main->isVisible());

        // A cancelled chooser has discarded nothing: the question stays.
        ModalScript ok;
        ok.Answer(QMessageBox::Ok)
            .In<Obtain_FilePath2>([](Obtain_FilePath2* c) { c->findChild<QPushButton*>("cmcancel")->click(); })
            .Answer(QMessageBox::Ok);
        open->trigger();
        exit->trigger();
        QTRY_VERIFY(ok.Done());
        QVERIFY(!s.main->isVisible());

        // Ending the program outside the application's loop makes every later
        // modal loop return at once; a run of that loop, which clears this
        // as it ends, lets the next row ask its questions.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // Coming from the word box with the input method on, a number box must
    // neither compose nor keep full-width digits, which would read as 0.
    void numberBoxesNeverComposeAndShowNumbersInAscii()
    {
        EditorWindow s;
        QStringList editorBoxes{"VrateTxt", "UpAngTx", "LwAngTx", "FrameNoTxt"};
        for (int e = 0; e < kGridElements; ++e)
            editorBoxes << SlotName(UpTxSlot(e)) << SlotName(LwTxSlot(e));
        struct Window {
            QWidget* window;
            QStringList names;
        };
        const Window windows[] = {
            {s.main.get(), {"Text1"}},
            {&QuizDialog(*s.main), {"Text1"}},
            {s.editor, editorBoxes},
            {s.editor->CopyDialog(), {"FrameNoTxt"}},
        };
        for (const auto& [window, names] : windows) {
            for (const QString& name : names) {
                const QString where = window->objectName() + "." + name;
                auto* box = window->findChild<QLineEdit*>(name);
                QVERIFY2(box, qPrintable(where));
                // What the platform's input method asks a widget taking the focus.
                QInputMethodQueryEvent query(Qt::ImEnabled);
                QCoreApplication::sendEvent(box, &query);
                QVERIFY2(!query.value(Qt::ImEnabled).toBool(), qPrintable(where));
                QVERIFY2(!box->testAttribute(Qt::WA_InputMethodEnabled), qPrintable(where));

                // 1.5 is a frame number too: the frame boxes load frame 1.
                box->selectAll();
                box->insert(QString::fromUtf16(u"１．５"));
                QInputMethodEvent commit;
                commit.setCommitString(QString::fromUtf16(u"０"));
                QCoreApplication::sendEvent(box, &commit);
                QCOMPARE(box->text(), QString("1.50"));
            }
        }
    }
};

}  // namespace oralis::testing

QTEST_MAIN(oralis::testing::EditorWindowTest)
#include "editor_window_test.moc"
