// The editor's operations on frames and signs, Copy From and Save.
#include "EditorFixture.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/editor/frmCopy.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

namespace oralis::testing {

namespace {

std::vector<float> Rates(int sign)
{
    std::vector<float> out;
    for (const LipFrame& f : Program().signTable[sign].Frames)
        out.push_back(f.velocityRate());
    return out;
}

// Fills in the chooser and confirms it: a new name in save mode, a listed
// file in load mode.
void ConfirmChooser(Obtain_FilePath2* chooser, const QString& folder, const QString& name)
{
    QVERIFY(chooser->SetFolder(folder));
    if (chooser->LoadMode) {
        auto* files = chooser->findChild<QListWidget*>("File1");
        const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        files->setCurrentItem(found.first());
    } else {
        chooser->findChild<QLineEdit*>("FileName")->setText(name);
    }
    chooser->findChild<QPushButton*>("cmload")->click();
}

}  // namespace

class EditorOperationsTest : public QObject {
    Q_OBJECT

private slots:
    void addFrameAppendsAFreshFrameAndShowsIt()
    {
        EditorWindow s;
        s.ChooseSign(1);
        RecordingLip::Clear();
        s.Click("AddCmd");

        QCOMPARE(Program().signTable[1].FrameCount(), int16_t(4));
        QCOMPARE(s.Text("FrameNoTxt"), QString("4"));
        QCOMPARE(s.W<QLabel>("TotalFrameLbl")->text(), QString("4"));
        QCOMPARE(s.Fields().v, LipFrame::fresh().v);
        QVERIFY(SameShape(*LastPass(), LipFrame::fresh()));
    }

    void deleteFrameShowsTheFrameNowAtItsNumberOrSaysWhyNot()
    {
        EditorWindow s;
        s.ChooseSign(1);
        const std::vector<LipFrame> before = Program().signTable[1].Frames;
        s.Type("FrameNoTxt", "2");
        s.Click("DeleteCmd");
        QCOMPARE(s.W<QLabel>("TotalFrameLbl")->text(), QString("2"));
        QCOMPARE(s.Text("FrameNoTxt"), QString("2"));
        QCOMPARE(s.Fields().v, before[2].v);
        QCOMPARE(Rates(1), (std::vector<float>{1, 3}));

        s.ChooseSign(3);
        ModalScript script;
        script.Answer();
        s.Click("DeleteCmd");
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts, QStringList{"Cannot delete!"});
        QCOMPARE(Rates(3), std::vector<float>{1.5f});
    }

    void addCharAppendsABlankSignAndKeepsTheCurrentOne()
    {
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "2");
        s.Click("cmdAddChar");

