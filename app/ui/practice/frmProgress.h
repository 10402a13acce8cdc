// The progress view: the score of each session in order, how well each
// basic mouth shape is read and the confusions most often made, from the
// practice history.
#pragma once

#include "playback/PracticeSession.h"

#include <QFont>
#include <QWidget>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QChartView;
class QTableWidget;

namespace oralis {

class LearnerHost;

class frmProgress : public QWidget {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* parent = nullptr);
    ~frmProgress() override;

    // Reads the history again, of `learner` when one is named, else of
    // whoever practises now; one learner at a time.
    void Refresh(const QString& learner = QString());
    // Saves the shown learner's attempts as CSV at `path`, off the window's
    // thread; StatusLbl says how it went.
    void ExportTo(const QString& path);

    QComboBox* LearnerCmb = nullptr;
    QPushButton* cmdExport = nullptr;
    QLabel* StatusLbl = nullptr;
    QLabel* NoHistoryLbl = nullptr;
    QChartView* ScoreChart = nullptr;
    QTableWidget* SessionTable = nullptr;
    QLabel* ShapeLbl = nullptr;
    QLabel* ConfusionLbl = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Fonts in proportion to the window, from the size it first had.
    void GrowFonts();
    void ShowPointLabel(const QPointF& point, bool hovered);
    void ChooseExport();
    void TellExport();

    QString shown_;  // the learner shown
    std::unique_ptr<HistoryStore> exporting_;
    std::vector<ProgressPoint> points_;
    QSize firstSize_;
    QFont textFont_;
};

// Opens the progress view with what the history holds now, of `learner`
// when one is named (the teacher's overview does).
void OpenProgress(LearnerHost& host, const QString& learner = QString());

// Reads the history again into the progress view, when it is open.
void RefreshOpenProgress(LearnerHost& host);

}  // namespace oralis
