#include "model/ProgramState.h"

#include <QCoreApplication>

namespace oralis {

Module1& Program()
{
    static Module1 state;
    return state;
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString ProgramFolder()
{
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

}  // namespace oralis
