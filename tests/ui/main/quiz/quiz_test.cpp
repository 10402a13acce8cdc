#include "SignTaggedWindow.h"

#include "ui/main/KanaLineEdit.h"
#include "ui/main/Quiz.h"
#include "ui/main/frmSpace.h"
#include "ui/main/frmYesNo.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::AnimatedSteps;
using oralis::testing::PlayedSigns;
using oralis::testing::RecordingLip;

namespace {

void Click(frmYesNo& dialog, const char* name)
{
    dialog.findChild<QPushButton*>(QLatin1String(name))->click();
}

// What the learner saw when the dialog came up.
struct Turn {
    QList<int> signs;
    QList<int> steps;
    QString word;
    QString reading;
    QString dialogSpeed;
};

// Answers the quiz dialog and the message boxes from a timer that runs inside
// their modal loops. `answer` clicks one of the dialog's buttons.
class QuizDriver {
public:
    QuizDriver(frmSpace& main, std::function<void(frmYesNo&, int turn)> answer)
        : main_(main), answer_(std::move(answer))
    {
        RecordingLip::Clear();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }

    QList<Turn> turns;
    QStringList messages;

private:
    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        auto* dialog = qobject_cast<frmYesNo*>(modal);
        if (!dialog)
            return;
        turns.append({PlayedSigns(), AnimatedSteps(), main_.InputArea->text(),
                      main_.FuriganaTxt->text(), dialog->Text1->text()});
        RecordingLip::Calls().clear();
        // A quiz that never ends would hang the test; stop it and let the
        // turn count tell.
        if (turns.size() > 20)
            Click(*dialog, "No");
        else
            answer_(*dialog, static_cast<int>(turns.size()) - 1);
    }

    frmSpace& main_;
    std::function<void(frmYesNo&, int)> answer_;
    QTimer timer_;
};

// Random values from a list, counting how many were drawn.
struct Chance {
    QList<double> values;
    int drawn = 0;
    std::function<double()> Source()
    {
        return [this] { return values.value(drawn++, 0.0); };
    }
};

const QList<int> kSakana{0, 21, 16, 16};  // ｻｶﾅ

}  // namespace

class QuizTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;

    QString List(const QString& name, const QStringList& lines)
    {
        const QString path = dir_.filePath(name);
        return testing::WriteText(path, lines) ? path : QString();
    }

    QuizSource Source(const QString& path, Chance& chance)
    {
        return QuizSource{{path}, chance.Source()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
    }

    void cleanupTestCase() { main_.reset(); }

    void init() { main_->Text1->setText(QStringLiteral("500")); }

    // The list in the current folder, with the clock's chance.
    void oneWordListAlwaysPlaysThatWord()
    {
        QTemporaryDir here;
        QVERIFY(testing::WriteText(here.filePath(QStringLiteral("JSLdefault.txt")),
                                   {QStringLiteral("ｻｶﾅ,魚")}));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));

        main_->InputArea->setText(QStringLiteral("前"));
        QString shownDuringFirstPlay;
        QuizDriver driver(*main_, [](frmYesNo& d, int turn) { Click(d, turn < 2 ? "Yes" : "No"); });
        RecordingLip::OnDraw() = [&] {
            if (shownDuringFirstPlay.isEmpty())
                shownDuringFirstPlay = main_->InputArea->text();
        };
        RunQuiz(*main_);
        RecordingLip::OnDraw() = nullptr;
        QDir::setCurrent(before);

        QCOMPARE(shownDuringFirstPlay, QStringLiteral("前"));
        QCOMPARE(driver.turns.size(), 3);
        for (const Turn& t : driver.turns) {
            QCOMPARE(t.signs, kSakana);
            QCOMPARE(t.word, QStringLiteral("魚"));
            QCOMPARE(t.reading, QStringLiteral("ｻｶﾅ"));
            QCOMPARE(t.dialogSpeed, QStringLiteral("500"));
        }
        QVERIFY(driver.messages.isEmpty());
    }

    void repeatReplaysTheWordAtTheDialogSpeed()
    {
        const QString path = List(QStringLiteral("two.txt"),
                                  {QStringLiteral("ｻｶﾅ,魚"), QStringLiteral("ｶｯﾀ,勝った")});
        Chance chance{{0.0, 0.99}};
        QuizDriver driver(*main_, [](frmYesNo& d, int turn) {
            if (turn == 0) {
                d.Text1->setText(QStringLiteral("1000"));
                Click(d, "Repeat");
            } else {
                Click(d, "No");
            }
        });
        RunQuiz(*main_, Source(path, chance));

        QCOMPARE(driver.turns.size(), 2);
        QCOMPARE(chance.drawn, 1);
        QCOMPARE(driver.turns[1].word, QStringLiteral("魚"));
        QCOMPARE(driver.turns[1].signs, kSakana);
        QCOMPARE(driver.turns[0].steps, QList<int>(4, 8));  // speed 500
        QCOMPARE(driver.turns[1].steps, QList<int>(4, 4));  // speed 1000
        QCOMPARE(driver.turns[1].dialogSpeed, QStringLiteral("1000"));
        QCOMPARE(main_->Text1->text(), QStringLiteral("1000"));
    }

    void goOnCarriesTheSpeedAndStopDoesNot()
    {
        const QString path = List(QStringLiteral("one.txt"), {QStringLiteral("ｻｶﾅ,魚")});
        Chance chance;
        QuizDriver driver(*main_, [](frmYesNo& d, int turn) {
            d.Text1->setText(turn == 0 ? QStringLiteral("800") : QStringLiteral("1000"));
            Click(d, turn == 0 ? "Yes" : "No");
        });
        RunQuiz(*main_, Source(path, chance));

        QCOMPARE(driver.turns.size(), 2);
        QCOMPARE(driver.turns[1].steps, QList<int>(4, 5));  // 4000 / 800
        QCOMPARE(main_->Text1->text(), QStringLiteral("800"));
        QCOMPARE(QuizDialog(*main_).YN, int16_t(1));
    }

    void closingTheDialogEndsTheQuiz()
    {
        const QString path = List(QStringLiteral("one.txt"), {QStringLiteral("ｻｶﾅ,魚")});
        Chance chance;
        QuizDriver driver(*main_, [](frmYesNo& d, int turn) {
            if (turn == 0) {
                Click(d, "Yes");  // YN 0 from here on, unless closing changes it
                return;
            }
            d.Text1->setText(QStringLiteral("1000"));
            d.close();
        });
        RunQuiz(*main_, Source(path, chance));

        QCOMPARE(driver.turns.size(), 2);
        QCOMPARE(main_->Text1->text(), QStringLiteral("500"));
        QCOMPARE(QuizDialog(*main_).YN, int16_t(1));
    }

    void quizLeavesTheReadingOfTheBoxToTheBox()
    {
        // The list's reading differs from the dictionary's (ｷｮｰ).
        const QString path = List(QStringLiteral("kyou.txt"), {QStringLiteral("ｷｮｳ,今日")});
        // The learner was in the word box when the quiz began; the box gets
        // the focus back when the dialog goes, and must keep the quiz word.
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        main_->InputArea->setFocus();
        QTRY_VERIFY(main_->InputArea->hasFocus());
        Chance chance;
        QuizDriver driver(*main_, [](frmYesNo& d, int) { Click(d, "No"); });
        RunQuiz(*main_, Source(path, chance));
        main_->activateWindow();  // as the window manager does when the dialog goes
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QTRY_VERIFY(main_->InputArea->hasFocus());

        QCOMPARE(driver.turns.size(), 1);
        QCOMPARE(main_->InputArea->text(), QStringLiteral("今日"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ｷｮｳ"));
        QCOMPARE(main_->FuriganaStr, QStringLiteral("ｷｮｰ"));

        // A click into the box, which kept the focus, starts the learner's own word.
        QTest::mouseClick(main_->InputArea, Qt::LeftButton);
        QTest::keyClicks(main_->InputArea, QStringLiteral("kasa"));
        QCOMPARE(main_->InputArea->text(), QStringLiteral("kasa"));
        QCOMPARE(main_->FuriganaStr, QStringLiteral("ｶｻ"));
    }

    void returnGoesOnWhateverTheLastQuizPressed()
    {
        const QString path = List(QStringLiteral("one.txt"), {QStringLiteral("ｻｶﾅ,魚")});
        Chance chance;
        {
            QuizDriver stop(*main_, [](frmYesNo& d, int) { QTest::mouseClick(d.No, Qt::LeftButton); });
            RunQuiz(*main_, Source(path, chance));
        }
        QuizDriver driver(*main_, [](frmYesNo& d, int turn) {
            QWidget* focus = d.focusWidget();
            if (turn == 0)
                QTest::keyClick(focus ? focus : &d, Qt::Key_Return);
            else
                Click(d, "No");
        });
        RunQuiz(*main_, Source(path, chance));
        QCOMPARE(driver.turns.size(), 2);
    }

    void listsThatCannotBeUsed_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        const QString noData = QStringLiteral("Quiz data not loaded");
        QTest::newRow("missing") << QStringList() << noData;
        // The list skips a word it cannot play, which leaves it empty.
        QTest::newRow("reading not in kana") << QStringList{QStringLiteral("sakana,魚")} << noData;
    }

    void listsThatCannotBeUsed()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        const QString path = lines.isEmpty() ? dir_.filePath(QStringLiteral("absent.txt"))
                                             : List(QStringLiteral("bad.txt"), lines);
        Chance chance;
        QuizDriver driver(*main_, [](frmYesNo& d, int) { Click(d, "No"); });
        RunQuiz(*main_, Source(path, chance));

        QCOMPARE(driver.messages, QStringList{message});
        QVERIFY(driver.turns.isEmpty());
        QVERIFY(PlayedSigns().isEmpty());
    }
};

QTEST_MAIN(QuizTest)
#include "quiz_test.moc"
