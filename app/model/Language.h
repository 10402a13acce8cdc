// The language the program speaks: Japanese, or its source texts (English,
// with the Japanese captions the windows have always had). It follows the
// user's locale unless the user chose one under ヘルプ; a choice holds from
// the next start.
#pragma once

#include <QString>
#include <QStringList>

namespace oralis {

enum class LanguageChoice { System, Japanese, English };

// The choice kept in the user's settings; System when none is kept.
LanguageChoice StoredLanguageChoice();
// Keeps `choice` for the next start. False, with the reason, when the
// settings cannot be written.
bool StoreLanguageChoice(LanguageChoice choice, QString* whyNot = nullptr);

// Whether the program speaks Japanese: as chosen, or, following the system,
// when the first of the user's languages (QLocale::uiLanguages, from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the program has, Japanese or
// English, is Japanese.
bool SpeaksJapanese(LanguageChoice choice, const QStringList& uiLanguages);

// SpeaksJapanese for the stored choice and the system's languages.
bool SpeaksJapanese();

// Puts the application into Japanese or leaves it in its source texts: the
// program's translation (oralis_ja.qm, from the first of TranslationFolders
// that holds it), Qt's own (qtbase_ja.qm, for the standard buttons), and the
// C library's messages, which carry the system's reasons for a failed load
// or save, in the same language. Needs the application object. Returns the
// translations that could not be loaded, for telling on stderr; the program
// then shows their source texts.
QStringList UseLanguage(bool japanese, const QString& programFolder);

// Whether the last UseLanguage put the program into Japanese.
bool JapaneseInUse();

}  // namespace oralis
