// The program's own file chooser: drives, folders and files in three linked
// lists, a type filter and, in save mode, a name box. Callers set it up, show it
// modally with exec(), and read the results after it has hidden itself.
#pragma once

#include "model/FileChoice.h"

#include <QDialog>
#include <optional>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QShowEvent;

namespace oralis {

class Obtain_FilePath2 : public QDialog {
    Q_OBJECT
public:
    // The one chooser of the program, created on first use and then reused.
    static Obtain_FilePath2& Instance();

    // Results and settings, as callers read and write them.
    QString TargetFile;
    QString TargetFileName;
    QString TargetFilePath;
    QString FajliloSenSufikso;
    QString FajliloSufikso;
    bool LoadMode = true;
    bool Rtn = false;
    int16_t Nombro = 0;

    static constexpr int kTypeSlots = 9;

    void OptionInitialize();
    // Registers a file type; refuses (returns false) beyond nine types.
    bool AddFajliloOptions(const QString& TipoStr, const QString& SufiksoStr);
    // The caption of the heading label `Label` ("File Load" / "File Save").
    void SetHeading(const QString& text);
    // Ready for one question of one file type: load or save mode, its
    // heading, and the type as the only choice.
    void Prepare(bool load, const QString& TipoStr, const QString& SufiksoStr);
    // Asks for a file of one type to save as: its path, or nothing when the
    // user cancelled or chose a name of another type.
    static std::optional<QString> AskSavePath(const QString& TipoStr, const QString& SufiksoStr);

    static QString sufix_removal(const QString& st1);
    QString sufix_check(const QString& st1) const;

    // The folder the lists show; TargetFilePath is this with one trailing "/".
    QString CurrentFolder() const { return folder_; }
    // Opens `path` in the folder and file lists. When it cannot be read the
    // lists keep the previous folder and this returns false (no message).
    bool SetFolder(const QString& path);
    // Starting points offered in Drive1: "/", the home folder, then the
    // mounted volumes a user can store files on.
    static QStringList DriveRoots();

protected:
    explicit Obtain_FilePath2(QWidget* parent = nullptr);
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate();
    void SetTitle();
    void FillDrives();
    void FillFolders();
    void FillFiles();
    void SyncDriveToFolder();
    void TypeSelected(int index);
    void DriveChosen(int index);
    void FolderActivated(QListWidgetItem* item);
    bool EnterFolder(const QString& path);
    void Confirm();
    void FileDoubleClicked(QListWidgetItem* item);
    void SetResults(const ChosenFile& chosen);
    QString SelectedFileName() const;

    std::array<QString, kTypeSlots> FajliloTipoj;
    std::array<QString, kTypeSlots> FajliloSufiksoj;
    QString folder_;
    QString fileFilter_ = QStringLiteral("*.*");

    QLabel* Label = nullptr;
    QLabel* Label_FileName = nullptr;
    QLineEdit* FileName = nullptr;
    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* cmload = nullptr;
    QPushButton* cmcancel = nullptr;
    QFrame* Shape1 = nullptr;
};

}  // namespace oralis
