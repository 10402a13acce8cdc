#include "ui/worksheet/frmWorksheet.h"

#include "model/TextFile.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/Progress.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/study/StudyPictures.h"
#include "ui/worksheet/WorksheetPages.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace oralis {

void OpenWorksheet(LearnerHost& host, QWidget* parent, const WordList& list, const QString& title)
{
    frmWorksheet dialog(host, parent, list, title);
    dialog.exec();
}

frmWorksheet::frmWorksheet(LearnerHost& host, QWidget* parent, const WordList& list, const QString& title)
    : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(tr("Worksheet"));
    content_ = WorksheetOfList(title, list, Program().signTable, host_.SpeedText(), &whyNot_);

    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    top->addLayout(form);
    TitleTxt = new QLineEdit(title, this);
    TitleTxt->setObjectName(QStringLiteral("TitleTxt"));
    TitleTxt->setMinimumWidth(Twips(4000));
    form->addRow(tr("Heading"), TitleTxt);
    cmbKind = new QComboBox(this);
    cmbKind->setObjectName(QStringLiteral("cmbKind"));
    cmbKind->addItem(tr("Words with readings and mouth shapes"), static_cast<int>(WorksheetKind::Words));
    cmbKind->addItem(tr("Answer sheet: mouth shapes to read, answers at the end"),
                     static_cast<int>(WorksheetKind::Answers));
    form->addRow(tr("Sheet"), cmbKind);

    StatusLbl = new QLabel(this);
    StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
    StatusLbl->setWordWrap(true);
    StatusLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(StatusLbl);

    auto* buttons = new QHBoxLayout;
    top->addLayout(buttons);
    cmdPdf = new QPushButton(tr("Save PDF..."), this);
    cmdPdf->setObjectName(QStringLiteral("cmdPdf"));
    cmdPrint = new QPushButton(tr("印刷"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(cmdPdf);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    connect(cmdPdf, &QPushButton::clicked, this, &frmWorksheet::cmdPdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWorksheet::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    if (!content_) {
        cmdPdf->setEnabled(false);
        cmdPrint->setEnabled(false);
        Tell(whyNot_);
        return;
    }
    QString status = tr("%n word(s)", nullptr, static_cast<int>(content_->words.size()));
    if (!content_->leftOut.isEmpty())
        status += u'\n' + tr("Left out, since they cannot be played:") + u'\n' + content_->leftOut.join(u'\n');
    Tell(status);
}

frmWorksheet::~frmWorksheet() = default;

void frmWorksheet::Tell(const QString& text)
{
    StatusLbl->setText(text);
}

std::unique_ptr<WorksheetPages> frmWorksheet::Pages(const QString& progressLabel)
{
    if (!content_) {
        ShowMessage(this, whyNot_);
        return nullptr;
    }
    content_->title = TitleTxt->text();
    const auto kind = static_cast<WorksheetKind>(cmbKind->currentData().toInt());
    StudyPictures pictures(host_);
    FileProgress progress(this, progressLabel, false);
    return std::make_unique<WorksheetPages>(*content_, kind, pictures, progress.callback());
}

bool frmWorksheet::WritePdf(const QString& path)
{
    const std::unique_ptr<WorksheetPages> pages = Pages(FileProgress::Saving(path));
    if (!pages)
        return false;
    QString why;
    const QByteArray pdf = pages->Pdf(&why);
    if (pdf.isEmpty() || !WriteFileAtomically(path, pdf, &why)) {
        ShowMessage(this, tr("Cannot save %1\n%2").arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    Tell(tr("Saved %1: %n page(s)", nullptr, pages->pageCount()).arg(QDir::toNativeSeparators(path)));
    return true;
}

void frmWorksheet::cmdPdf_Click()
{
    if (const std::optional<QString> path = Obtain_FilePath2::AskSavePath(tr("PDF Document"), QStringLiteral(".pdf")))
        WritePdf(*path);
}

void frmWorksheet::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(TitleTxt->text());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("印刷"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::unique_ptr<WorksheetPages> pages = Pages(tr("Printing %1").arg(Quoted(TitleTxt->text())));
    if (!pages)
        return;
    QString why;
    if (pages->Paint(printer, &why))
        Tell(tr("Sent %n page(s) to the printer", nullptr, pages->pageCount()));
    else
        ShowMessage(this, tr("Cannot print\n%1").arg(why));
}

}  // namespace oralis
