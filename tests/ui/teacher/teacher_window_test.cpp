#include "SignTaggedWindow.h"

#include "model/History.h"
#include "ui/main/frmSpace.h"
#include "ui/practice/frmProgress.h"
#include "ui/teacher/frmTeacher.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace oralis;
using namespace Qt::StringLiterals;
using oralis::testing::RecordingLip;

namespace {

bool OnServer(const QString& sql)
{
    bool ran = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_qs, u"admin"_qs);
        db.setConnectOptions(qEnvironmentVariable("ORALIS_TEST_PG"));
        ran = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(u"admin"_qs);
    return ran;
}

struct Word {
    const char* reading;
    const char* display;
    BasicShape shapes[2];
};

// A few sessions of each learner over six words; fewer mistakes as the
// sessions go on, each a shape taken for its neighbour.
bool PractiseAsAClass(const QStringList& learners)
{
    using S = BasicShape;
    const Word words[] = {{"ﾏﾄﾞ", "窓", {S::Closed, S::O}}, {"ｺｺ", "ここ", {S::O, S::O}}, {"ﾊｼ", "橋", {S::A, S::I}},
                          {"ｶｻ", "傘", {S::A, S::A}},       {"ｴｷ", "駅", {S::E, S::I}},   {"ﾂｷ", "月", {S::U, S::I}}};
    const auto neighbour = [](S s) {
        return s == S::O ? S::U : s == S::A ? S::E : s == S::E ? S::I : s == S::U ? S::O : s == S::I ? S::E : S::A;
    };
    HistoryStore history(std::chrono::seconds(20));
    if (!history.open())
        return false;
    const QDateTime start = QDateTime::currentDateTime().addDays(-10);
    for (int l = 0; l < learners.size(); ++l) {
        history.setLearner(learners[l]);
        for (int s = 0; s < 2 + l; ++s) {
            const QDateTime at = start.addDays(3 * s + l).addSecs(3600 * l);
            const int session = history.startSession(u"JSLdefault"_qs, at);
            for (int w = 0; w < 6; ++w) {
                const Word& word = words[w];
                const bool wrong = (w + s + l) % (2 + s) == 0;
                Attempt a;
                a.at = at.addSecs(20 * w);
                a.list = u"JSLdefault"_qs;
                a.reading = QString::fromUtf8(word.reading);
                a.display = QString::fromUtf8(word.display);
                a.answer = wrong ? u"?"_qs : a.display;
                a.verdict = wrong ? Verdict::Wrong : Verdict::Correct;
                a.speed = u"500"_qs;
                const S first = word.shapes[0];
                a.syllables = {{first, wrong ? neighbour(first) : first, !wrong}, {word.shapes[1], word.shapes[1], true}};
                if (!history.record(session, a))
                    return false;
            }
        }
    }
    return history.flush(std::chrono::seconds(20));
}

}  // namespace

class TeacherWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QTemporaryDir data_;
    QTemporaryDir config_;
    QString database_ = u"oralis_teacher_%1"_qs.arg(::getpid());
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("ORALIS_TEST_PG"))
            QSKIP("SKIPPED: ORALIS_TEST_PG (a libpq connection string to a PostgreSQL server the tests may create "
                  "databases on) is not set");
        QVERIFY(OnServer(u"CREATE DATABASE "_qs + database_));
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        qputenv("ORALIS_HISTORY", (qEnvironmentVariable("ORALIS_TEST_PG") + u" dbname="_qs + database_).toUtf8());
        QVERIFY(PractiseAsAClass({u"花子"_qs, u"太郎"_qs, u"美咲"_qs}));
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
    }

    void cleanupTestCase()
    {
        main_.reset();
        if (!qEnvironmentVariableIsEmpty("ORALIS_TEST_PG"))
            OnServer(u"DROP DATABASE "_qs + database_ + u" WITH (FORCE)"_qs);
    }

    void overviewShowsTheClassAndOpensALearnersProgress()
    {
        auto* menu = main_->findChild<QAction*>(u"mnuTeacher"_qs);
        QVERIFY(menu && menu->isVisible());
        menu->trigger();
        auto* teacher = main_->findChild<frmTeacher*>();
        QVERIFY(teacher);
        QVERIFY(QTest::qWaitForWindowExposed(teacher));
        QTRY_VERIFY(teacher->LoadingBar->isHidden());
        QCOMPARE(teacher->StatusLbl->text(), u"Learners: 3"_qs);
        QTableWidget* table = teacher->LearnersTbl;
        QCOMPARE(table->rowCount(), 3);
        QStringList names;
        for (int row = 0; row < 3; ++row)
            names << table->item(row, 0)->text();
        QCOMPARE(names, (QStringList{u"太郎"_qs, u"美咲"_qs, u"花子"_qs}));
        QCOMPARE(table->item(1, 1)->text(), u"4"_qs);  // 美咲's sessions
        QVERIFY(table->item(2, 3)->text().contains(u" → "_qs));
        if (const QString shots = qEnvironmentVariable("ORALIS_SHOTS"); !shots.isEmpty())
            teacher->grab().save(shots + u"/teacher.png"_qs);

        const QRect hanako = table->visualItemRect(table->item(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, hanako.center());
        auto* progress = main_->findChild<frmProgress*>();
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(progress->windowTitle(), u"成績: 花子"_qs);
        QVERIFY(progress->ConfusionLbl->text().contains(u" read as "_qs));
        if (const QString shots = qEnvironmentVariable("ORALIS_SHOTS"); !shots.isEmpty())
            progress->grab().save(shots + u"/progress.png"_qs);
        progress->close();

        const QString csv = dir_.filePath(u"class.csv"_qs);
        teacher->ExportTo(csv);
        QTRY_VERIFY(teacher->StatusLbl->text().startsWith(u"The answers of the class are saved"_qs));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 1 + 6 * (2 + 3 + 4));
    }
};

QTEST_MAIN(TeacherWindowTest)
#include "teacher_window_test.moc"
