// The worksheet dialog: a heading, the kind of sheet (words, or answer
// sheet), and the sheet saved as a PDF file or sent to a printer.
#pragma once

#include "model/WordList.h"
#include "playback/Worksheet.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace oralis {

class LearnerHost;
class WorksheetPages;

class frmWorksheet : public QDialog {
    Q_OBJECT
public:
    // For the words of `list`, headed `title`; `parent` is the window it
    // was asked from.
    frmWorksheet(LearnerHost& host, QWidget* parent, const WordList& list, const QString& title);
    ~frmWorksheet() override;

    // Asks for a PDF file name and writes the sheet there.
    void cmdPdf_Click();
    // Shows the print dialog and prints the sheet.
    void cmdPrint_Click();

    // The sheet's pages as chosen now; empty with the reason shown when no
    // word can be played.
    std::unique_ptr<WorksheetPages> Pages(const QString& progressLabel);

    // The PDF of the sheet as chosen now, for `path`; false after telling
    // the user why not.
    bool WritePdf(const QString& path);

private:
    void Tell(const QString& text);

    LearnerHost& host_;
    std::optional<WorksheetContent> content_;
    QString whyNot_;

    QLineEdit* TitleTxt = nullptr;
    QComboBox* cmbKind = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* StatusLbl = nullptr;
};

// Shows the worksheet dialog for `list` modally over `parent`.
void OpenWorksheet(LearnerHost& host, QWidget* parent, const WordList& list, const QString& title);

}  // namespace oralis
