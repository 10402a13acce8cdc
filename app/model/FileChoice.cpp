#include "model/FileChoice.h"

#include <QFileInfo>

namespace oralis {

int PreselectedFileRow(const QStringList& files)
{
    return files.isEmpty() ? -1 : 0;
}

bool SaveReplacesExisting(const QString& path)
{
    const QFileInfo info(path);
    // A dangling link counts too: saving would replace the link.
    return (info.exists() || info.isSymLink()) && !info.isDir();
}

}  // namespace oralis
