// A progress dialog for loading and saving: it appears only when the work
// lasts longer than half a second, so small tables open as before.
#pragma once

#include "model/RegularFile.h"

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace oralis {

class FileProgress {
public:
    // `cancellable`: whether the dialog offers Cancel (a load does; a save
    // that has begun is finished or failed, never left half-way by the user).
    FileProgress(QWidget* parent, const QString& label, bool cancellable);
    ~FileProgress();
    FileProgress(const FileProgress&) = delete;
    FileProgress& operator=(const FileProgress&) = delete;

    // "Loading NAME" and "Saving NAME", with the file's name quoted short.
    static QString Loading(const QString& path);
    static QString Saving(const QString& path);

    // The callback the readers and writers take; false once Cancel was pressed.
    // The bar reaches its end when the work reports its total.
    ProgressFn callback();

    // What to tell the user about a load of `path` that failed with `why`:
    // that it was cancelled, when Cancel was pressed, else that it failed and why.
    QString loadFailure(const QString& path, const QString& why) const;

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace oralis
