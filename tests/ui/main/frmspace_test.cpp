#include "ModalDialogs.h"
#include "TableBuilder.h"
#include "RecordingLip.h"

#include "model/LipTableFile.h"
#include "model/ProgramState.h"
#include "ui/Common.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/LipView.h"
#include "ui/main/frmSpace.h"

#include <QAction>
#include <QComboBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QStyleOption>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace oralis;
using oralis::testing::LipCall;
using oralis::testing::ModalWatcher;
using oralis::testing::RecordingLip;

namespace {

const QList<float> kZeros(9, 0.0f);

// A frame that tells where it came from: upper value 1 is the sign, upper
// value 2 the frame, the lower angle both.
QString Tagged(int sign, int frame, float rate)
{
    QList<float> upper = kZeros;
    upper[0] = static_cast<float>(sign);
    upper[1] = static_cast<float>(frame);
    return testing::FrameRecord(rate, upper, 1.5f, kZeros, static_cast<float>(sign * 10 + frame));
}

struct Played {
    int sign;
    int frame;
    int16_t steps;
};

}  // namespace

class FrmSpaceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString table_;
    LipExports lip_ = RecordingLip::Exports();

    std::unique_ptr<frmSpace> Open(const QString& tablePath = QString())
    {
        RecordingLip::Clear();
        auto w = std::make_unique<frmSpace>(&lip_, tablePath.isEmpty() ? table_ : tablePath);
        return w;
    }

    // The window starting up with `dataHome` as the user's data home.
    std::unique_ptr<frmSpace> OpenWithUserData(const QString& dataHome)
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
        RecordingLip::Clear();
        auto w = std::make_unique<frmSpace>(&lip_);
        if (saved.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved);
        return w;
    }

    std::unique_ptr<frmSpace> OpenShown()
    {
        auto w = Open();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        // The first picture is drawn when picSpace is first painted.
        if (!QTest::qWaitFor([] { return !RecordingLip::Of(LipCall::Draw).empty(); }))
            return nullptr;
        RecordingLip::Clear();
        return w;
    }

    template <typename T>
    static T* Find(QWidget* root, const char* name)
    {
        return root->findChild<T*>(QLatin1String(name));
    }

    // The play calls after the start command: the rest pass, then target and
    // draw pairs.
    static void CheckPlayed(const std::vector<Played>& expected, LipWindow hdc)
    {
        const auto& calls = RecordingLip::Calls();
        QCOMPARE(calls.size(), 1 + 2 * expected.size());
        QCOMPARE(calls[0].kind, LipCall::Pass);
        QCOMPARE(calls[0].upper[0], 0.0f);
        for (size_t i = 0; i < expected.size(); ++i) {
            const LipCall& target = calls[1 + 2 * i];
            const LipCall& draw = calls[2 + 2 * i];
            QCOMPARE(target.kind, LipCall::Target);
            QCOMPARE(target.upper[0], static_cast<float>(expected[i].sign));
            QCOMPARE(target.upper[1], static_cast<float>(expected[i].frame));
            QCOMPARE(target.upperAngle, 1.5f);
            QCOMPARE(target.lowerAngle, static_cast<float>(expected[i].sign * 10 + expected[i].frame));
            QCOMPARE(draw.kind, LipCall::Draw);
            QCOMPARE(draw.steps, expected[i].steps);
            QCOMPARE(draw.animate, int16_t{1});
            QCOMPARE(draw.hdc, hdc);
            QCOMPARE(draw.view[0], 545.0f);
            QCOMPARE(draw.view[1], 385.0f);
        }
    }

    // Presses `button` at `at` in picSpace and posts the release from inside
    // the k-th picture the press loop draws.
    static int HoldFor(frmSpace& w, Qt::MouseButton button, QPoint at, int k)
    {
        QWidget* pic = w.picSpace;
        int draws = 0;
        RecordingLip::Calls().clear();
        RecordingLip::OnDraw() = [&] {
            ++draws;
            if (draws == k) {
                QCoreApplication::postEvent(
                    pic, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(at), pic->mapToGlobal(QPointF(at)),
                                         button, Qt::NoButton, Qt::NoModifier));
            }
            if (draws > k + 100)
                w.DragActive = 0;  // the release was lost: stop rather than hang
        };
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), pic->mapToGlobal(QPointF(at)), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &press);
        RecordingLip::OnDraw() = nullptr;
        return draws;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        table_ = dir_.filePath(QStringLiteral("small.csv"));
        QVERIFY(testing::WriteText(table_, {
                                               testing::HeaderRecord(0, QStringLiteral("rest"), 1),
                                               Tagged(0, 0, 1.0f),
                                               testing::HeaderRecord(1, QStringLiteral("a"), 1),
                                               Tagged(1, 0, 1.0f),
                                               testing::HeaderRecord(16, QStringLiteral("k_a"), 2),
                                               Tagged(16, 0, 1.0f),
                                               Tagged(16, 1, 0.5f),
                                               testing::HeaderRecord(27, QStringLiteral("tt_a"), 1),
                                               Tagged(27, 0, 0.3f),
                                           }));
    }

    void startUpPassesTheInitialShapeAndLoadsTheTable()
    {
        Program().PlaybackActive = 1;
        auto w = Open();
        QVERIFY(w->StartupError().isEmpty());
        QVERIFY(w->StartupTableLoaded());
        QCOMPARE(Program().PlaybackActive, int16_t{0});
        QCOMPARE(Program().signTable.SignCount, int16_t{28});
        QCOMPARE(Program().signTable[16].FrameCount(), int16_t{2});

        // Only the start-up shape has reached the renderer; nothing is drawn
        // before picSpace is painted.
        const auto& calls = RecordingLip::Calls();
        QCOMPARE(calls.size(), size_t{1});
        QCOMPARE(calls[0].kind, LipCall::Pass);
        QCOMPARE(calls[0].upper, kInitialLip);
        QCOMPARE(calls[0].lower, kInitialLip);
        QCOMPARE(calls[0].upperAngle, 0.0f);
        QCOMPARE(calls[0].lowerAngle, 0.0f);

        QCOMPARE(w->camera.CameraDistance, 500.0f);
        QCOMPARE(w->camera.CameraAzimuth, 0.1f);
        QCOMPARE(w->camera.CameraElevation, 0.0f);
        QCOMPARE(w->camera.FieldOfView, 40.0f);
        QCOMPARE(w->camera.LookAt, (std::array<float, 3>{0, 0, 0}));
        QCOMPARE(w->camera.LightPosition, (std::array<float, 4>{1000, 0, 0, 1}));
    }

    void widgetsSitAtTheirTwipPositionsWithTheirCaptions()
    {
        QCOMPARE(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), 96);
        auto w = Open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Oralis"));
        QCOMPARE(w->centralWidget()->size(), QSize(569, 503));

        const QString text = QStringLiteral("ＭＳ Ｐ明朝");
        const QString brush = QStringLiteral("HG正楷書体-PRO");
        const struct {
            const char* name;
            QRect pixels;  // twips / 15
            const char16_t* caption;
            QString font;
        } widgets[] = {
            {"Frame1", {16, 8, 217, 49}, u"カメラ", brush},
            {"cmdHome", {8, 16, 57, 25}, u"ホーム", brush},
            {"Option1(0)", {80, 16, 65, 25}, u"相手", brush},
            {"Option1(1)", {144, 16, 65, 25}, u"自分", brush},
            {"Label1", {248, 8, 57, 17}, u"單語", text},
            {"InputArea", {320, 6, 233, 23}, u"", text},
            {"Label2", {240, 41, 73, 17}, u"振り假名", text},
            {"FuriganaTxt", {320, 40, 233, 23}, u"", text},
            // Text1 grown to the left for four digits, its caption moved with it.
            {"Label4", {372, 72, 41, 25}, u"速度", brush},
            {"Text1", {412, 72, 45, 25}, u"500", text},
            {"Label3", {464, 72, 25, 25}, u"%", QStringLiteral("Times New Roman")},
            {"cmdInput", {488, 72, 69, 29}, u"スタート", brush},
            {"picSpace", {8, 104, 545, 385}, nullptr, QString()},
        };
        for (const auto& expected : widgets) {
            QWidget* widget = Find<QWidget>(w.get(), expected.name);
            QVERIFY2(widget, expected.name);
            QCOMPARE(widget->geometry(), expected.pixels);
            if (!expected.caption)
                continue;
            QString caption;
            if (auto* b = qobject_cast<QAbstractButton*>(widget))
                caption = b->text();
            else if (auto* l = qobject_cast<QLabel*>(widget))
                caption = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(widget))
                caption = e->text();
            else if (auto* g = qobject_cast<QGroupBox*>(widget))
                caption = g->title();
            QCOMPARE(caption, QString::fromUtf16(expected.caption));
            QCOMPARE(widget->font().family(), expected.font);
        }

        QVERIFY(Find<QWidget>(w.get(), "cmdHome")->parentWidget() == Find<QWidget>(w.get(), "Frame1"));
        QVERIFY(Find<QRadioButton>(w.get(), "Option1(0)")->isChecked());
        QVERIFY(!Find<QRadioButton>(w.get(), "Option1(1)")->isChecked());
        QVERIFY(!w->FuriganaTxt->isEnabled());
        QVERIFY(w->InputArea->isEnabled());
        QVERIFY(qobject_cast<KanaLineEdit*>(Find<QWidget>(w.get(), "InputArea")));
        QVERIFY(!Find<QPushButton>(w.get(), "cmdInput")->icon().isNull());
        // Four digits and the cursor stand whole in the speed box's text
        // area, as the line edit itself lays it out (its frame, 2 pixels a side).
        QStyleOptionFrame frame;
        frame.initFrom(w->Text1);
        frame.lineWidth = w->Text1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w->Text1);
        const QRect area = w->Text1->style()->subElementRect(QStyle::SE_LineEditContents, &frame, w->Text1);
        QVERIFY(area.width() - 4 >= w->Text1->fontMetrics().horizontalAdvance(QStringLiteral("8000")) + 1);

        QWidget* pic = w->picSpace;
        QVERIFY(pic->testAttribute(Qt::WA_NativeWindow));
        QVERIFY(pic->testAttribute(Qt::WA_PaintOnScreen));
        QVERIFY(pic->testAttribute(Qt::WA_NoSystemBackground));
        QVERIFY(pic->paintEngine() == nullptr);
    }

    void menusCarryTheirCaptions()
    {
        auto w = Open();
        const struct {
            const char* menu;
            const char16_t* title;
            std::vector<std::pair<const char*, const char16_t*>> items;
        } menus[] = {
            {"FileMenus", u"ファイル(&F)", {{"mnuOpen", u"Open"}, {"mnuExit", u"終了"}}},
            {"ToolMenus", u"ツール(&T)",
             {{"mnuEdit", u"Edit"}, {"mnuQuizJapTxt", u"練習"}, {"mnuAnswerQuiz", u"解答練習"}, {"mnuProgress", u"成績"},
              {"mnuStudy", u"学習"}, {"mnuWordLists", u"単語リスト編集"}, {"mnuTeacher", u"教師用"}}},
            {"HelpMenus", u"ヘルプ(&H)", {{"mnuAbout", u"バージョン情報"}, {"mnuLanguage", u"Language"}}},
        };
        const QList<QAction*> bar = w->menuBar()->actions();
        QCOMPARE(bar.size(), qsizetype{3});
        for (size_t m = 0; m < 3; ++m) {
            auto* menu = Find<QMenu>(w.get(), menus[m].menu);
            QVERIFY2(menu, menus[m].menu);
            QCOMPARE(bar[static_cast<qsizetype>(m)]->menu(), menu);
            QCOMPARE(menu->title(), QString::fromUtf16(menus[m].title));
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), static_cast<qsizetype>(menus[m].items.size()));
            for (size_t i = 0; i < menus[m].items.size(); ++i) {
                QCOMPARE(items[static_cast<qsizetype>(i)]->objectName(), QLatin1String(menus[m].items[i].first));
                QCOMPARE(items[static_cast<qsizetype>(i)]->text(), QString::fromUtf16(menus[m].items[i].second));
            }
        }
    }

    void menusAndCommandsAnswerTheKeyboard()
    {
        auto w = OpenShown();
        QVERIFY(w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const std::pair<Qt::Key, const char*> mnemonics[] = {
            {Qt::Key_F, "FileMenus"}, {Qt::Key_T, "ToolMenus"}, {Qt::Key_H, "HelpMenus"}};
        for (const auto& [key, name] : mnemonics) {
            auto* menu = Find<QMenu>(w.get(), name);
            QTest::keyClick(w.get(), key, Qt::AltModifier);
            QTRY_VERIFY2(menu->isVisible(), name);
            menu->close();
        }

        // Any question on the way (a table with unsaved changes) is answered OK.
        auto chooserCancelled = [](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(QMessageBox::Ok)->click();
            auto* chooser = qobject_cast<Obtain_FilePath2*>(modal);
            if (chooser)
                chooser->reject();
            return chooser != nullptr;
        };
        ModalWatcher open(chooserCancelled);
        QTest::keyClick(w.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(open.Seen());
        // Pressed, it would end the application's event loops for the tests after this one.
        QCOMPARE(Find<QAction>(w.get(), "mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // Kanji and kana of one caption come from the same mincho face.
    void japaneseCaptionsUseOneFace()
    {
        const QString face = UseOneJapaneseFace();
        QVERIFY(!face.isEmpty());
        auto w = Open();
        for (const char* name : {"Label1", "Label2", "cmdInput"}) {
            QWidget* widget = Find<QWidget>(w.get(), name);
            auto* label = qobject_cast<QLabel*>(widget);
            const QString caption = label ? label->text() : qobject_cast<QPushButton*>(widget)->text();
            QTextLayout layout(caption, widget->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const QList<QGlyphRun> runs = layout.glyphRuns();
            QVERIFY2(!runs.isEmpty(), name);
            for (const QGlyphRun& run : runs)
                QVERIFY2(run.rawFont().familyName().compare(face, Qt::CaseInsensitive) == 0,
                         qPrintable(QStringLiteral("%1: %2").arg(caption, run.rawFont().familyName())));
        }
    }

    void paintingPicSpaceDrawsAStillPicture()
    {
        auto w = OpenShown();
        QVERIFY(w);
        w->picSpace->update();
        QTRY_VERIFY(!RecordingLip::Of(LipCall::Draw).empty());
        const LipCall draw = RecordingLip::Of(LipCall::Draw).front();
        QCOMPARE(draw.steps, int16_t{0});
        QCOMPARE(draw.animate, int16_t{0});
        QCOMPARE(draw.hdc, static_cast<LipWindow>(w->picSpace->winId()));
        QVERIFY(draw.hdc != 0);
        QCOMPARE(draw.view[0], 545.0f);
        QCOMPARE(draw.view[1], 385.0f);
        QCOMPARE(draw.view[2], 40.0f);
        QCOMPARE(draw.view[3], 100.0f);
        QCOMPARE(draw.view[4], 1500.0f);
        QCOMPARE(draw.view[11], 1000.0f);
        QCOMPARE(w->Eye[0], draw.view[5]);
        QVERIFY(RecordingLip::Of(LipCall::Target).empty());
    }

    void heldButtonTurnsTheViewUntilRelease_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<float>("azimuthStep");
        QTest::addColumn<float>("elevation");
        QTest::addColumn<float>("fov");

        // picSpace is 545 x 385: thirds end at 181.7 / 363.3 and 128.3 / 256.7.
        const QPoint top(272, 20), bottom(272, 370), left(20, 192), right(530, 192), middle(272, 192);
        const int L = Qt::LeftButton, R = Qt::RightButton;
        QTest::newRow("top, left") << L << top << 3 << 0.0f << -15.0f << 40.0f;
        QTest::newRow("top, right") << R << top << 3 << 0.0f << 15.0f << 40.0f;
        QTest::newRow("bottom, left") << L << bottom << 2 << 0.0f << 10.0f << 40.0f;
        QTest::newRow("bottom, right") << R << bottom << 2 << 0.0f << -10.0f << 40.0f;
        QTest::newRow("left, left") << L << left << 4 << 5.0f << 0.0f << 40.0f;
        QTest::newRow("left, right") << R << left << 4 << -5.0f << 0.0f << 40.0f;
        QTest::newRow("right, left") << L << right << 2 << -5.0f << 0.0f << 40.0f;
        QTest::newRow("right, right") << R << right << 2 << 5.0f << 0.0f << 40.0f;
        QTest::newRow("top left corner") << L << QPoint(20, 20) << 1 << 5.0f << -5.0f << 40.0f;
        QTest::newRow("middle, left") << L << middle << 5 << 0.0f << 0.0f << 35.0f;
        QTest::newRow("middle, right") << R << middle << 5 << 0.0f << 0.0f << 45.0f;
        QTest::newRow("elevation stops at -90") << L << top << 25 << 0.0f << -90.0f << 40.0f;
        QTest::newRow("elevation stops at 90") << R << top << 25 << 0.0f << 90.0f << 40.0f;
        QTest::newRow("field of view stops at 0") << L << middle << 45 << 0.0f << 0.0f << 0.0f;
        QTest::newRow("field of view stops at 180") << R << middle << 150 << 0.0f << 0.0f << 180.0f;
    }

    void heldButtonTurnsTheViewUntilRelease()
    {
        QFETCH(int, button);
        QFETCH(QPoint, at);
        QFETCH(int, pictures);
        QFETCH(float, azimuthStep);
        QFETCH(float, elevation);
        QFETCH(float, fov);

        auto w = OpenShown();
        QVERIFY(w);
        w->camera.CameraDistance = 321.0f;
        w->camera.LookAt = {1, 2, 3};
        float azimuth = w->camera.CameraAzimuth;
        for (int i = 0; i < pictures; ++i)
            azimuth += azimuthStep;

        QCOMPARE(HoldFor(*w, static_cast<Qt::MouseButton>(button), at, pictures), pictures);
        QCOMPARE(w->DragActive, int16_t{0});
        QCOMPARE(w->camera.CameraAzimuth, azimuth);
        QCOMPARE(w->camera.CameraElevation, elevation);
        QCOMPARE(w->camera.FieldOfView, fov);
        QCOMPARE(w->camera.CameraDistance, 321.0f);
        QCOMPARE(w->camera.LookAt, (std::array<float, 3>{1, 2, 3}));

        // Every step is a still picture of the view as it then stood.
        const auto draws = RecordingLip::Of(LipCall::Draw);
        for (const LipCall& d : draws) {
            QCOMPARE(d.steps, int16_t{0});
            QCOMPARE(d.animate, int16_t{0});
        }
        QCOMPARE(draws.back().view[2], fov);
        QCOMPARE(draws.back().view[7], static_cast<float>(321.0 * std::sin(elevation * 3.14159265 / 180) + 3));
    }

    void otherButtonsAreIgnored()
    {
        auto w = OpenShown();
        QVERIFY(w);
        const QPoint middle(272, 192);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(middle), w->picSpace->mapToGlobal(QPointF(middle)),
                          Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w->picSpace, &press);
        QCOMPARE(w->DragActive, int16_t{0});
        QCOMPARE(w->camera.FieldOfView, 40.0f);
        QVERIFY(RecordingLip::Of(LipCall::Draw).empty());
    }

    // The picture passes its wheel and arrow keys to the view.
    void wheelZoomsAndArrowsTurnThePicture()
    {
        auto w = OpenShown();
        QVERIFY(w);
        const QPointF at(272, 192);
        QWheelEvent wheel(at, w->picSpace->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w->picSpace, &wheel);
        QCOMPARE(w->camera.FieldOfView, 38.0f);
        QTest::keyClick(w->picSpace, Qt::Key_Right);
        QCOMPARE(w->camera.CameraAzimuth, 0.1f - 5.0f);
    }

    void homeAndViewOptionsSetOnlyTheirAngles()
    {
        auto w = OpenShown();
        QVERIFY(w);
        auto* home = Find<QPushButton>(w.get(), "cmdHome");
        auto* own = Find<QRadioButton>(w.get(), "Option1(0)");
        auto* other = Find<QRadioButton>(w.get(), "Option1(1)");

        auto scramble = [&] {
            w->camera.CameraAzimuth = 77.0f;
            w->camera.CameraElevation = 33.0f;
            w->camera.FieldOfView = 99.0f;
            w->camera.CameraDistance = 321.0f;
            w->camera.LookAt = {1, 2, 3};
            RecordingLip::Calls().clear();
        };
        const struct {
            const char* name;
            QAbstractButton* button;
            float azimuth, elevation, fov;
        } cases[] = {
            {"facing the other side", other, 180.1f, 33.0f, 99.0f},
            // Home also shows the learner's option selected again.
            {"home", home, 0.1f, 0.0f, 40.0f},
            {"facing the learner", own, 0.1f, 33.0f, 99.0f},
            // Choosing the option already selected still returns the camera.
            {"facing the learner again", own, 0.1f, 33.0f, 99.0f},
        };
        for (const auto& c : cases) {
            scramble();
            QTest::mouseClick(c.button, Qt::LeftButton);
            QVERIFY2(w->camera.CameraAzimuth == c.azimuth, c.name);
            QVERIFY2(w->camera.CameraElevation == c.elevation, c.name);
            QVERIFY2(w->camera.FieldOfView == c.fov, c.name);
            QVERIFY2(w->camera.CameraDistance == 321.0f, c.name);
            QVERIFY2((w->camera.LookAt == std::array<float, 3>{1, 2, 3}), c.name);
            QVERIFY2(own->isChecked() == (c.button != other), c.name);
            const auto draws = RecordingLip::Of(LipCall::Draw);
            QVERIFY2(!draws.empty(), c.name);
            QCOMPARE(draws.front().steps, int16_t{0});
            QCOMPARE(draws.front().view[2], c.fov);
        }
        QVERIFY(own->isChecked());
    }

    void startPlaysTheReadingFromTheWordBox()
    {
        auto w = OpenShown();
        QVERIFY(w);
        emit w->InputArea->readingChanged(QStringLiteral("ｶｯﾀ"));
        QCOMPARE(w->FuriganaStr, QStringLiteral("ｶｯﾀ"));
        QCOMPARE(w->FuriganaTxt->text(), QStringLiteral("ｶｯﾀ"));

        RecordingLip::Clear();
        QTest::mouseClick(Find<QPushButton>(w.get(), "cmdInput"), Qt::LeftButton);
        const auto hdc = static_cast<LipWindow>(w->picSpace->winId());
        CheckPlayed({{0, 0, 8}, {16, 0, 8}, {16, 1, 4}, {27, 0, 2}, {16, 0, 8}, {16, 1, 4}}, hdc);
        QCOMPARE(Program().PlaybackActive, int16_t{0});
        QCOMPARE(w->syllables.SyllableCount, int16_t{4});

        // The speed is read anew for every utterance.
        w->Text1->setText(QStringLiteral("1000"));
        emit w->InputArea->readingChanged(QStringLiteral("ｱｰ"));
        RecordingLip::Clear();
        QTest::mouseClick(Find<QPushButton>(w.get(), "cmdInput"), Qt::LeftButton);
        CheckPlayed({{0, 0, 4}, {1, 0, 8}}, hdc);
    }

    void refusedReadingsAndSpeedsPlayNothing_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("message");
        QTest::newRow("latin letters") << QStringLiteral("abc") << QStringLiteral("500")
                                       << QStringLiteral("Unsupported character(s) in the string");
    }

    void refusedReadingsAndSpeedsPlayNothing()
    {
        QFETCH(QString, reading);
        QFETCH(QString, speed);
        QFETCH(QString, message);
        auto w = OpenShown();
        QVERIFY(w);
        w->Text1->setText(speed);
        emit w->InputArea->readingChanged(reading);

        QString shown, title;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return false;
            shown = box->text();
            title = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
            return true;
        });
        QTest::mouseClick(Find<QPushButton>(w.get(), "cmdInput"), Qt::LeftButton);
        QVERIFY(watcher.Seen());
        QCOMPARE(shown, message);
        QCOMPARE(title, QStringLiteral("Oralis"));
        QVERIFY(RecordingLip::Of(LipCall::Pass).empty());
        QVERIFY(RecordingLip::Of(LipCall::Target).empty());
        QCOMPARE(Program().PlaybackActive, int16_t{0});
    }

    void aMissingStartUpTableOpensTheChooser()
    {
        const int16_t signsBefore = Program().signTable.SignCount;
        auto w = Open(dir_.filePath(QStringLiteral("absent.csv")));
        QVERIFY(!w->StartupTableLoaded());
        QVERIFY(w->StartupError().isEmpty());

        QString heading, firstType;
        bool loadMode = false;
        ModalWatcher watcher([&](QWidget* modal) {
            auto* chooser = qobject_cast<Obtain_FilePath2*>(modal);
            if (!chooser)
                return false;
            heading = Find<QLabel>(chooser, "Label")->text();
            firstType = Find<QComboBox>(chooser, "Combo1")->itemText(0);
            loadMode = chooser->LoadMode;
            Find<QPushButton>(chooser, "cmcancel")->click();
            return true;
        });
        w->show();
        QTRY_VERIFY(watcher.Seen());
        QCOMPARE(heading, QStringLiteral("File Load"));
        QVERIFY(firstType.startsWith(QStringLiteral("Angle Data")));
        QVERIFY(loadMode);
        QCOMPARE(Program().signTable.SignCount, signsBefore);
    }

    void aTableInTheUsersDataFolderIsTheStartUpTable()
    {
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("oralis"))));
        QVERIFY(testing::WriteText(data.filePath(QStringLiteral("oralis/LipPosition.csv")),
                                   {testing::HeaderRecord(0, QStringLiteral("teacher"), 1), Tagged(0, 0, 1.0f)}));
        auto opened = OpenWithUserData(data.path());
        frmSpace& w = *opened;
        QVERIFY(w.StartupTableLoaded());
        QCOMPARE(Program().signTable[0].SignName, QStringLiteral("teacher   "));
        QCOMPARE(Program().signTable.SignCount, int16_t{1});
    }

    // The learner's own table is damaged: the message names it and why, and
    // the shipped table takes its place; the damaged file stays for the teacher.
    void aDamagedStartUpTableCanGiveWayToTheShippedOne()
    {
        QTemporaryDir data;
        const QString damaged = data.filePath(QStringLiteral("oralis/LipPosition.csv"));
        QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("oralis"))));
        QVERIFY(testing::WriteText(damaged, {testing::HeaderRecord(0, QStringLiteral("rest"), 1),
                                             QStringLiteral("not,a,frame")}));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        SignTable shipped;
        QCOMPARE(LoadLipTable(ProgramFolder() + QStringLiteral("LipPosition.csv"), shipped), int16_t{-1});

        auto opened = OpenWithUserData(data.path());
        frmSpace& w = *opened;
        QVERIFY(!w.StartupTableLoaded());

        QString text;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* chooser = qobject_cast<Obtain_FilePath2*>(modal)) {
                chooser->reject();  // the bare chooser of old: nothing said
                return true;
            }
            if (modal->objectName() != QStringLiteral("StartupTableMsg"))
                return false;
            text = static_cast<QMessageBox*>(modal)->text();
            Find<QPushButton>(modal, "cmdShippedTable")->click();
            return true;
        });
        w.show();
        QTRY_VERIFY(watcher.Seen());
        QVERIFY2(text.contains(QDir::toNativeSeparators(damaged)) && text.contains(QStringLiteral("line 2")),
                 qPrintable(text));
        QTRY_VERIFY(w.StartupTableLoaded());
        QCOMPARE(Program().signTable.SignCount, shipped.SignCount);
        QCOMPARE(Program().signTable[16].Frames.size(), shipped[16].Frames.size());
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), bytes);
    }

    void openingATableLoadsItOrSaysWhyNot()
    {
        auto w = OpenShown();
        QVERIFY(w);
        const QString other = dir_.filePath(QStringLiteral("other.csv"));
        QVERIFY(testing::WriteText(other, {testing::HeaderRecord(1, QStringLiteral("a"), 2),
                                           Tagged(1, 0, 1.0f), Tagged(1, 1, 2.0f)}));
        const QString broken = dir_.filePath(QStringLiteral("broken.csv"));
        QVERIFY(testing::WriteText(broken, {testing::HeaderRecord(16, QStringLiteral("k_a"), 1),
                                            QStringLiteral("not,a,frame")}));

        auto choose = [&](const QString& file) {
            return [this, file](QWidget* modal) {
                auto* chooser = qobject_cast<Obtain_FilePath2*>(modal);
                if (!chooser)
                    return false;
                chooser->SetFolder(dir_.path());
                auto* files = Find<QListWidget>(chooser, "File1");
                const auto items = files->findItems(file, Qt::MatchExactly);
                if (!items.isEmpty())
                    files->setCurrentItem(items.first());
                Find<QPushButton>(chooser, "cmload")->click();
                return true;
            };
        };
        QAction* open = Find<QAction>(w.get(), "mnuOpen");

        {
            ModalWatcher watcher(choose(QStringLiteral("other.csv")));
            open->trigger();
            QVERIFY(watcher.Seen());
        }
        // The new table names sign 1 only: it replaces that sign, keeps the rest.
        QCOMPARE(Program().signTable[1].FrameCount(), int16_t{2});
        QCOMPARE(Program().signTable[16].FrameCount(), int16_t{2});
        QCOMPARE(Program().signTable.SignCount, int16_t{2});

        const auto before = Program().signTable[16].Frames;
        QString message;
        {
            ModalWatcher chooser(choose(QStringLiteral("broken.csv")));
            ModalWatcher box([&](QWidget* modal) {
                auto* m = qobject_cast<QMessageBox*>(modal);
                if (!m)
                    return false;
                message = m->text();
                m->button(QMessageBox::Ok)->click();
                return true;
            });
            open->trigger();
            QVERIFY(chooser.Seen());
            QVERIFY(box.Seen());
        }
        QVERIFY2(message.startsWith(QStringLiteral("Cannot load ") + broken + QLatin1Char('\n')),
                 qPrintable(message));
        QVERIFY(message.size() > QStringLiteral("Cannot load \n").size() + broken.size());
        QCOMPARE(Program().signTable[16].FrameCount(), int16_t{2});
        QVERIFY(Program().signTable[16].Frames.size() == before.size());
        QCOMPARE(Program().signTable[16].Frames[1].velocityRate(), 0.5f);
        QCOMPARE(Program().signTable.SignCount, int16_t{2});
    }

    void exitAsksOnlyWhenChangesWouldBeLost()
    {
        auto w = OpenShown();
        QVERIFY(w);
        Program().signTable.UnsavedChanges = true;

        auto answer = [](QMessageBox::StandardButton which, QString* title) {
            return [which, title](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (!box)
                    return false;
                *title = box->windowTitle() + QLatin1Char('|') + box->text();
                box->button(which)->click();
                return true;
            };
        };
        QString asked;
        {
            ModalWatcher watcher(answer(QMessageBox::Cancel, &asked));
            Find<QAction>(w.get(), "mnuExit")->trigger();
            QVERIFY(watcher.Seen());
        }
        QCOMPARE(asked, QStringLiteral("Confirmation|Changes will be discarded"));
        QVERIFY(w->isVisible());
        {
            ModalWatcher watcher(answer(QMessageBox::Cancel, &asked));
            w->close();
            QVERIFY(watcher.Seen());
        }
        QVERIFY(w->isVisible());
        {
            ModalWatcher watcher(answer(QMessageBox::Ok, &asked));
            w->close();
            QVERIFY(watcher.Seen());
        }
        QVERIFY(!w->isVisible());

        // Nothing unsaved: the program ends without a question.
        auto plain = OpenShown();
        QVERIFY(plain);
        QVERIFY(!Program().signTable.UnsavedChanges);  // loaded at start-up
        ModalWatcher watcher([](QWidget* modal) { return modal->close(); });
        Find<QAction>(plain.get(), "mnuExit")->trigger();
        QVERIFY(!plain->isVisible());
        QVERIFY(!watcher.Seen());
    }

    void saveWritesTheTableOrSaysWhyNot()
    {
        auto w = Open();
        const QString saved = dir_.filePath(QStringLiteral("saved.csv"));
        QString why;
        QVERIFY2(w->Pattern_Save(saved, &why), qPrintable(why));
        SignTable copy;
        QCOMPARE(LoadLipTable(saved, copy), int16_t{-1});
        QCOMPARE(copy.SignCount, Program().signTable.SignCount);
        QCOMPARE(copy[16].FrameCount(), Program().signTable[16].FrameCount());

        QVERIFY(!w->Pattern_Save(dir_.filePath(QStringLiteral("no/such/folder/x.csv")), &why));
        QVERIFY(!why.isEmpty());
    }
};

int main(int argc, char** argv)
{
    // Twip positions are checked at 96 DPI whatever the X server reports.
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    // The fonts the program sets up before its first window.
    UseOneJapaneseFace();
    FrmSpaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmspace_test.moc"
