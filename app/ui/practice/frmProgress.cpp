#include "ui/practice/frmProgress.h"

#include "model/History.h"
#include "model/WordList.h"
#include "ui/BesideMain.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/dialogs/Obtain_FilePath2.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QResizeEvent>
#include <QScatterSeries>
#include <QShortcut>
#include <QTableWidget>
#include <QSignalBlocker>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

const QString kTextFont = QStringLiteral("ＭＳ Ｐ明朝");
constexpr double kTextPointSize = 11.0;
constexpr int kConfusionsShown = 5;
// Room above 100 % and below 0 % for a whole point marker, in percent.
constexpr double kPercentMargin = 6.0;
constexpr qreal kMarkerSize = 9.0;
constexpr int kPercentTick = 25;
// At most this many session numbers along the bottom, so they stay readable.
constexpr int kSessionTicks = 10;

frmProgress* ProgressOf(LearnerHost& host)
{
    return host.HostWindow().findChild<frmProgress*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void OpenProgress(LearnerHost& host, const QString& learner)
{
    frmProgress* progress = ProgressOf(host);
    if (!progress)
        progress = new frmProgress(&host.HostWindow());
    progress->Refresh(learner);
    ShowBeside(*progress, host.HostWindow(), host.PictureOnScreen());
}

void RefreshOpenProgress(LearnerHost& host)
{
    if (frmProgress* progress = ProgressOf(host); progress && progress->isVisible())
        progress->Refresh();
}

frmProgress::frmProgress(QWidget* parent)
    : QWidget(parent, Qt::Window), textFont_(NamedFont(kTextFont, kTextPointSize))
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("成績"));
    auto* layout = new QVBoxLayout(this);

    auto* learnerCaption = new QLabel(tr("学習者"), this);
    LearnerCmb = new QComboBox(this);
    LearnerCmb->setObjectName(QStringLiteral("LearnerCmb"));
    learnerCaption->setBuddy(LearnerCmb);
    connect(LearnerCmb, &QComboBox::activated, this, [this](int index) { Refresh(LearnerCmb->itemText(index)); });
    cmdExport = new QPushButton(tr("Save as CSV…"), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdExport->setToolTip(tr("Every answer of this learner, one row each, for a spreadsheet"));
    connect(cmdExport, &QPushButton::clicked, this, &frmProgress::ChooseExport);
    auto* top = new QHBoxLayout;
    top->addWidget(learnerCaption);
    top->addWidget(LearnerCmb, 1);
    top->addWidget(cmdExport);
    layout->addLayout(top);
    StatusLbl = new QLabel(this);
    StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
    StatusLbl->setWordWrap(true);
    // Takes room only once an export has something to say.
    StatusLbl->hide();
    layout->addWidget(StatusLbl);

    NoHistoryLbl = new QLabel(this);
    NoHistoryLbl->setObjectName(QStringLiteral("NoHistoryLbl"));
    NoHistoryLbl->setWordWrap(true);
    layout->addWidget(NoHistoryLbl);

    ScoreChart = new QChartView(this);
    ScoreChart->setObjectName(QStringLiteral("ScoreChart"));
    ScoreChart->setRenderHint(QPainter::Antialiasing);
    ScoreChart->setMinimumSize(Twips(7200), Twips(4500));
    layout->addWidget(ScoreChart, 3);

    SessionTable = new QTableWidget(0, 4, this);
    SessionTable->setObjectName(QStringLiteral("SessionTable"));
    SessionTable->setHorizontalHeaderLabels({tr("Date"), tr("List"), tr("Right"), tr("Replays per word")});
    SessionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SessionTable->horizontalHeader()->setStretchLastSection(true);
    SessionTable->setMinimumHeight(Twips(1500));
    layout->addWidget(SessionTable, 1);

    for (QLabel** label : {&ShapeLbl, &ConfusionLbl}) {
        *label = new QLabel(this);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(*label);
    }
    ShapeLbl->setObjectName(QStringLiteral("ShapeLbl"));
    ConfusionLbl->setObjectName(QStringLiteral("ConfusionLbl"));
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    GrowFonts();
}

frmProgress::~frmProgress() = default;

