// The lip pattern editor.
#pragma once

#include "model/FrameEditing.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace oralis {

class frmSpace;
class frmCopy;
class SelectingBox;
class SignList;

// Refills the editor's sign list and shows it without blocking the main window.
// The editor is created on the first call and kept, hidden, between uses.
void OpenEditor(frmSpace& main);

// The editor window. It works on the program's sign table directly; its edit
// fields are the only working copy of one frame. Everything it shows is drawn
// into the main window's picture.
class EditFrm : public QWidget {
    Q_OBJECT
public:
    explicit EditFrm(frmSpace& main);

    int16_t CurrentSign = 0;
    // The fields hold edits not yet written back with Set.
    bool FrameChanged = false;
    QString SavedFrameNo;
    // Set has changed the table since creation, the last save or the last
    // confirmed Close.
    bool TableChanged = false;

    // Puts the names of signs 0..SignCount-1 into the sign list.
    void FillSignList();
    // Refills the sign list when the table no longer has the signs it names,
    // as after a table opened in the main window while the editor was open.
    void SyncSignList();

    // Shows frame `frame` of sign `sign` in the fields and draws it; does
    // nothing when the pair names no frame.
    void LoadFrameFields(int16_t sign, int16_t frame);
    // Draws what the fields hold, read as numbers at the start of each text.
    void ShowEditFields();
    // Writes the fields into frame `frame` of sign `sign`. Refuses, storing
    // nothing, when the pair names no frame or a field is not a number;
    // `whyNot` then names the problem.
    bool StoreFrameFields(int16_t sign, int16_t frame, QString* whyNot = nullptr);

    frmCopy* CopyDialog();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    QLineEdit* Field(int slot) const { return fields_[static_cast<size_t>(slot)]; }
    FieldTexts CurrentTexts() const;
    void ShowTexts(const FieldTexts& texts);
    void SetFrameNoQuietly(const QString& text);
    void ShowTotal(int16_t count);
    SignEntry& Current();
    // False, after saying so, when a table opened since has no sign at
    // CurrentSign: what would be changed there is never saved.
    bool CurrentSignInTable();
    // The frame index in the frame box, or a message and nothing.
    std::optional<int16_t> NumberedFrame();

    void ListOpening();
    void SignChosen(int position);
    void FrameNoClicked();
    void FrameNoFocused();
    void FrameNoChanged(const QString& text);
    void LoadClicked();
    void SetClicked();
    void ActionClicked();
    void AddFrameClicked();
    void DeleteFrameClicked();
    void CopyFromClicked();
    void AddCharClicked();
    void SaveClicked();
    // Hides the window, after asking when Set changes are unsaved. True when
    // the window was hidden.
    bool CloseClicked();

    frmSpace& main_;
    std::array<QLineEdit*, kEditFieldCount> fields_{};
    SignList* cmbIndex = nullptr;
    SelectingBox* FrameNoTxt = nullptr;
    QLabel* TotalFrameLbl = nullptr;
    QPointer<frmCopy> copy_;
    bool frameNoQuiet_ = false;
};

}  // namespace oralis
