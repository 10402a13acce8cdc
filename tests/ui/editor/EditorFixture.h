// What the editor's widget tests share: a main window on the recording
// renderer with the small sign table and the editor opened from it.
#pragma once

#include "ModalDialogs.h"
#include "RecordingLip.h"
#include "TableBuilder.h"
#include "model/FrameEditing.h"
#include "ui/editor/EditFrm.h"
#include "ui/main/frmSpace.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace oralis::testing {

// A main window on the recording renderer with the small table, and the
// editor opened from it.
struct EditorWindow {
    // Closes message boxes that no script of the test expected.
    ModalScript guard;
    std::unique_ptr<frmSpace> main;
    EditFrm* editor = nullptr;

    ~EditorWindow()
    {
        if (!guard.unexpected.isEmpty()) {
            QTest::qFail(qPrintable("unexpected: " + guard.unexpected.join(" | ")), __FILE__,
                         __LINE__);
        }
    }

    EditorWindow()
    {
        static const LipExports lip = RecordingLip::Exports();
        main = std::make_unique<frmSpace>(&lip);
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            qFatal("the main window does not show");
        Program().signTable = SmallTable();
        Program().PlaybackActive = 0;
        OpenEditor(*main, *main);
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
