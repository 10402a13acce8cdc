// What the editor's widget tests share: a main window on the recording
// renderer with a small sign table, the editor opened from it, and a script
// that answers the modal windows the editor opens.
#pragma once

#include "RecordingLip.h"
#include "model/FrameEditing.h"
#include "ui/editor/EditFrm.h"
#include "ui/main/frmSpace.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

namespace oralis::testing {

// A frame whose values tell sign, frame and position apart: s*100 + f*10 + i/4.
inline LipFrame TestFrame(int s, int f, float rate)
{
    LipFrame frame;
    for (int i = 0; i < LipFrame::kValues; ++i)
        frame[i] = static_cast<float>(s * 100 + f * 10) + static_cast<float>(i) * 0.25f;
    for (int i : {10, 11, 12, 23, 24, 25})
        frame[i] = 0;
    frame[LipFrame::kVelocityRate] = rate;
    return frame;
}

// Sign 0 the rest shape; sign 1 three frames; sign 2 never filled; sign 3 one
// frame with velocity rate 1.5.
inline void InstallSmallTable()
{
    SignTable& t = Program().signTable;
    t = SignTable();
    auto fill = [&t](int s, const char* name, std::initializer_list<float> rates) {
        t[s].SignName = FixedSignName(QString::fromLatin1(name));
        int f = 0;
        for (float r : rates)
            t[s].Frames.push_back(TestFrame(s, f++, r));
        t[s].FrameCount = static_cast<int16_t>(t[s].Frames.size());
    };
    fill(0, "rest", {1});
    fill(1, "a", {1, 2, 3});
    fill(3, "pa", {1.5f});
    t.SignCount = 4;
    Program().PlaybackActive = 0;
}

// Answers modal windows in order. Each step waits for the modal window it
// expects, then acts on it (its action may open further modal windows, which
// later steps answer). A modal window that no step expects is noted and
// closed after a while, so that a wrong guess fails a test instead of hanging.
class ModalScript {
public:
    ModalScript()
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }

    // Clicks `button` on the next message box and notes its text.
    ModalScript& Answer(QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        steps_.push_back({[](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                          [this, button](QWidget* w) {
                              auto* box = static_cast<QMessageBox*>(w);
                              texts.append(box->text());
                              box->button(button)->click();
                          }});
        return *this;
    }

    // Runs `act` on the next modal window of type T.
    template <typename T>
    ModalScript& In(std::function<void(T*)> act)
    {
        steps_.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                          [act](QWidget* w) { act(static_cast<T*>(w)); }});
        return *this;
    }

    bool Done() const { return steps_.empty() && unexpected.isEmpty(); }

    QStringList texts;       // message box texts, in the order answered
    QStringList unexpected;  // modal windows nobody expected

private:
    struct Step {
        std::function<bool(QWidget*)> ready;
        std::function<void(QWidget*)> act;
    };

    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            stalled_ = 0;
            return;
        }
        if (!steps_.empty() && steps_.front().ready(modal)) {
            stalled_ = 0;
            // Acted on from a fresh timer event: a timer does not fire again
            // while its own handler runs, and the action may open a modal
            // window that a later step has to answer.
            QTimer::singleShot(0, [act = steps_.front().act, target = QPointer<QWidget>(modal)] {
                if (target)
                    act(target);
            });
            steps_.pop_front();
            return;
        }
        if (++stalled_ < 100)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected.append(box ? box->text() : modal->objectName());
        stalled_ = 0;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    QTimer timer_;
    std::deque<Step> steps_;
    int stalled_ = 0;
};

// A main window on the recording renderer with the small table, and the
// editor opened from it.
struct EditorSession {
    // Closes message boxes that no script of the test expected.
    ModalScript guard;
    std::unique_ptr<frmSpace> main;
    EditFrm* editor = nullptr;

    ~EditorSession()
    {
        if (!guard.unexpected.isEmpty()) {
            QTest::qFail(qPrintable("unexpected: " + guard.unexpected.join(" | ")), __FILE__,
                         __LINE__);
        }
    }

    EditorSession()
    {
        static const LipExports lip = RecordingLip::Exports();
        main = std::make_unique<frmSpace>(&lip);
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qFatal("the main window does not show");
        InstallSmallTable();
        OpenEditor(*main);
        editor = main->findChild<EditFrm*>();
        if (!editor || !QTest::qWaitForWindowExposed(editor))
            qFatal("the editor does not show");
        RecordingLip::Clear();
    }

    template <typename T = QWidget>
    T* W(const QString& name) const
    {
        T* w = editor->findChild<T*>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    QLineEdit* Box(const QString& name) const { return W<QLineEdit>(name); }
    QString Text(const QString& name) const { return Box(name)->text(); }
    void Click(const QString& name) const { QTest::mouseClick(W<QPushButton>(name), Qt::LeftButton); }

    // Replaces the text of a box by typing, as the user would.
    void Type(const QString& name, const QString& text) const
    {
        QLineEdit* box = Box(name);
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    // Replaces the text of a box in one change, as pasting does.
    void Paste(const QString& name, const QString& text) const
    {
        QLineEdit* box = Box(name);
        box->setFocus();
        box->selectAll();
        box->insert(text);
    }

    // Opens a sign list and clicks item `position`.
    static void Choose(QComboBox* list, int position)
    {
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QRect item = view->visualRect(view->model()->index(position, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
    }
    void ChooseSign(int position) const { Choose(W<QComboBox>("cmbIndex"), position); }

    // The frame in the fields, read back the way Set reads them.
    LipFrame Fields() const
    {
        FieldTexts texts;
        for (int slot = 0; slot < kEditFieldCount; ++slot)
            texts[slot] = Text(SlotName(slot));
        LipFrame f;
        if (!StoreFields(texts, f, QLocale::c()))
            qWarning("fields hold text that is not a number");
        return f;
    }
};

// The shape of the last ControlPass, as a frame (values 1..9, 13, 14..22, 26).
inline std::optional<LipFrame> LastPass()
{
    const std::vector<LipCall> passes = RecordingLip::Of(LipCall::Pass);
    if (passes.empty())
        return std::nullopt;
    const LipCall& c = passes.back();
    LipFrame f;
    for (int i = 0; i < 9; ++i) {
        f[LipFrame::kUpperCurve + i] = c.upper[i];
        f[LipFrame::kLowerCurve + i] = c.lower[i];
    }
    f[LipFrame::kUpperAngle] = c.upperAngle;
    f[LipFrame::kLowerAngle] = c.lowerAngle;
    return f;
}

// Equal in every value a field shows, the velocity rate aside.
inline bool SameShape(const LipFrame& a, const LipFrame& b)
{
    for (int slot = 1; slot < kEditFieldCount; ++slot) {
        if (a[SlotValue(slot)] != b[SlotValue(slot)])
            return false;
    }
    return true;
}

}  // namespace oralis::testing
