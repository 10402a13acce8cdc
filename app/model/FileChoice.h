// What the file chooser decides: the starting points it offers, the folder
// chain it lists, the type filter, and the paths it hands back. The dialog
// only shows the lists and asks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace oralis {

// The row of the file list to select when it is shown for loading: the first
// file, so that Return loads a file that exists; -1 when the list is empty.
int PreselectedFileRow(const QStringList& files);

// Whether saving to `path` would replace something there. A folder does not
// count: no file can replace it, and the save itself says why.
bool SaveReplacesExisting(const QString& path);

// `st1` up to, not including, its first "."; a name without a dot whole.
QString SuffixRemoval(const QString& st1);
// `st1` unchanged when it holds a "." anywhere, otherwise followed by `suffix`.
QString SuffixCheck(const QString& st1, const QString& suffix);
// `folder` followed by exactly one "/".
QString FolderPath(const QString& folder);

// Whether `path` is `root` or lies below it.
bool IsUnder(const QString& path, const QString& root);
// "/" and every folder on the way down to `folder`, root first.
QStringList FolderChain(const QString& folder);

// A mounted volume as the system reports it.
struct Volume {
    QString root;
    QByteArray fileSystemType;
    bool isFolder = true;
};
// The starting points of the drive list: "/", the home folder, then the
// volumes a user can store files on, sorted, each once.
QStringList DriveList(const QString& home, const std::vector<Volume>& volumes);
// The starting point `folder` lies under, the deepest one; -1 when none.
int DriveOfFolder(const QStringList& roots, const QString& folder);

// The type list's entry for a registered type: "Angle Data (*.csv)".
QString TypeEntry(const QString& name, const QString& suffix);
// The type list's last entry: "All Files (*.*)".
QString AllFilesEntry();
// The file filter of a type's suffix, or "*.*" for every file (empty suffix).
QString TypeFilter(const QString& suffix);

// What the chooser hands back.
struct ChosenFile {
    QString TargetFile;
    QString TargetFileName;
    QString TargetFilePath;
    QString FajliloSenSufikso;
};
// Confirm in load mode: the name selected in `folder` (empty when none),
// gaining `suffix` when it has no dot.
ChosenFile LoadChoice(const QString& selected, const QString& folder, const QString& suffix);
// A double-click on the listed `name`: handed back exactly as listed.
ChosenFile ListedChoice(const QString& name, const QString& folder);
// Confirm in save mode: the name typed into the name box, relative to
// `folder` or a path of its own, in which only the last part is the file's
// name (a dot in a folder name adds no suffix). Empty, with the refusal in
// `whyNot`, when no file name was typed.
std::optional<ChosenFile> SaveChoice(const QString& typed, const QString& selected,
                                     const QString& folder, const QString& suffix,
                                     QString* whyNot = nullptr);
// The question asked before a save replaces `chosen`, or empty when nothing
// would be replaced.
QString ReplaceQuestion(const ChosenFile& chosen);

}  // namespace oralis
