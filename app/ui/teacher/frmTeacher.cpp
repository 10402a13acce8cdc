#include "ui/teacher/frmTeacher.h"

#include "ui/BesideMain.h"
#include "ui/LearnerHost.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/practice/frmProgress.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace oralis {

frmTeacher::frmTeacher(LearnerHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , host_(host)
{
    setObjectName(QStringLiteral("frmTeacher"));
    setWindowTitle(tr("教師用"));
    auto* layout = new QVBoxLayout(this);

    auto* status = new QHBoxLayout;
    StatusLbl = new QLabel(this);
    StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
    StatusLbl->setWordWrap(true);
    StatusLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->addWidget(StatusLbl, 1);
    LoadingBar = new QProgressBar(this);
    LoadingBar->setObjectName(QStringLiteral("LoadingBar"));
    LoadingBar->setRange(0, 0);  // busy: how long the server takes is not known
    LoadingBar->setMaximumWidth(160);
    LoadingBar->setTextVisible(false);
    status->addWidget(LoadingBar);
    layout->addLayout(status);

    LearnersTbl = new QTableWidget(0, OverviewColumns().size(), this);
    LearnersTbl->setObjectName(QStringLiteral("LearnersTbl"));
    LearnersTbl->setHorizontalHeaderLabels(OverviewColumns());
    LearnersTbl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LearnersTbl->setSelectionBehavior(QAbstractItemView::SelectRows);
    LearnersTbl->setSelectionMode(QAbstractItemView::SingleSelection);
    LearnersTbl->verticalHeader()->hide();
    LearnersTbl->horizontalHeader()->setStretchLastSection(true);
    LearnersTbl->setToolTip(tr("Click a learner to see their progress."));
    layout->addWidget(LearnersTbl, 1);
    connect(LearnersTbl, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (const QTableWidgetItem* name = LearnersTbl->item(row, 0))
            OpenProgress(host_, name->text());
    });

    auto* buttons = new QHBoxLayout;
    auto* hint = new QLabel(tr("Click a learner to see their progress."), this);
    buttons->addWidget(hint, 1);
    cmdRefresh = new QPushButton(tr("Refresh"), this);
    cmdRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    buttons->addWidget(cmdRefresh);
    cmdExport = new QPushButton(tr("Save the class as CSV…"), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    buttons->addWidget(cmdExport);
    layout->addLayout(buttons);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmTeacher::Reload);
    connect(cmdExport, &QPushButton::clicked, this, &frmTeacher::ChooseExport);

    resize(960, 420);
    history_.setNoticeHandler(this, [this] { TellNotices(); });
    history_.open();
    Reload();
}

void frmTeacher::Reload()
{
    const int reading = ++reading_;
    LoadingBar->show();
    cmdRefresh->setEnabled(false);
    StatusLbl->setText(tr("Reading the class's history…"));
    history_.readOverview(this, [this, reading](std::vector<LearnerOverview> learners, QString failure) {
        if (reading == reading_)
            Show(learners, failure);
    });
}

void frmTeacher::Show(const std::vector<LearnerOverview>& learners, const QString& failure)
{
    LoadingBar->hide();
    cmdRefresh->setEnabled(true);
    if (!failure.isEmpty()) {
        StatusLbl->setText(failure);
        return;
    }
    LearnersTbl->setRowCount(static_cast<int>(learners.size()));
    for (int row = 0; row < LearnersTbl->rowCount(); ++row) {
        const QStringList cells = OverviewCells(learners[static_cast<size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column)
            LearnersTbl->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    // The last column takes the rest of the width.
    for (int column = 0; column + 1 < LearnersTbl->columnCount(); ++column)
        LearnersTbl->resizeColumnToContents(column);
    StatusLbl->setText(learners.empty() ? tr("No learner has practised yet.")
                                        : tr("Learners: %1").arg(learners.size()));
}

void frmTeacher::ChooseExport()
{
    if (const std::optional<QString> path = Obtain_FilePath2::AskSavePath(tr("CSV File"), QStringLiteral(".csv")))
        ExportTo(*path);
}

void frmTeacher::ExportTo(const QString& path)
{
    if (!history_.exportClass(path))
        StatusLbl->setText(history_.reason());
}

void frmTeacher::TellNotices()
{
    for (HistoryNotice notice = history_.takeNotice(); !notice.isEmpty(); notice = history_.takeNotice()) {
        StatusLbl->setText(notice.message);
        StatusLbl->setToolTip(notice.details);
    }
}

void OpenTeacher(LearnerHost& host)
{
    auto* teacher = host.HostWindow().findChild<frmTeacher*>(QString(), Qt::FindDirectChildrenOnly);
    if (teacher)
        teacher->Reload();
    else
        teacher = new frmTeacher(host, &host.HostWindow());
    ShowBeside(*teacher, host.HostWindow(), host.PictureOnScreen());
}

}  // namespace oralis
