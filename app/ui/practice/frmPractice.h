// The answer practice window: the learner picks a list and a number of words,
// watches each word in the main window's picture, types what they read and
// sees the verdict. The turn logic is PracticeSession's; this window shows it
// and forwards the learner's input.
#pragma once

#include "playback/PracticeSession.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace oralis {

class KanaLineEdit;
class LearnerHost;
class NumberLineEdit;

class frmPractice : public QWidget {
    Q_OBJECT
public:
    explicit frmPractice(LearnerHost& host);
    ~frmPractice() override;

    // Adds a list file to cmbList (once) and selects it.
    void SelectListFile(const QString& path);
    // The session in progress or just finished; null before the first.
    const PracticeSession* Session() const { return starter_.session(); }

    QComboBox* cmbList = nullptr;
    NumberLineEdit* NumWordsTxt = nullptr;
    QPushButton* cmdStart = nullptr;
    KanaLineEdit* AnswerTxt = nullptr;
    QPushButton* cmdReplay = nullptr;
    QPushButton* cmdSlow = nullptr;
    QPushButton* cmdSkip = nullptr;
    QLabel* VerdictLbl = nullptr;
    QLabel* DiffLbl = nullptr;
    QLabel* ScoreLbl = nullptr;

private:
    void BuildWidgets();
    void FillLists();
    void ListChosen(int index);
    void StartSession();
    void BeginTurn();
    // Plays the turn's word in the main window at `speed`, its text shown or not.
    void PlayWord(bool withText, const QString& speed);
    void Answer();
    void Skip();
    void Replay(bool slow);
    void Show(const AnswerVerdict* verdict);
    void GoOn();
    void UpdateButtons();
    void TellHistoryNotice();

    LearnerHost& host_;
    PracticeStarter starter_;
    int lastListIndex_ = 0;
};

// Opens the practice window, made on first use and kept with its state.
void OpenPractice(LearnerHost& host);

}  // namespace oralis
