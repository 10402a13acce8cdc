// What the user chose and the program remembers from one run to the next:
// the language, window places, the practice's list, count and close-up. One file,
// $XDG_CONFIG_HOME/oralis/oralis.conf (by default ~/.config/oralis/).
#pragma once

#include <QString>
#include <QVariant>

namespace oralis {

// The keys, so that no two places spell one differently.
namespace setting {
inline const QString kPracticeList = QStringLiteral("practice/list");
inline const QString kPracticeCount = QStringLiteral("practice/count");
inline const QString kPracticeCloseUp = QStringLiteral("practice/closeUp");
inline const QString kStudyCloseUp = QStringLiteral("study/closeUp");
// "ja" or "en"; none follows the system.
inline const QString kLanguage = QStringLiteral("language");
// Where the user left the window named `objectName`.
QString WindowPlace(const QString& objectName);
}  // namespace setting

QString UserSettingsPath();

// The value kept under `key`, or `fallback` when none is (or the file cannot
// be read).
QVariant ReadSetting(const QString& key, const QVariant& fallback = {});

// Keeps `value` under `key` (a null value removes the key) and writes the file
// at once. False, with the reason, when it cannot be written: the value then
// holds for this run alone.
bool WriteSetting(const QString& key, const QVariant& value, QString* whyNot = nullptr);

}  // namespace oralis
