#include "ui/Progress.h"

#include "model/TextFile.h"
#include "ui/Common.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <algorithm>

namespace oralis {

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kScale = 1000;  // the dialog counts in int, files in bytes
constexpr int kRefreshMs = 50;  // often enough to feel live, rarely enough to cost nothing

}  // namespace

FileProgress::FileProgress(QWidget* parent, const QString& label, bool cancellable)
    : dialog_(std::make_unique<QProgressDialog>(label, cancellable ? QCoreApplication::translate("oralis::FileProgress", "Cancel") : QString(), 0,
                                                kScale, parent))
{
    dialog_->setObjectName(QStringLiteral("FileProgress"));
    dialog_->setWindowTitle(kProgramTitle);
    // The table must not change under a load or a save: no other window may be
    // used meanwhile, and before the dialog shows no input is taken at all.
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

FileProgress::~FileProgress() = default;

QString FileProgress::Loading(const QString& path)
{
    return QCoreApplication::translate("oralis::FileProgress", "Loading %1").arg(Quoted(QFileInfo(path).fileName()));
}

QString FileProgress::Saving(const QString& path)
{
    return QCoreApplication::translate("oralis::FileProgress", "Saving %1").arg(Quoted(QFileInfo(path).fileName()));
}

QString FileProgress::loadFailure(const QString& path, const QString& why) const
{
    if (dialog_->wasCanceled())
        return QCoreApplication::translate("oralis::FileProgress", "Loading %1 was cancelled; nothing has changed.")
            .arg(Quoted(QFileInfo(path).fileName()));
    return QCoreApplication::translate("oralis::FileProgress", "Cannot load %1\n%2")
        .arg(QDir::toNativeSeparators(path), why);
}

ProgressFn FileProgress::callback()
{
    QProgressDialog* dialog = dialog_.get();
    auto sinceRefresh = std::make_shared<QElapsedTimer>();
    sinceRefresh->start();
    return [dialog, sinceRefresh](qint64 done, qint64 total) {
        const bool finished = total > 0 && done >= total;
        if (!finished && sinceRefresh->elapsed() < kRefreshMs)
            return !dialog->wasCanceled();
        sinceRefresh->restart();
        const int value = total > 0 ? static_cast<int>(std::min(done, total) * kScale / total) : 0;
        // setValue shows the dialog once the minimum duration has passed and
        // processes events while a modal dialog is up, so Cancel is heard.
        dialog->setValue(value);
        QCoreApplication::processEvents(dialog->isVisible() ? QEventLoop::AllEvents
                                                            : QEventLoop::ExcludeUserInputEvents);
        return !dialog->wasCanceled();
    };
}

}  // namespace oralis
