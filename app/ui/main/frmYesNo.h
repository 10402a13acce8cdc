// The quiz dialog: go on with a new word, see the same word again, or stop;
// the playback speed can be changed on the way.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace oralis {

class LearnerHost;

class frmYesNo : public QDialog {
    Q_OBJECT
public:
    explicit frmYesNo(QWidget* parent = nullptr);

    // The learner's answer: 0 go on ("繼續"), 1 stop ("終了", also closing the
    // window), 2 again ("再表示"). Starts at 0 and keeps its value between
    // showings.
    int16_t YN = 0;
    // The main window, whose speed is copied in on every showing and copied
    // back by "繼續" and "再表示" only. The dialog works without one.
    LearnerHost* Main = nullptr;

    QPushButton* Yes = nullptr;
    QPushButton* No = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Repeat = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Answer(int16_t yn);
};

}  // namespace oralis
