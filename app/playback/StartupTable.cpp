#include "playback/StartupTable.h"

#include "model/DataPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::StartupTable)
};

// Two names of one file (a link, a relative path) are one table.
bool SameFile(const QFileInfo& a, const QFileInfo& b)
{
    return a.canonicalFilePath() == b.canonicalFilePath();
}

}  // namespace

StartupTableFailure StartupTableFailed(const QString& path, const QString& reason,
                                       const QStringList& shippedFolders)
{
    StartupTableFailure f;
    f.path = path;
    f.reason = reason;
    const QFileInfo failed(path);
    f.ask = failed.exists();
    for (const QString& folder : shippedFolders) {
        const QFileInfo shipped(folder + kLipTableName);
        if (shipped.isFile() && !(f.ask && SameFile(shipped, failed))) {
            f.shipped = shipped.absoluteFilePath();
            break;
        }
    }
    return f;
}

QString StartupTableFailure::text() const
{
    const QString what = Text::tr("The lip position table could not be loaded:\n%1\n%2\n\nThe file is left as it is.")
                             .arg(QDir::toNativeSeparators(path), reason);
    return what + QLatin1Char(' ')
        + (shipped.isEmpty() ? Text::tr("Choose another table?")
                             : Text::tr("Start with the table that comes with Oralis, or choose another one?"));
}

std::vector<StartupChoice> StartupTableFailure::choices() const
{
    if (shipped.isEmpty())
        return {StartupChoice::Chooser, StartupChoice::NoTable};
    return {StartupChoice::ShippedTable, StartupChoice::Chooser, StartupChoice::NoTable};
}

QString StartupChoiceCaption(StartupChoice choice)
{
    switch (choice) {
    case StartupChoice::ShippedTable:
        return Text::tr("Use the shipped table");
    case StartupChoice::Chooser:
        return Text::tr("Choose a table…");
    case StartupChoice::NoTable:
        break;
    }
    return Text::tr("Start without a table");
}

}  // namespace oralis
