// The study window: steps through word A shape by shape in the main window's
// picture, compares A with word B, lists the words that look like A and
// exports the shapes as pictures for worksheets.
#pragma once

#include "playback/StudySession.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oralis {

class CloseUpButton;
class KanaLineEdit;
class LearnerHost;
class StudyPictures;

class frmStudy : public QWidget {
    Q_OBJECT
public:
    explicit frmStudy(LearnerHost& host);
    ~frmStudy() override;

    // Word box A takes the main window's word and reading; the pictures of
    // the basic shapes are drawn again from the table in use.
    void FillFromMain();
    // Fits the mouth into the main window's picture while 口元 is on.
    void FitMouth();

    void cmdStepNext_Click();
    void cmdStepBack_Click();
    void cmdPlayAll_Click();
    void cmdCompare_Click();
    void cmdLookalikes_Click();
    void cmdExportStrip_Click();
    void cmdExportCompare_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    void Step(bool forward);
    void Show(const StudyShown& shown);
    // Word A or B is another word now: nothing shown of the old ones stays.
    void ClearResults();
    void ShowOutline(std::optional<int> taught);
    // Tells the learner `why` something was refused; nothing when it is empty.
    void Tell(const QString& why);
    void SetSpeed(int preset);
    // Asks for a PNG name and writes `image` there.
    void Export(const QImage& image);

    LearnerHost& host_;
    std::unique_ptr<StudyPictures> pictures_;
    StudySession session_;

    KanaLineEdit* InputAreaA = nullptr;
    QLineEdit* FuriganaTxtA = nullptr;
    KanaLineEdit* InputAreaB = nullptr;
    QLineEdit* FuriganaTxtB = nullptr;
    std::array<QPushButton*, 3> cmdSpeed{};
    QPushButton* cmdStepBack = nullptr;
    QPushButton* cmdStepNext = nullptr;
    QLabel* StepLbl = nullptr;
    QPushButton* cmdPlayAll = nullptr;
    QCheckBox* chkLoop = nullptr;
    QLabel* ShapeLbl = nullptr;
    std::array<QLabel*, 6> picShape{};
    QPushButton* cmdCompare = nullptr;
    QLabel* CompareLbl = nullptr;
    QLabel* picCompare = nullptr;
    QPushButton* cmdLookalikes = nullptr;
    QLabel* LookalikeLbl = nullptr;
    CloseUpButton* cmdCloseUp = nullptr;
    QPushButton* cmdExportStrip = nullptr;
    QPushButton* cmdExportCompare = nullptr;
};

// Shows the one study window of `host` (made on first use), modeless.
void OpenStudy(LearnerHost& host);

}  // namespace oralis
