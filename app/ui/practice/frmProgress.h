// The progress view: the score of each session over time, how well each
// basic mouth shape is read and the confusions most often made, from the
// practice history.
#pragma once

#include <QWidget>

class QLabel;
class QChartView;

namespace oralis {

class LearnerHost;

class frmProgress : public QWidget {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* parent = nullptr);

    // Reads the history again (from the user's data folder), of `learner`
    // when one is named.
    void Refresh(const QString& learner = QString());

    QLabel* NoHistoryLbl = nullptr;
    QChartView* ScoreChart = nullptr;
    QLabel* ShapeLbl = nullptr;
    QLabel* ConfusionLbl = nullptr;
};

// Opens the progress view with what the history holds now, of `learner`
// when one is named (the teacher's overview does).
void OpenProgress(LearnerHost& host, const QString& learner = QString());

}  // namespace oralis
