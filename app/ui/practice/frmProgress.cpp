#include "ui/practice/frmProgress.h"

#include "model/History.h"
#include "playback/PracticeSession.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
constexpr int kConfusionsShown = 5;

}  // namespace

void OpenProgress(LearnerHost& host, const QString& learner)
{
    auto* progress = host.HostWindow().findChild<frmProgress*>(QString(), Qt::FindDirectChildrenOnly);
    if (!progress)
        progress = new frmProgress(&host.HostWindow());
    progress->Refresh(learner);
    progress->show();
    progress->raise();
    progress->activateWindow();
}

frmProgress::frmProgress(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("成績"));
    auto* layout = new QVBoxLayout(this);

    NoHistoryLbl = new QLabel(this);
    NoHistoryLbl->setObjectName(QStringLiteral("NoHistoryLbl"));
    NoHistoryLbl->setFont(NamedFont(kTextFont, 11.0));
    NoHistoryLbl->setWordWrap(true);
    layout->addWidget(NoHistoryLbl);

    ScoreChart = new QChartView(this);
    ScoreChart->setObjectName(QStringLiteral("ScoreChart"));
    ScoreChart->setRenderHint(QPainter::Antialiasing);
    ScoreChart->setMinimumSize(Twips(7200), Twips(3600));
    layout->addWidget(ScoreChart, 1);

    for (QLabel** label : {&ShapeLbl, &ConfusionLbl}) {
        *label = new QLabel(this);
        (*label)->setFont(NamedFont(kTextFont, 11.0));
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(*label);
    }
    ShapeLbl->setObjectName(QStringLiteral("ShapeLbl"));
    ConfusionLbl->setObjectName(QStringLiteral("ConfusionLbl"));
}

void frmProgress::Refresh(const QString& learner)
{
    // A connection of its own, opened for each look: the practice window may
    // be writing through another at the same time.
    HistoryStore history;
    history.open();
    if (!learner.isEmpty())
        history.showLearner(learner);
    setWindowTitle(learner.isEmpty() ? QStringLiteral("成績") : QStringLiteral("成績: %1").arg(learner));
    const std::vector<SessionScore> scores = history.sessionScores();

    const bool none = scores.empty();
    NoHistoryLbl->setVisible(none);
    ScoreChart->setVisible(!none);
    ShapeLbl->setVisible(!none);
    ConfusionLbl->setVisible(!none);
    if (none) {
        NoHistoryLbl->setText(history.reason().isEmpty()
                                  ? QStringLiteral("No practice history yet: every word answered in the "
                                                   "answer practice (ツール → 解答練習) is kept and shown here.")
                                  : history.reason());
        return;
    }

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Score of each session (%)"));
    chart->legend()->hide();
    auto* line = new QLineSeries(chart);
    auto* points = new QScatterSeries(chart);
    points->setMarkerSize(9);
    for (const SessionScore& s : scores) {
        const QDateTime at = s.firstAttempt.isValid() ? s.firstAttempt : s.started;
        const double percent = s.attempts > 0 ? 100.0 * s.right / s.attempts : 0.0;
        line->append(static_cast<qreal>(at.toMSecsSinceEpoch()), percent);
        points->append(static_cast<qreal>(at.toMSecsSinceEpoch()), percent);
    }
    chart->addSeries(line);
    chart->addSeries(points);

    auto* time = new QDateTimeAxis(chart);
    time->setFormat(QStringLiteral("MM-dd HH:mm"));
    const QDateTime first = scores.front().firstAttempt;
    const QDateTime last = scores.back().firstAttempt;
    // A single session, or sessions within a minute, still need a span to plot on.
    time->setRange(first.addSecs(-60), std::max(last, first.addSecs(60)).addSecs(60));
    auto* percent = new QValueAxis(chart);
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(percent);
    }
    QChart* old = ScoreChart->chart();
    ScoreChart->setChart(chart);
    delete old;

    ShapeLbl->setText(QStringLiteral("Mouth shapes read right:\n")
                      + ShapeAccuracyLines(history.shapeAccuracy()).join(u'\n'));
    QStringList confusions;
    for (const Confusion& c : history.confusions(kConfusionsShown))
        confusions << ConfusionText(c);
    ConfusionLbl->setText(confusions.isEmpty()
                              ? QStringLiteral("No shape taken for another yet.")
                              : QStringLiteral("Most frequent confusions:\n") + confusions.join(u'\n'));
}

}  // namespace oralis
