#include "model/UserSettings.h"

#include "model/Refusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace oralis {

QString setting::WindowPlace(const QString& objectName)
{
    return QStringLiteral("windows/%1").arg(objectName);
}

QString UserSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/oralis/oralis.conf");
}

QVariant ReadSetting(const QString& key, const QVariant& fallback)
{
    // Qt keeps one parsed copy of the file per path for the whole process,
    // so asking often costs little.
    return QSettings(UserSettingsPath(), QSettings::IniFormat).value(key, fallback);
}

bool WriteSetting(const QString& key, const QVariant& value, QString* whyNot)
{
    QSettings settings(UserSettingsPath(), QSettings::IniFormat);
    if (value.isNull())
        settings.remove(key);
    else
        settings.setValue(key, value);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    return Refuse(whyNot, QCoreApplication::translate("oralis::UserSettings", "Settings cannot be written to %1")
                              .arg(QDir::toNativeSeparators(UserSettingsPath())));
}

}  // namespace oralis
