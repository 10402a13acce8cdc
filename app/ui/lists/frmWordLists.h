// The word list editor: a teacher makes or opens a list, adds words by their
// text (the reading offered can be corrected), orders them, sees which look
// the same on the lips, saves the list and prints worksheets of it.
#pragma once

#include "playback/WordListEditor.h"

#include <QString>
#include <QWidget>

class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace oralis {

class LearnerHost;
class ListReadingThread;

class frmWordLists : public QWidget {
    Q_OBJECT
public:
    explicit frmWordLists(LearnerHost& host);
    ~frmWordLists() override;

    void cmdNew_Click();
    void cmdOpen_Click();
    // Saves where the list came from, or asks where when it came from nowhere.
    bool cmdSave_Click();
    // Asks for a name, in the user's own list folder to begin with.
    bool cmdSaveAs_Click();
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdMove_Click(int by);
    void cmdWorksheet_Click();

    // True when the list holds no unsaved change, or the user saved it or
    // agreed to lose it.
    bool MayClose();
    const WordListEditor& Editor() const { return editor_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    void TextEdited();
    void ReadingsRead(int serial, const QStringList& readings, const QString& whyNot);
    void ReadingCorrected(QTableWidgetItem* item);
    bool SaveTo(const QString& path);
    // Shows the list again, row `current` chosen.
    void Refresh(int current);
    void UpdateButtons();
    void Tell(const QString& text);

    LearnerHost& host_;
    WordListEditor editor_;
    ListReadingThread* reader_ = nullptr;
    QTimer* readSoon_ = nullptr;
    int pendingRead_ = 0;       // the request whose readings are awaited, 0 for none
    bool addWhenRead_ = false;  // Add was asked for before the reading came
    bool filling_ = false;      // the table is being filled, not edited

    QPushButton* cmdNew = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdWorksheet = nullptr;
    QLabel* PathLbl = nullptr;
    QLineEdit* InputText = nullptr;
    QComboBox* cmbReading = nullptr;
    QPushButton* cmdAdd = nullptr;
    QLabel* ReadingLbl = nullptr;
    QTableWidget* WordTable = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDown = nullptr;
    QPushButton* cmdRemove = nullptr;
    QLabel* LookalikeLbl = nullptr;
    QLabel* StatusLbl = nullptr;
};

// Shows the one list editor of `host` (made on first use), modeless.
void OpenWordLists(LearnerHost& host);
// Whether the program may end as far as the list editor is concerned.
bool WordListsMayClose(LearnerHost& host);

}  // namespace oralis
