// The copy-from dialog: picks any frame of any sign as the source of a copy
// and previews it in the main window's picture.
#pragma once

#include "model/EditorSession.h"

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace oralis {

class EditorHost;
class SignList;

// CopyI and CopyJ, the choice handed back, are those of its CopyChoice.
class frmCopy : public QDialog, public CopyChoice {
    Q_OBJECT
public:
    frmCopy(EditorHost& host, QWidget* parent = nullptr);

    // True when the dialog was closed with OK; false on every showing.
    bool Rtn = false;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SignChosen(int position);
    void PreviewClicked();
    void OkClicked();
    void Show(const CopyChoice::View& view);

    EditorHost& host_;
    SignList* cmbIndex = nullptr;
    QLineEdit* FrameNoTxt = nullptr;
    QLabel* TotalFrameLbl = nullptr;
};

}  // namespace oralis
