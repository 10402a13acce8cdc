#include "model/WordListFile.h"

#include "model/DataPlaces.h"
#include "model/Refusal.h"
#include "model/RegularFile.h"
#include "model/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::WordListFile)
};

// A field as the reader reads it back: unquoted fields lose blanks at either
// end and end at a comma; a quote opens a quoted field.
QString Field(const QString& field)
{
    const bool plain = !field.isEmpty() && !field.contains(u',') && !field.contains(u'"') &&
        !IsBlank(field.front()) && !IsBlank(field.back());
    if (plain)
        return field;
    QString quoted = field;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString TextOf(const WordList& list)
{
    QString text;
    for (int i = 0; i < list.size(); ++i)
        text += WordListLine(list.readings[i], list.displays[i]) + QStringLiteral("\r\n");
    return text;
}

bool ReadsBackAs(const QByteArray& bytes, const WordList& list)
{
    const WordList back = ParseWordList(bytes);
    return back.readings == list.readings && back.displays == list.displays && back.skippedLines == 0;
}

QString Utf8Notice(const QStringList& words)
{
    constexpr qsizetype kNamed = 3;
    QStringList named;
    for (qsizetype i = 0; i < std::min(words.size(), kNamed); ++i)
        named << Quoted(words[i]);
    QString list = named.join(QStringLiteral(", "));
    if (words.size() > kNamed)
        list = Text::tr("%1 and %2 more").arg(list).arg(words.size() - kNamed);
    return Text::tr("Saved as UTF-8: Shift-JIS cannot hold %1").arg(list);
}

}  // namespace

QString WordListLine(const QString& reading, const QString& text)
{
    return Field(reading) + u',' + Field(text);
}

QString WordListUnwritable(const WordList& list)
{
    if (list.size() == 0)
        return Text::tr("The list holds no word");
    if (list.size() > kMaxWords)
        return Text::tr("A list holds at most %1 words").arg(kMaxWords);
    const auto breaks = [](const QString& s) { return s.contains(u'\n') || s.contains(u'\r'); };
    for (int i = 0; i < list.size(); ++i) {
        const QString& reading = list.readings[i];
        const QString& text = list.displays[i];
        if (reading.isEmpty())
            return Text::tr("Word %1 (%2) has no reading").arg(i + 1).arg(Quoted(text));
        if (text.isEmpty())
            return Text::tr("Word %1 (%2) has no text").arg(i + 1).arg(reading);
        if (breaks(reading) || breaks(text))
            return Text::tr("Word %1 (%2) holds a line break").arg(i + 1).arg(Quoted(text));
    }
    return {};
}

QByteArray FormatWordList(const WordList& list, QStringList* utf8Words)
{
    if (utf8Words)
        utf8Words->clear();
    const QString text = TextOf(list);
    // Half-width katakana in CP932 may happen to be valid UTF-8, and the
    // reader would take them so: only bytes that read back as they were will do.
    if (const std::optional<QByteArray> cp932 = EncodeCp932(text); cp932 && ReadsBackAs(*cp932, list))
        return *cp932;
    if (utf8Words) {
        for (int i = 0; i < list.size(); ++i)
            if (!EncodeCp932(list.displays[i]) || !EncodeCp932(list.readings[i]))
                *utf8Words << list.displays[i];
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool SaveWordList(const QString& path, const WordList& list, QString* whyNot, QString* notice)
{
    const auto fail = [&](const QString& reason) {
        return Refuse(whyNot, Text::tr("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), reason));
    };
    if (notice)
        notice->clear();
    if (const QString unwritable = WordListUnwritable(list); !unwritable.isEmpty())
        return fail(unwritable);
    QStringList utf8Words;
    const QByteArray bytes = FormatWordList(list, &utf8Words);
    if (!ReadsBackAs(bytes, list))
        return fail(Text::tr("the list would not read back as it is"));
    QString reason;
    if (!WriteFileAtomically(path, bytes, &reason))
        return fail(reason);
    if (notice && bytes.startsWith("\xEF\xBB\xBF"))
        *notice = utf8Words.isEmpty() ? Text::tr("Saved as UTF-8, so that it reads back as it is")
                                      : Utf8Notice(utf8Words);
    return true;
}

QString UserListsFolder(const QString& userFolder)
{
    return userFolder + QStringLiteral("lists/");
}

QStringList UserWordLists(const QString& userFolder)
{
    const QDir lists(UserListsFolder(userFolder));
    QStringList found;
    for (const QString& name : lists.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        found << lists.filePath(name);
    return found;
}

QStringList ChoosableWordLists(const QString& programFolder, const QString& userFolder)
{
    return ShippedWordLists(programFolder) + UserWordLists(userFolder);
}

std::optional<QString> ListSaveFolder(const QString& userFolder)
{
    const QString folder = UserListsFolder(userFolder);
    if (!QDir().mkpath(folder))
        return std::nullopt;
    return folder;
}

}  // namespace oralis
