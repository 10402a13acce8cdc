#include "SignTaggedWindow.h"

#include "playback/StudyStrip.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"
#include "ui/study/frmStudy.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::LipCall;
using oralis::testing::RecordingLip;

namespace {

// The recorded calls, each as "pass 11", "target 20" (the sign of the tagged
// table) or "draw 8" (steps of an animated draw).
QStringList Calls()
{
    QStringList out;
    for (const LipCall& c : RecordingLip::Calls()) {
        const int sign = static_cast<int>(c.upper[0]);
        switch (c.kind) {
        case LipCall::Pass: out << QStringLiteral("pass %1").arg(sign); break;
        case LipCall::Target: out << QStringLiteral("target %1").arg(sign); break;
        case LipCall::Draw: out << (c.animate ? QStringLiteral("draw %1").arg(c.steps) : QStringLiteral("still")); break;
        }
    }
    return out;
}

}  // namespace

class StudyTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;
    frmStudy* study_ = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
        main_->InputArea->setText(QStringLiteral("ﾏﾄﾞ"));
        main_->findChild<QAction*>(QStringLiteral("mnuStudy"))->trigger();
        study_ = main_->findChild<frmStudy*>();
        QVERIFY(study_);
        QVERIFY(QTest::qWaitForWindowActive(study_));
        QCOMPARE(study_->findChild<QLineEdit*>(QStringLiteral("FuriganaTxtA"))->text(), QStringLiteral("ﾏﾄﾞ"));
    }

    void cleanupTestCase() { main_.reset(); }

    // ﾏﾄﾞ plays rest (sign 0), ﾏ (11) and ﾄﾞ (20), one frame each, 8 steps at 500 %.
    void stepKeysAndPlayAllMakeTheRenderersCalls()
    {
        const struct {
            const char* button;  // or the key
            QStringList calls;
        } steps[] = {
            {"cmdStepNext", {"pass 0", "target 0", "draw 8"}},
            {"Right", {"target 11", "draw 8"}},
            {"cmdStepNext", {"target 20", "draw 8"}},
            {"cmdStepBack", {"target 11", "draw 8"}},
            {"Left", {"target 0", "draw 8"}},
            {"cmdPlayAll", {"target 11", "draw 8", "target 20", "draw 8"}},
        };
        for (const auto& s : steps) {
            RecordingLip::Clear();
            const QString name = QLatin1String(s.button);
            if (name == QStringLiteral("Right") || name == QStringLiteral("Left"))
                QTest::keyClick(study_, name == QStringLiteral("Right") ? Qt::Key_Right : Qt::Key_Left);
            else
                study_->findChild<QPushButton*>(name)->click();
            QCOMPARE(Calls(), s.calls);
        }
        QVERIFY(study_->findChild<QLabel*>(QStringLiteral("ShapeLbl"))->text().contains(QStringLiteral("<b>ﾄﾞ</b>")));
    }

    void exportedStripIsAPngOfOnePicturePerSyllable()
    {
        const QString path = dir_.filePath(QStringLiteral("mado.png"));
        testing::ModalWatcher chooser([&](QWidget* modal) {
            auto* dialog = qobject_cast<Obtain_FilePath2*>(modal);
            if (!dialog)
                return false;
            dialog->findChild<QLineEdit*>(QStringLiteral("FileName"))->setText(path);
            dialog->findChild<QPushButton*>(QStringLiteral("cmload"))->click();
            return true;
        });
        study_->findChild<QPushButton*>(QStringLiteral("cmdExportStrip"))->click();
        QVERIFY(chooser.Seen());
        const QImage strip(path);
        QCOMPARE(strip.size(), StripImageSize(2, 1));
    }
};

QTEST_MAIN(StudyTest)
#include "study_test.moc"