        auto* list = s.W<QComboBox>("cmbIndex");
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->itemText(4), QString(10, ' '));
        QCOMPARE(s.Text("FrameNoTxt"), QString("1"));
        QCOMPARE(s.Fields().v, LipFrame::fresh().v);

        // None of the shape operations counts as a Set change.
        s.Click("cmdClose");
        QVERIFY(!s.editor->isVisible());
    }

    void editorFollowsATableOpenedMeanwhile()
    {
        EditorWindow s;
        s.ChooseSign(3);
        // The main window opened a table of two signs; the list still names four.
        SignTable& t = Program().signTable;
        t.SignCount = 2;
        t[1].SignName = FixedSignName("ka");
        auto* list = s.W<QComboBox>("cmbIndex");

        // Set there would change a sign that is never saved.
        ModalScript refusal;
        refusal.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(refusal.Done());
        QVERIFY(refusal.texts.value(0).startsWith("Sign 3 is not in the table"));
        QVERIFY(!s.editor->Session().TableChanged());

        QTest::qWait(20);  // the user's next key comes in a later event
        {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(1);
        }
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);  // to the stale item of sign 2
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(3));
        QCOMPARE(list->count(), 2);

        // A new sign lands at the list position of its index.
        s.Click("cmdAddChar");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(1), FixedSignName("ka"));
        ModalScript script;  // the new sign's values rewrote the fields
        script.Answer();
        s.ChooseSign(2);
        QTRY_VERIFY(script.Done());
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(2));
        QCOMPARE(s.W<QLabel>("TotalFrameLbl")->text(), QString("1"));
    }

    void copyFromLoadsTheChosenFrameOnlyWithOk()
    {
        EditorWindow s;
        s.ChooseSign(3);
        const LipFrame own = s.Fields();

        // Closed through the window frame, which is Cancel: nothing changes.
        ModalScript cancel;
        cancel.In<frmCopy>([](frmCopy* d) {
            EditorWindow::Choose(d->findChild<QComboBox*>("cmbIndex"), 1);
            d->close();
        });
        s.Click("CopyCmd");
        QTRY_VERIFY(cancel.Done());
        QVERIFY(!s.editor->CopyDialog()->Rtn);
        QCOMPARE(s.Fields().v, own.v);

        // OK with frame 3 of sign 1 previewed; then 2 typed but not previewed.
        ModalScript ok;
        ok.In<frmCopy>([](frmCopy* d) {
            QCOMPARE(d->windowTitle(), QString("Form1"));
            QCOMPARE(d->findChild<QComboBox*>("cmbIndex")->currentText(), QString("Characters"));
            EditorWindow::Choose(d->findChild<QComboBox*>("cmbIndex"), 1);
            d->findChild<QLineEdit*>("FrameNoTxt")->setText("3");
            d->findChild<QPushButton*>("cmdPreview")->click();
            d->findChild<QLineEdit*>("FrameNoTxt")->setText("2");
            d->findChild<QPushButton*>("Command1")->click();
        });
        RecordingLip::Clear();
        s.Click("CopyCmd");
        QTRY_VERIFY(ok.Done());
        const LipFrame& source = Program().signTable[1].Frames[2];
        QCOMPARE(s.Fields().v, source.v);
        QVERIFY(SameShape(*LastPass(), source));
        QCOMPARE(s.editor->Session().CurrentSign(), int16_t(3));
        QVERIFY(s.editor->Session().FrameChanged());

        s.Click("cmdFrameLoad");
        QCOMPARE(s.Fields().v, own.v);

        // Reopening keeps the last choice: OK at once hands it back again.
        ModalScript again;
        again.In<frmCopy>([](frmCopy* d) {
            QCOMPARE(d->findChild<QLineEdit*>("FrameNoTxt")->text(), QString("2"));
            QCOMPARE(d->findChild<QLabel*>("TotalFrameLbl")->text(), QString("3"));
            d->findChild<QPushButton*>("Command1")->click();
        });
        s.Click("CopyCmd");
        QTRY_VERIFY(again.Done());
        QCOMPARE(s.Fields().v, source.v);
    }

    void copyPreviewRefusals_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("beyond the count") << 1 << "4" << "Frame number exceeds";
        QTest::newRow("sign gone") << 3 << "1" << "Channel number exceeds";
    }

    // A refused preview draws nothing, and OK still hands back the last frame
    // that exists (frame 1 of the chosen sign), or is itself refused.
    void copyPreviewRefusals()
    {
        QFETCH(int, sign);
        QFETCH(QString, number);
        QFETCH(QString, message);
        EditorWindow s;
        frmCopy* dialog = s.editor->CopyDialog();

        ModalScript script;
        script.In<frmCopy>([&](frmCopy* d) {
            EditorWindow::Choose(d->findChild<QComboBox*>("cmbIndex"), sign);
            if (sign == 3)
                Program().signTable.SignCount = 3;  // a smaller table loaded meanwhile
            RecordingLip::Clear();
            d->findChild<QLineEdit*>("FrameNoTxt")->setText(number);
            d->findChild<QPushButton*>("cmdPreview")->click();
            d->findChild<QPushButton*>("Command1")->click();
            if (d->isVisible())
                d->findChild<QPushButton*>("Command2")->click();
        });
        script.Answer();
        const bool okRefused = sign != 1;
        if (okRefused)
            script.Answer();
        s.Click("CopyCmd");
        QTRY_VERIFY(script.Done());
        QCOMPARE(script.texts.first(), message);
        QCOMPARE(dialog->Rtn, !okRefused);
        if (!okRefused) {
            QCOMPARE(dialog->CopyJ, int16_t(0));
            QCOMPARE(s.Fields().v, Program().signTable[1].Frames[0].v);
        }
        QVERIFY(RecordingLip::Of(LipCall::Pass).size() <= 1);  // only the copy itself
    }

    void saveWritesTheTableAndClearsTheFlag()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        EditorWindow s;
        s.ChooseSign(1);
        s.Type("FrameNoTxt", "2");
        s.Type("LwTx(5)", "-7.5");  // X of the lower middle point: value 17
        ModalScript set;
        set.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(set.Done());
        s.Type("LwTx(5)", "99");  // not set: the file must not hold it

        // Cancelled: nothing written, the flag stays and Close asks.
        ModalScript cancelled;
        cancelled.In<Obtain_FilePath2>([](Obtain_FilePath2* c) {
            QVERIFY(!c->LoadMode);
            QCOMPARE(c->FajliloSufikso, QString(".csv"));
            c->findChild<QPushButton*>("cmcancel")->click();
        });
        s.Click("CmdSave");
        QTRY_VERIFY(cancelled.Done());
        QVERIFY(s.editor->Session().TableChanged());
        QVERIFY(Program().signTable.UnsavedChanges);
        QVERIFY(QDir(dir.path()).isEmpty());

        ModalScript saved;
        saved.In<Obtain_FilePath2>([&](Obtain_FilePath2* c) { ConfirmChooser(c, dir.path(), "edited"); });
        s.Click("CmdSave");
        QTRY_VERIFY(saved.Done());
        QVERIFY(!s.editor->Session().TableChanged());
        QVERIFY(!Program().signTable.UnsavedChanges);
        QVERIFY(QFile::exists(dir.filePath("edited.csv")));
        s.Click("cmdClose");
        QVERIFY(!s.editor->isVisible());

        // The main window reads the file back with the edited value.
        Program().signTable[1].Frames[1][17] = 0;
        ModalScript open;
        open.In<Obtain_FilePath2>([&](Obtain_FilePath2* c) { ConfirmChooser(c, dir.path(), "edited.csv"); });
        s.main->OpenLipTable();
        QTRY_VERIFY(open.Done());
        QCOMPARE(Program().signTable[1].Frames[1][17], -7.5f);
        QCOMPARE(Program().signTable[1].FrameCount(), int16_t(3));
        QCOMPARE(Program().signTable.SignCount, int16_t(4));
    }

    void aFailedSaveSaysWhyAndKeepsTheFlag()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken.csv"));  // a folder where the file should go
        EditorWindow s;
        ModalScript script;
        script.Answer();
        s.Click("cmdSet");
        QTRY_VERIFY(script.Done());

        ModalScript save;
        save.In<Obtain_FilePath2>([&](Obtain_FilePath2* c) { ConfirmChooser(c, dir.path(), "taken"); });
        save.Answer();
        s.Click("CmdSave");
        QTRY_VERIFY(save.Done());
        QCOMPARE(save.texts.size(), 1);
        QVERIFY(!save.texts.first().isEmpty());
        QVERIFY(s.editor->Session().TableChanged());
    }
};

}  // namespace oralis::testing

QTEST_MAIN(oralis::testing::EditorOperationsTest)
#include "editor_operations_test.moc"
