// The lip pattern editor.
#pragma once

#include "model/EditorSession.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace oralis {

class EditorHost;
class frmCopy;
class SelectingBox;
class SignList;

// Refills the editor's sign list and shows it without blocking `window`, the
// window it belongs to. The editor is created on the first call and kept,
// hidden, between uses.
void OpenEditor(QWidget& window, EditorHost& host);

// The editor window. Its session decides; the window shows the session's
// fields and answers, asks its questions, and draws through `host`.
class EditFrm : public QWidget {
    Q_OBJECT
public:
    EditFrm(EditorHost& host, QWidget* parent);

    const EditorSession& Session() const { return session_; }

    // Puts the names of signs 0..SignCount-1 into the sign list.
    void FillSignList();
    // Refills the sign list when the table no longer has the signs it names,
    // as after a table opened in the main window while the editor was open.
    void SyncSignList();

    frmCopy* CopyDialog();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    QLineEdit* Field(int slot) const { return fields_[static_cast<size_t>(slot)]; }
    // Shows what a command answered.
    void Show(const EditorView& view);
    bool Ask(const QString& question);

    void SignChosen(int position);
    void ActionClicked();
    void CopyFromClicked();
    void AddCharClicked();
    void SaveClicked();

    EditorHost& host_;
    EditorSession session_;
    std::array<QLineEdit*, kEditFieldCount> fields_{};
    SignList* cmbIndex = nullptr;
    SelectingBox* FrameNoTxt = nullptr;
    QLabel* TotalFrameLbl = nullptr;
    QPointer<frmCopy> copy_;
    // Set while the window writes what the session already holds, so the
    // write is not taken for the user's.
    bool showing_ = false;
};

}  // namespace oralis
