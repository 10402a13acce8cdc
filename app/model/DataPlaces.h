// Where the program looks for its renderer, its shipped data and the user's
// own files. The same rules serve the build folder (everything beside the
// program) and an installed prefix (bin/, lib/oralis/, share/oralis/), moved
// anywhere, because every place is relative to the program's folder.
//
// Folders are given and returned with one trailing "/".
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace oralis {

inline const QString kLipLibraryName = QStringLiteral("libLip.so");
inline const QString kLipTableName = QStringLiteral("LipPosition.csv");

// The user's own data: $XDG_DATA_HOME/oralis/ (by default
// ~/.local/share/oralis/). Not created here.
QString UserDataFolder();

// The folders the shipped data may lie in: the program's own, then
// ../share/oralis/ beside it.
QStringList ShippedDataFolders(const QString& programFolder);

// The folders the program's translations may lie in: translations/ in each
// shipped data folder.
QStringList TranslationFolders(const QString& programFolder);

// The renderer: beside the program, then ../lib/oralis/, then the bare name
// for the dynamic loader's normal search.
QStringList LipLibraryCandidates(const QString& programFolder);

// The table read at start-up: the user's own first, since an installed
// program's folder cannot be written, then the shipped places.
QStringList StartupTableCandidates(const QString& programFolder, const QString& userFolder);

// The quiz word list: the current folder, the user's folder, the shipped places.
QStringList WordListPlaces(const QString& currentFolder, const QString& programFolder,
                           const QString& userFolder);

// The table to read at start-up: the first of StartupTableCandidates that
// exists; when none does, the one beside the program, so that the failure
// names the place the table belongs.
QString StartupTablePath(const QString& programFolder, const QString& userFolder);

// Where the editor's Save should start so that a table saved as
// LipPosition.csv is the one read at the next start: nothing (the chooser stays
// where it is) while the program's folder can be written, otherwise the user's
// folder, created when missing. Nothing either when it cannot be created.
std::optional<QString> TableSaveFolder(const QString& programFolder, const QString& userFolder);

}  // namespace oralis
