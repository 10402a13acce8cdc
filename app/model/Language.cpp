#include "model/Language.h"

#include "model/DataPlaces.h"
#include "model/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace oralis {

namespace {

bool japaneseInUse = false;

// "ja", "ja-JP", "ja_JP.UTF-8": the language part of a locale name.
QString LanguageOf(const QString& name)
{
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).toLower();
}

// The C library names its locales with an underscore; some systems spell
// the codeset in lower case.
bool UseCMessages(const char* const* names)
{
    for (const char* const* name = names; *name; ++name)
        if (std::setlocale(LC_MESSAGES, *name))
            return true;
    return false;
}

bool Install(QTranslator* translator, const QString& file, const QString& folder)
{
    if (!translator->load(file, folder))
        return false;
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

LanguageChoice StoredLanguageChoice()
{
    const QString value = ReadSetting(setting::kLanguage).toString();
    if (value == QLatin1String("ja"))
        return LanguageChoice::Japanese;
    if (value == QLatin1String("en"))
        return LanguageChoice::English;
    return LanguageChoice::System;
}

bool StoreLanguageChoice(LanguageChoice choice, QString* whyNot)
{
    QVariant value;
    if (choice != LanguageChoice::System)
        value = choice == LanguageChoice::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
    return WriteSetting(setting::kLanguage, value, whyNot);
}

bool SpeaksJapanese(LanguageChoice choice, const QStringList& uiLanguages)
{
    if (choice != LanguageChoice::System)
        return choice == LanguageChoice::Japanese;
    for (const QString& name : uiLanguages) {
        const QString language = LanguageOf(name);
        if (language == QLatin1String("ja"))
            return true;
        // "C" and "POSIX" are the source texts, as English is.
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return false;
    }
    return false;
}

bool SpeaksJapanese()
{
    return SpeaksJapanese(StoredLanguageChoice(), QLocale::system().uiLanguages());
}

QStringList UseLanguage(bool japanese, const QString& programFolder)
{
    const bool systemJapanese = SpeaksJapanese(LanguageChoice::System, QLocale::system().uiLanguages());
    japaneseInUse = japanese;
    if (!japanese) {
        // The system's reasons in English too, as the rest of the message.
        if (systemJapanese) {
            static const char* const english[] = {"C.UTF-8", "C.utf8", "C", nullptr};
            UseCMessages(english);
        }
        return {};
    }

    QStringList missing;
    static const char* const japaneseNames[] = {"ja_JP.UTF-8", "ja_JP.utf8", nullptr};
    if (!(LanguageOf(QString::fromLatin1(std::setlocale(LC_MESSAGES, nullptr))) == QLatin1String("ja"))
        && !UseCMessages(japaneseNames))
        missing << QStringLiteral("ja_JP.UTF-8 (locale)");
    // LANGUAGE ranks the C library's message catalogues above the locale's.
    if (!qEnvironmentVariableIsEmpty("LANGUAGE"))
        qputenv("LANGUAGE", "ja");

    auto* app = QCoreApplication::instance();
    auto* own = new QTranslator(app);
    const QString ownFile = QStringLiteral("oralis_ja.qm");
    bool found = false;
    for (const QString& folder : TranslationFolders(programFolder)) {
        if (QFileInfo::exists(folder + ownFile) && Install(own, ownFile, folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        missing << TranslationFolders(programFolder).first() + ownFile;

    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!Install(new QTranslator(app), QStringLiteral("qtbase_ja.qm"), qtFolder))
        missing << QDir(qtFolder).filePath(QStringLiteral("qtbase_ja.qm"));
    return missing;
}

bool JapaneseInUse()
{
    return japaneseInUse;
}

}  // namespace oralis