void frmProgress::Refresh(const QString& learner)
{
    // A connection of its own, opened for each look: the practice window may
    // be writing through another at the same time.
    HistoryStore history;
    history.open();
    // Whoever practises now leads the list; the list stays in that order
    // while the teacher looks at one learner after another.
    QStringList names = history.learners();
    shown_ = learner.isEmpty() ? names.front() : learner;
    if (!names.contains(shown_))
        names << shown_;
    {
        const QSignalBlocker quiet(LearnerCmb);
        LearnerCmb->clear();
        LearnerCmb->addItems(names);
        LearnerCmb->setCurrentIndex(static_cast<int>(names.indexOf(shown_)));
    }
    history.showLearner(shown_);
    setWindowTitle(tr("成績: %1").arg(shown_));
    points_ = ProgressPoints(history.sessionScores());
    cmdExport->setEnabled(!points_.empty());

    const bool none = points_.empty();
    for (QWidget* w : std::initializer_list<QWidget*>{ScoreChart, SessionTable, ShapeLbl, ConfusionLbl})
        w->setVisible(!none);
    NoHistoryLbl->setVisible(none);
    if (none) {
        NoHistoryLbl->setText(history.reason().isEmpty()
                                  ? tr("No practice history yet: every word answered in the "
                                       "answer practice (ツール → 解答練習) is kept and shown here.")
                                  : history.reason());
        return;
    }

    auto* chart = new QChart;
    chart->setTitle(tr("Score of each session (%)"));
    chart->legend()->hide();
    auto* line = new QLineSeries(chart);
    auto* marks = new QScatterSeries(chart);
    marks->setMarkerSize(kMarkerSize);
    SessionTable->setRowCount(static_cast<int>(points_.size()));
    for (const ProgressPoint& p : points_) {
        line->append(p.number, p.percent);
        marks->append(p.number, p.percent);
        const int row = p.number - 1;
        SessionTable->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(p.number)));
        SessionTable->setItem(row, 0, new QTableWidgetItem(p.date));
        SessionTable->setItem(row, 1, new QTableWidgetItem(ShippedListTitle(p.list)));
        SessionTable->setItem(row, 2, new QTableWidgetItem(tr("%1 %").arg(qRound(p.percent))));
        SessionTable->setItem(row, 3, new QTableWidgetItem(QLocale().toString(p.replaysPerWord, 'f', 1)));
    }
    SessionTable->resizeColumnsToContents();
    SessionTable->scrollToBottom();
    connect(marks, &QScatterSeries::hovered, this, &frmProgress::ShowPointLabel);
    chart->addSeries(line);
    chart->addSeries(marks);

    const int count = static_cast<int>(points_.size());
    auto* sessions = new QValueAxis(chart);
    sessions->setTitleText(tr("Session"));
    sessions->setRange(0.5, count + 0.5);
    sessions->setTickType(QValueAxis::TicksDynamic);
    sessions->setTickAnchor(1);
    sessions->setTickInterval(std::max(1, static_cast<int>(std::ceil(count / double(kSessionTicks)))));
    sessions->setLabelFormat(QStringLiteral("%d"));
    auto* percent = new QValueAxis(chart);
    percent->setRange(-kPercentMargin, 100 + kPercentMargin);
    percent->setTickType(QValueAxis::TicksDynamic);
    percent->setTickAnchor(0);
    percent->setTickInterval(kPercentTick);
    percent->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(sessions, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(sessions);
        series->attachAxis(percent);
    }
    QChart* old = ScoreChart->chart();
    ScoreChart->setChart(chart);
    delete old;

    ShapeLbl->setText(tr("Mouth shapes read right:\n")
                      + ShapeAccuracyLines(history.shapeAccuracy()).join(u'\n'));
    QStringList confusions;
    for (const Confusion& c : history.confusions(kConfusionsShown))
        confusions << ConfusionText(c);
    ConfusionLbl->setText(confusions.isEmpty()
                              ? tr("No shape taken for another yet.")
                              : tr("Most frequent confusions:\n") + confusions.join(u'\n'));
    GrowFonts();
}

void frmProgress::ChooseExport()
{
    if (const std::optional<QString> path = Obtain_FilePath2::AskSavePath(tr("CSV File"), QStringLiteral(".csv")))
        ExportTo(*path);
}

void frmProgress::ExportTo(const QString& path)
{
    // A store of its own lives until the file is written: the window goes on meanwhile.
    exporting_ = std::make_unique<HistoryStore>();
    exporting_->setNoticeHandler(this, [this] { TellExport(); });
    exporting_->open();
    exporting_->showLearner(shown_);
    StatusLbl->setToolTip(QString());
    StatusLbl->show();
    if (exporting_->exportAttempts(path))
        StatusLbl->setText(tr("Saving the answers of %1…").arg(shown_));
    else
        StatusLbl->setText(exporting_->reason());
}

void frmProgress::TellExport()
{
    if (!exporting_)
        return;
    for (HistoryNotice notice = exporting_->takeNotice(); !notice.isEmpty(); notice = exporting_->takeNotice()) {
        if (notice.kind == HistoryNotice::Kind::Exported || notice.kind == HistoryNotice::Kind::ExportFailed) {
            StatusLbl->setText(notice.message);
            StatusLbl->setToolTip(notice.details);
        }
    }
}

void frmProgress::ShowPointLabel(const QPointF& point, bool hovered)
{
    const int at = qRound(point.x()) - 1;
    if (hovered && at >= 0 && at < static_cast<int>(points_.size()))
        QToolTip::showText(QCursor::pos(), points_[static_cast<size_t>(at)].label, ScoreChart);
    else
        QToolTip::hideText();
}

void frmProgress::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    GrowFonts();
}

void frmProgress::GrowFonts()
{
    if (firstSize_.isEmpty() && isVisible())
        firstSize_ = size();
    const double grown = firstSize_.isEmpty()
        ? 1.0
        : std::max(1.0, std::min(width() / double(firstSize_.width()), height() / double(firstSize_.height())));
    QFont text = textFont_;
    text.setPointSizeF(kTextPointSize * grown);
    for (QWidget* w : std::initializer_list<QWidget*>{NoHistoryLbl, ShapeLbl, ConfusionLbl, SessionTable})
        w->setFont(text);
    if (QChart* chart = ScoreChart->chart()) {
        QFont title = text;
        title.setBold(true);
        chart->setTitleFont(title);
        QFont small = text;
        small.setPointSizeF(text.pointSizeF() * 0.85);
        for (QAbstractAxis* axis : chart->axes()) {
            axis->setLabelsFont(small);
            axis->setTitleFont(small);
        }
    }
}

}  // namespace oralis
