#include "model/DataPlaces.h"

#include "model/ProgramState.h"
#include "model/WordList.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace oralis {

namespace {

// `folder` joined with a relative folder, the ".." taken out, one trailing "/".
QString Beside(const QString& folder, const QString& relative)
{
    return WithTrailingSeparator(QDir::cleanPath(folder + relative));
}

QStringList InEach(const QStringList& folders, const QString& name)
{
    QStringList paths;
    for (const QString& folder : folders)
        paths << folder + name;
    return paths;
}

}  // namespace

QString UserDataFolder()
{
    return Beside(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                  QStringLiteral("/oralis"));
}

QStringList ShippedDataFolders(const QString& programFolder)
{
    return {programFolder, Beside(programFolder, QStringLiteral("../share/oralis"))};
}

QStringList TranslationFolders(const QString& programFolder)
{
    QStringList folders;
    for (const QString& folder : ShippedDataFolders(programFolder))
        folders << folder + QStringLiteral("translations/");
    return folders;
}

QStringList LipLibraryCandidates(const QString& programFolder)
{
    return {programFolder + kLipLibraryName,
            Beside(programFolder, QStringLiteral("../lib/oralis")) + kLipLibraryName, kLipLibraryName};
}

QStringList StartupTableCandidates(const QString& programFolder, const QString& userFolder)
{
    return InEach(QStringList{userFolder} + ShippedDataFolders(programFolder), kLipTableName);
}

QStringList WordListPlaces(const QString& currentFolder, const QString& programFolder,
                           const QString& userFolder)
{
    return InEach(QStringList{currentFolder, userFolder} + ShippedDataFolders(programFolder),
                  kWordListName);
}

QString StartupTablePath(const QString& programFolder, const QString& userFolder)
{
    const QStringList candidates = StartupTableCandidates(programFolder, userFolder);
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return programFolder + kLipTableName;
}

std::optional<QString> TableSaveFolder(const QString& programFolder, const QString& userFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return std::nullopt;
    if (!QDir().mkpath(userFolder))
        return std::nullopt;
    return userFolder;
}

}  // namespace oralis
