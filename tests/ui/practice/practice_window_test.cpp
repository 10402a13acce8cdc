#include "SignTaggedWindow.h"

#include "model/History.h"
#include "model/ProgramState.h"
#include "model/UserSettings.h"
#include "playback/ViewControl.h"
#include "ui/CloseUpButton.h"
#include "ui/NumberLineEdit.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"
#include "ui/practice/frmPractice.h"
#include "ui/practice/frmProgress.h"

#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::ModalScript;
using oralis::testing::PlayedSigns;
using oralis::testing::RecordingLip;

namespace {

// Notes what a label shows each time it is painted, and each picture drawn
// meanwhile, in one sequence.
class PaintLog : public QObject {
public:
    explicit PaintLog(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint)
            events << QStringLiteral("paint ") + label_->text();
        return false;
    }

private:
    QLabel* label_;
};

}  // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QTemporaryDir data_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;
    QString list_;

    // A practice window whose session over the two-word list has begun:
    // its first word has been played.
    std::unique_ptr<frmPractice> Started(int words = 2)
    {
        auto practice = std::make_unique<frmPractice>(*main_);
        practice->show();
        if (!QTest::qWaitForWindowExposed(practice.get()))
            return nullptr;
        practice->SelectListFile(list_);
        practice->NumWordsTxt->setText(QString::number(words));
        practice->cmdStart->click();
        if (!practice->Session() || !practice->Session()->answerable())
            return nullptr;
        return practice;
    }

    // The answer that is wrong for the turn's word: the other word of the list.
    QString WrongAnswer(const frmPractice& practice)
    {
        return practice.Session()->current()->display == QStringLiteral("魚") ? QStringLiteral("kasa")
                                                                              : QStringLiteral("sakana");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid() && data_.isValid());
        // The learner's real history and settings stay untouched.
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", data_.filePath(QStringLiteral("config")).toUtf8());
        list_ = dir_.filePath(QStringLiteral("two.txt"));
        QVERIFY(testing::WriteText(list_, {QStringLiteral("ｻｶﾅ,魚"), QStringLiteral("ｶｻ,傘")}));
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
    }

    void cleanupTestCase() { main_.reset(); }

    // Each session is a point of its own, in order, even two in one minute;
    // 0 % and 100 % lie whole inside the plot; each names its list.
    void progressSaysSoWithoutHistoryAndChartsEachSession()
    {
        frmProgress progress;
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        progress.Refresh();
        QVERIFY(progress.NoHistoryLbl->isVisible());
        QVERIFY(progress.NoHistoryLbl->text().startsWith(QStringLiteral("No practice history yet")));
        QVERIFY(!progress.ScoreChart->isVisible());

        const QDateTime day = QDateTime::currentDateTime().addDays(-3);
        const struct {
            const char16_t* list;
            QDateTime at;
            QList<bool> right;  // per attempt; a wrong one reads ﾄ as ﾂ
        } sessions[] = {{u"食べ物", day, {false}}, {u"あいさつ", day, {true}}, {u"食べ物", day.addDays(1), {false, true}}};
        {
            HistoryStore history(std::chrono::seconds(20));
            QVERIFY(history.open());
            for (const auto& s : sessions) {
                const int session = history.startSession(QString::fromUtf16(s.list), s.at);
                for (bool right : s.right) {
                    Attempt a;
                    a.at = s.at;
                    a.list = QString::fromUtf16(s.list);
                    a.reading = QStringLiteral("ﾄ");
                    a.display = QStringLiteral("戸");
                    a.answerReading = right ? QStringLiteral("ﾄ") : QStringLiteral("ﾂ");
                    a.verdict = right ? Verdict::Correct : Verdict::Wrong;
                    a.syllables = {{BasicShape::O, right ? BasicShape::O : BasicShape::U, right}};
                    QVERIFY(history.record(session, a));
                }
            }
        }
        progress.Refresh();
        QVERIFY(!progress.NoHistoryLbl->isVisible());
        QScatterSeries* points = nullptr;
        for (QAbstractSeries* s : progress.ScoreChart->chart()->series())
            points = points ? points : qobject_cast<QScatterSeries*>(s);
        QVERIFY(points);
        QCOMPARE(points->points(), (QList<QPointF>{{1, 0}, {2, 100}, {3, 50}}));
        const QRectF plot = progress.ScoreChart->chart()->plotArea();
        for (const QPointF& p : points->points()) {
            const QPointF at = progress.ScoreChart->chart()->mapToPosition(p, points);
            const qreal r = points->markerSize() / 2;
            QVERIFY(plot.contains(at - QPointF(r, r)) && plot.contains(at + QPointF(r, r)));
        }
        QCOMPARE(progress.SessionTable->rowCount(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(progress.SessionTable->item(row, 1)->text(), QString::fromUtf16(sessions[row].list));
        QVERIFY(progress.ConfusionLbl->text().contains(QStringLiteral("お read as う: 2 times")));

        // Larger window, larger text.
        const qreal before = progress.ShapeLbl->font().pointSizeF();
        const qreal title = progress.ScoreChart->chart()->titleFont().pointSizeF();
        progress.resize(progress.size() * 2);
        QTRY_VERIFY(progress.ShapeLbl->font().pointSizeF() > before);
        QVERIFY(progress.ScoreChart->chart()->titleFont().pointSizeF() > title);

        progress.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&progress));
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(!progress.isVisible());
    }

    void progressOpenWhileASessionEndsShowsIt()
    {
        OpenProgress(*main_);
        auto* progress = main_->findChild<frmProgress*>();
        QVERIFY(progress && progress->isVisible());
        const int before = progress->SessionTable->rowCount();
        auto practice = Started(1);
        QVERIFY(practice);
        practice->AnswerTxt->setFocus();
        QTest::keyClicks(practice->AnswerTxt, WrongAnswer(*practice));
        QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
        QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
        QVERIFY(!practice->Session()->inProgress());
        QCOMPARE(progress->SessionTable->rowCount(), before + 1);
        delete progress;
    }

    // Watching without the text, a wrong answer with Return, the verdict and
    // the word played with its text, then Return to the next word.
    void oneTurnFromWatchingToTheNextWord()
    {
        const QString list = list_;
        main_->Text1->setText(QStringLiteral("500"));
        main_->InputArea->setText(QStringLiteral("前"));
        frmPractice practice(*main_);
        practice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&practice));
        practice.SelectListFile(list);
        practice.NumWordsTxt->setText(QStringLiteral("2"));

        QStringList shownWhilePlaying;
        auto watch = [&] {
            shownWhilePlaying.clear();
            RecordingLip::Clear();
            RecordingLip::OnDraw() = [&] { shownWhilePlaying << main_->InputArea->text(); };
        };
        watch();
        practice.cmdStart->click();
        QVERIFY(practice.Session());
        const PracticeWord first = *practice.Session()->current();
        const bool fish = first.display == QStringLiteral("魚");
        const QList<int> played = PlayedSigns();
        QVERIFY(!played.isEmpty());
        QCOMPARE(shownWhilePlaying.value(0, QStringLiteral("none")), QString());

        // The other word of the list: wrong.
        practice.AnswerTxt->setFocus();
        QTest::keyClicks(practice.AnswerTxt, fish ? QStringLiteral("kasa") : QStringLiteral("sakana"));
        watch();
        QTest::keyClick(practice.AnswerTxt, Qt::Key_Return);
        QCOMPARE(practice.VerdictLbl->text(),
                 QStringLiteral("Wrong: it was %1 (%2)").arg(first.display, first.reading));
        QVERIFY(practice.DiffLbl->text().contains(QStringLiteral(" read as ")));
        QCOMPARE(PlayedSigns(), played);
        QCOMPARE(shownWhilePlaying.value(0), first.display);

        QTest::keyClick(practice.AnswerTxt, Qt::Key_Return);
        RecordingLip::OnDraw() = nullptr;
        QCOMPARE(practice.Session()->turn(), 1);
        QVERIFY(practice.Session()->current()->display != first.display);
        QCOMPARE(practice.VerdictLbl->text(), QStringLiteral("Word 2 of 2: what did the lips say?"));
        QCOMPARE(main_->InputArea->text(), QString());

        // The practice's store writes on a thread of its own.
        const auto stored = [] {
            HistoryStore history(std::chrono::seconds(20));
            history.open();
            const std::vector<SessionScore> scores = history.sessionScores();
            return scores.empty() ? 0 : scores.back().attempts;
        };
        QTRY_COMPARE(stored(), 1);
    }

    // After わからない (clicked, which takes the focus) and after an answer,
    // Return in the answer box goes on, and 次へ shows that it does.
    void afterEveryVerdictTheLearnerGoesOnFromTheAnswerBox()
    {
        for (const bool skip : {true, false}) {
            auto practice = Started();
            QVERIFY(practice);
            if (skip) {
                QTest::mouseClick(practice->cmdSkip, Qt::LeftButton);
            } else {
                practice->AnswerTxt->setFocus();
                QTest::keyClicks(practice->AnswerTxt, WrongAnswer(*practice));
                QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
            }
            QCOMPARE(practice->Session()->phase(), PracticeSession::Phase::Judged);
            QCOMPARE(practice->focusWidget(), practice->AnswerTxt);
            QVERIFY(practice->cmdNext->isEnabled() && practice->cmdNext->isDefault());
            QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
            QCOMPARE(practice->Session()->turn(), 1);
            QVERIFY(!practice->cmdNext->isEnabled());
        }
    }

    void theVerdictIsPaintedBeforeTheWordIsPlayedAgain()
    {
        auto practice = Started();
        QVERIFY(practice);
        PaintLog log(practice->VerdictLbl);
        RecordingLip::OnDraw() = [&] { log.events << QStringLiteral("draw"); };
        practice->AnswerTxt->setFocus();
        QTest::keyClicks(practice->AnswerTxt, WrongAnswer(*practice));
        QTest::keyClick(practice->AnswerTxt, Qt::Key_Return);
        RecordingLip::OnDraw() = nullptr;
        const qsizetype painted = log.events.indexOf(QRegularExpression(QStringLiteral("paint Wrong.*")));
        QVERIFY2(painted >= 0 && painted < log.events.indexOf(QStringLiteral("draw")),
                 qPrintable(log.events.join(u'|')));
    }

    void leavingASessionInProgressAsksFirst()
    {
        auto practice = Started();
        QVERIFY(practice);
        const PracticeSession* first = practice->Session();
        {
            ModalScript script;
            script.Answer(QMessageBox::Cancel).Answer(QMessageBox::Cancel);
            practice->cmdStart->click();
            main_->close();
            QTRY_VERIFY(script.Done());
            QCOMPARE(script.texts, QStringList(2, QStringLiteral("The session in progress will be left unfinished")));
        }
        QVERIFY(main_->isVisible());
        QCOMPARE(practice->Session(), first);
        {
            ModalScript script;
            script.Answer(QMessageBox::Ok);
            practice->cmdStart->click();
            QTRY_VERIFY(script.Done());
        }
        QVERIFY(practice->Session() != first);
        QVERIFY(practice->Session()->inProgress());
    }

    // 口元 is on at first; the list, the count and 口元 are as the learner
    // left them the next time the window is made.
    void practiceSettingsStayAsTheLearnerLeftThem()
    {
        QFile::remove(UserSettingsPath());
        main_->camera.FieldOfView = 40;
        const QSizeF picture = main_->PictureSize();
        const float close = CloseUpFieldOfView(Program().signTable, main_->camera.CameraDistance,
                                               static_cast<float>(picture.width()), static_cast<float>(picture.height()));
        auto practice = Started(2);
        QVERIFY(practice);
        QVERIFY(practice->cmdCloseUp->isChecked());
        QCOMPARE(main_->camera.FieldOfView, close);
        practice->cmdCloseUp->click();
        QCOMPARE(main_->camera.FieldOfView, 40.0f);
        practice = std::make_unique<frmPractice>(*main_);
        QCOMPARE(practice->cmbList->currentData().toString(), list_);
        QCOMPARE(practice->NumWordsTxt->text(), QStringLiteral("2"));
        QVERIFY(!practice->cmdCloseUp->isChecked());
    }

    // A new learner's session is theirs: they lead the chooser next time, and
    // 成績 shows them alone, with their replays, and saves their answers as CSV.
    void eachLearnerPractisesAndIsShownAlone()
    {
        const QString earlier = frmPractice(*main_).LearnerCmb->itemText(0);
        {
            frmPractice practice(*main_);
            practice.LearnerCmb->setEditText(QStringLiteral(" 太郎 "));
            practice.SelectListFile(list_);
            practice.NumWordsTxt->setText(QStringLiteral("1"));
            practice.cmdStart->click();
            QVERIFY(practice.Session() && practice.Session()->answerable());
            practice.cmdReplay->click();
            QTest::keyClicks(practice.AnswerTxt, WrongAnswer(practice));
            QTest::keyClick(practice.AnswerTxt, Qt::Key_Return);
            QTest::keyClick(practice.AnswerTxt, Qt::Key_Return);
            QVERIFY(!practice.Session()->inProgress());
        }
        frmPractice next(*main_);
        QCOMPARE(next.LearnerCmb->itemText(0), QStringLiteral("太郎"));
        QVERIFY(next.LearnerCmb->findText(earlier) > 0);

        frmProgress progress;
        progress.Refresh();
        QCOMPARE(progress.LearnerCmb->currentText(), QStringLiteral("太郎"));
        QCOMPARE(progress.SessionTable->rowCount(), 1);
        QCOMPARE(progress.SessionTable->item(0, 3)->text(), QStringLiteral("1.0"));
        const int before = progress.SessionTable->rowCount();
        progress.LearnerCmb->activated(progress.LearnerCmb->findText(earlier));
        QCOMPARE(progress.windowTitle(), QStringLiteral("成績: %1").arg(earlier));
        QVERIFY(progress.SessionTable->rowCount() > before);
        progress.LearnerCmb->activated(0);

        const QString csv = dir_.filePath(QStringLiteral("taro.csv"));
        progress.ExportTo(csv);
        QTRY_VERIFY(progress.StatusLbl->text().contains(QStringLiteral("saved")));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(bytes.count('\n'), 2);  // the heading and the one answer
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
