// The copy-from dialog: picks any frame of any sign as the source of a copy
// and previews it in the main window's picture.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace oralis {

class frmSpace;
class SignList;

class frmCopy : public QDialog {
    Q_OBJECT
public:
    frmCopy(frmSpace& main, QWidget* parent = nullptr);

    // The chosen sign and 0-based frame; kept from one showing to the next.
    // After OK they always name a frame of the table as it was then.
    int16_t CopyI = 0;
    int16_t CopyJ = 0;
    // True when the dialog was closed with OK; false on every showing.
    bool Rtn = false;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SignChosen(int position);
    void PreviewClicked();
    void OkClicked();
    void ShowFrame(int16_t sign, int16_t frame);

    frmSpace& main_;
    SignList* cmbIndex = nullptr;
    QLineEdit* FrameNoTxt = nullptr;
    QLabel* TotalFrameLbl = nullptr;
};

}  // namespace oralis
