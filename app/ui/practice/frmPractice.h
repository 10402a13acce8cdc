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

class CloseUpButton;
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
    // True when no session is in progress, or the learner agrees to leave it.
    bool MayLeaveSession();
    // Fits the mouth into the main window's picture while 口元 is on.
    void FitMouth();

    QComboBox* LearnerCmb = nullptr;
    QComboBox* cmbList = nullptr;
    NumberLineEdit* NumWordsTxt = nullptr;
    QPushButton* cmdStart = nullptr;
    KanaLineEdit* AnswerTxt = nullptr;
    QPushButton* cmdReplay = nullptr;
    QPushButton* cmdSlow = nullptr;
    QPushButton* cmdSkip = nullptr;
    QPushButton* cmdNext = nullptr;
    CloseUpButton* cmdCloseUp = nullptr;
    QLabel* VerdictLbl = nullptr;
    QLabel* DiffLbl = nullptr;
    QLabel* ScoreLbl = nullptr;

private:
    void BuildWidgets();
    void FillLearners();
    void FillLists();
    void ListChosen(int index);
    void StartSession();
    void BeginTurn();
    // Plays the turn's word in the main window at `speed`, its text shown or not.
    // False, once the learner has been told why, when it cannot be played.
    bool PlayWord(bool withText, const QString& speed);
    void Answer();
    void Skip();
    void Replay(bool slow);
    void Show(const AnswerVerdict* verdict);
    void GoOn();
    void Finish();
    void UpdateButtons();
    // After a verdict, and after わからない: the learner goes on from the answer box.
    void FocusAnswer();
    void TellHistoryNotice();

    LearnerHost& host_;
    PracticeStarter starter_;
    int lastListIndex_ = 0;
};

// Opens the practice window, made on first use and kept with its state.
void OpenPractice(LearnerHost& host);

// Whether the program may end: true unless a practice session is in
// progress and the learner does not want to leave it.
bool MayEndPractice(LearnerHost& host);

}  // namespace oralis
