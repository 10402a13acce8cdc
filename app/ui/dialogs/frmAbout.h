// The About box: the program's name and version over a green gradient.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace oralis {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The one About box, created (and its background painted) on first use;
    // "OK" only hides it, so later showings reuse it as it is.
    static frmAbout& Instance();

protected:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QFrame* Shape1 = nullptr;
};

}  // namespace oralis
