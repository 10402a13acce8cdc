// The program's own file chooser: drives, folders and files in three linked
// lists, a type filter and, in save mode, a name box. Callers set it up, show it
// modally with exec(), and read the results after it has hidden itself.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>

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

    void OptionInitialize();
    // Registers a file type; refuses (returns false) beyond nine types.
    bool AddFajliloOptions(const QString& TipoStr, const QString& SufiksoStr);
    // The caption of the heading label `Label` ("File Load" / "File Save").
    void SetHeading(const QString& text);

    static QString sufix_removal(const QString& st1);
    QString sufix_check(const QString& st1) const;

protected:
    explicit Obtain_FilePath2(QWidget* parent = nullptr);
};

}  // namespace oralis
