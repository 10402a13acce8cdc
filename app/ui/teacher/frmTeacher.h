// The teacher's overview (教師用), offered while the history is on a server:
// every learner of the class with their sessions, last practice, score
// trend, weakest basic shapes and most frequent confusions; a click on a
// learner opens their progress view, and the whole class's answers can be
// saved as one CSV file. The overview is read off the window's thread, with a
// sign that it is working.
#pragma once

#include "model/History.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace oralis {

class LearnerHost;

class frmTeacher : public QWidget {
    Q_OBJECT
public:
    // Opens the history the user chose and starts reading it.
    explicit frmTeacher(LearnerHost& host, QWidget* parent = nullptr);

    // Reads the overview again; what is shown stays until the answer comes.
    void Reload();
    // Saves every learner's answers as CSV at `path`; the outcome is shown
    // in StatusLbl.
    void ExportTo(const QString& path);

    QLabel* StatusLbl = nullptr;
    QProgressBar* LoadingBar = nullptr;
    QTableWidget* LearnersTbl = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdExport = nullptr;

private:
    void Show(const std::vector<LearnerOverview>& learners, const QString& failure);
    void ChooseExport();
    void TellNotices();

    LearnerHost& host_;
    HistoryStore history_;
    int reading_ = 0;  // the newest read asked for; older answers are not shown
};

// Opens (or raises) the overview, read afresh.
void OpenTeacher(LearnerHost& host);

}  // namespace oralis
