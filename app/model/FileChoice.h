// What the file chooser decides about a name before it hands it back; the
// dialog only shows the lists and asks.
#pragma once

#include <QString>
#include <QStringList>

namespace oralis {

// The row of the file list to select when it is shown for loading: the first
// file, so that Return loads a file that exists; -1 when the list is empty.
int PreselectedFileRow(const QStringList& files);

// Whether saving to `path` would replace something there. A folder does not
// count: no file can replace it, and the save itself says why.
bool SaveReplacesExisting(const QString& path);

}  // namespace oralis
