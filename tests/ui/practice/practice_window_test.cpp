#include "SignTaggedWindow.h"

#include "model/History.h"
#include "ui/NumberLineEdit.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"
#include "ui/practice/frmPractice.h"
#include "ui/practice/frmProgress.h"

#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::PlayedSigns;
using oralis::testing::RecordingLip;

class PracticeWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QTemporaryDir data_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid() && data_.isValid());
        // The learner's real history stays untouched.
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
    }

    void cleanupTestCase() { main_.reset(); }

    void progressSaysSoWithoutHistoryAndChartsEachSession()
    {
        frmProgress progress;
        progress.Refresh();
        QVERIFY(progress.NoHistoryLbl->isVisibleTo(&progress));
        QVERIFY(progress.NoHistoryLbl->text().startsWith(QStringLiteral("No practice history yet")));
        QVERIFY(!progress.ScoreChart->isVisibleTo(&progress));

        {
            HistoryStore history(std::chrono::seconds(20));
            QVERIFY(history.open());
            const QDateTime day = QDateTime::currentDateTime().addDays(-3);
            for (int s = 0; s < 3; ++s) {
                const int session = history.startSession(QStringLiteral("list"), day.addDays(s));
                Attempt a;
                a.at = day.addDays(s);
                a.reading = QStringLiteral("ﾄ");
                a.display = QStringLiteral("戸");
                a.answer = QStringLiteral("つ");
                a.answerReading = QStringLiteral("ﾂ");
                a.verdict = Verdict::Wrong;
                a.syllables = {{BasicShape::O, BasicShape::U, false}};
                QVERIFY(history.record(session, a));
            }
        }
        progress.Refresh();
        QVERIFY(!progress.NoHistoryLbl->isVisibleTo(&progress));
        QList<QScatterSeries*> points;
        for (QAbstractSeries* s : progress.ScoreChart->chart()->series())
            if (auto* scatter = qobject_cast<QScatterSeries*>(s))
                points << scatter;
        QCOMPARE(points.size(), 1);
        QCOMPARE(points[0]->count(), 3);
        QVERIFY(progress.ConfusionLbl->text().contains(QStringLiteral("お read as う: 3 times")));
    }

    // Watching without the text, a wrong answer with Return, the verdict and
    // the word played with its text, then Return to the next word.
    void oneTurnFromWatchingToTheNextWord()
    {
        const QString list = dir_.filePath(QStringLiteral("two.txt"));
        QVERIFY(testing::WriteText(list, {QStringLiteral("ｻｶﾅ,魚"), QStringLiteral("ｶｻ,傘")}));
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
};

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
