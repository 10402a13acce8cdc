#include "model/WordList.h"

#include "model/DataPlaces.h"
#include "model/KanaParser.h"
#include "model/KanaReading.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "model/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::WordList)
};

// The fields of one line: a field in double quotes keeps commas (and a doubled
// quote as a quote); blanks around a field are dropped.
QStringList SplitFields(QStringView line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && IsBlank(line[i]))
            ++i;
        QString field;
        if (i < n && line[i] == u'"') {
            ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < n && line[i] != u',')
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',')
                ++i;
            field = line.mid(start, i - start).toString();
            while (!field.isEmpty() && IsBlank(field.back()))
                field.chop(1);
        }
        fields.append(field);
        if (i >= n)
            break;
        ++i;  // the comma
    }
    return fields;
}

void Skip(WordList& list, int line, SkipReason reason, const QString& reading, const QString& display = {})
{
    if (list.skippedLines++ < kNamedSkips)
        list.firstSkipped.push_back({line, reason, reading, display});
}

}  // namespace

WordList ParseWordList(const QByteArray& bytes)
{
    WordList list;
    const QString text = DecodeText(bytes);  // the same choice of encoding as for tables
    const QStringView all(text);
    Syllables syllables;
    int number = 0;
    // The line end of the last line ends it; it starts no empty line.
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        start = end + 1;
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (std::all_of(line.cbegin(), line.cend(), IsBlank))
            break;
        const QStringList fields = SplitFields(line);
        const QString reading = fields[0];
        // Lists typed by hand often carry full-width katakana or hiragana.
        const QString halfWidth = KanaToHalfWidth(reading).value_or(reading);
        if (halfWidth.isEmpty()) {
            Skip(list, number, SkipReason::NoReading, reading);
            continue;
        }
        if (fields.size() < 2 || fields[1].isEmpty()) {
            Skip(list, number, SkipReason::NoText, reading);
            continue;
        }
        if (ParseKana(halfWidth, syllables) != -1) {
            Skip(list, number, SkipReason::Unplayable, reading, fields[1]);
            continue;
        }
        if (list.size() == kMaxWords) {
            list.cut = true;
            break;
        }
        list.readings.append(halfWidth);
        list.displays.append(fields[1]);
    }
    return list;
}

QString WordListNotice(const WordList& list, const QString& path)
{
    const QString name = Quoted(QFileInfo(path).fileName());
    QStringList parts;
    if (list.skippedLines > 0) {
        QStringList lines;
        for (const SkippedLine& skipped : list.firstSkipped) {
            switch (skipped.reason) {
            case SkipReason::NoReading:
                lines << Text::tr("line %1 has no reading").arg(skipped.line);
                break;
            case SkipReason::NoText:
                lines << Text::tr("line %1 has no text").arg(skipped.line);
                break;
            case SkipReason::Unplayable:
                lines << Text::tr("line %1 cannot be played (%2)").arg(skipped.line).arg(Quoted(skipped.reading));
                break;
            }
        }
        const int more = list.skippedLines - static_cast<int>(list.firstSkipped.size());
        if (more > 0)
            lines << Text::tr("and %1 more").arg(more);
        const QString named = lines.join(QStringLiteral(", "));
        parts << (list.skippedLines == 1 ? Text::tr("1 line of %1 was skipped: %2.").arg(name, named)
                                         : Text::tr("%1 lines of %2 were skipped: %3.")
                                               .arg(list.skippedLines)
                                               .arg(name, named));
    }
    if (list.cut)
        parts << Text::tr("Only the first %1 words of %2 were taken.").arg(list.size()).arg(name);
    return parts.join(QLatin1Char('\n'));
}

QString WordListNotices::once(const WordList& list, const QString& path)
{
    QString notice = WordListNotice(list, path);
    if (notice.isEmpty() || told_.contains(path))
        return QString();
    told_.insert(path);
    return notice;
}

QStringList ShippedWordLists(const QString& programFolder)
{
    for (const QString& folder : ShippedDataFolders(programFolder)) {
        QStringList found;
        if (QFileInfo(folder + kWordListName).isFile())
            found << folder + kWordListName;
        const QDir lists(folder + QStringLiteral("lists"));
        for (const QString& name : lists.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            found << lists.filePath(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString ShippedListTitle(const QString& name)
{
    struct Title {
        const char* name;  // the file name without ".txt", and the source text
        const char* comment;
    };
    // File names as source texts: without a translation the choosers show
    // the names they always have.
    static const Title shipped[] = {
        QT_TRANSLATE_NOOP3("oralis::WordLists", "JSLdefault", "the shipped list of every word and phrase"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "level1", "the shipped list of a beginner's first words"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "level2", "the shipped list of the other words"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "level3", "the shipped list of short phrases"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "level4", "the shipped list of longer sentences"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "greetings", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "family-and-home", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "food", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "shopping", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "time-and-numbers", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "places-and-directions", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "school-and-work", "a shipped list by theme"),
        QT_TRANSLATE_NOOP3("oralis::WordLists", "health-and-safety", "a shipped list by theme"),
    };
    for (const Title& t : shipped)
        if (name == QLatin1String(t.name))
            return QCoreApplication::translate("oralis::WordLists", t.name, t.comment);
    return name;
}

QString WordListTitle(const QString& path, const QString& programFolder)
{
    const QFileInfo file(path);
    const QString name = file.completeBaseName();
    const QString folder = WithTrailingSeparator(file.absolutePath());
    const QStringList places = ShippedDataFolders(programFolder);
    const bool isShipped = std::any_of(places.begin(), places.end(), [&folder](const QString& place) {
        const QString clean = WithTrailingSeparator(QDir::cleanPath(place));
        return folder == clean || folder == clean + QStringLiteral("lists/");
    });
    return isShipped && file.suffix() == QLatin1String("txt") ? ShippedListTitle(name) : name;
}

QStringList WordListCandidates()
{
    return WordListPlaces(WithTrailingSeparator(QDir::currentPath()), ProgramFolder(), UserDataFolder());
}

bool LoadWordList(const QStringList& paths, WordList& list, QString* path, QString* whyNot)
{
    list = WordList();
    if (path)
        path->clear();
    if (whyNot)
        whyNot->clear();
    for (const QString& candidate : paths) {
        // Only a missing list hands over to the next place; one that is there
        // but cannot be read is the user's to hear about.
        if (!QFileInfo::exists(candidate))
            continue;
        QByteArray bytes;
        if (!ReadRegularFile(candidate, bytes, whyNot, {}, kMaxWordListSize))
            return false;
        list = ParseWordList(bytes);
        if (path)
            *path = candidate;
        return true;
    }
    return false;
}

int ChooseWordIndex(int n, double r)
{
    if (n <= 0)
        return 0;
    const double index = std::floor(static_cast<double>(n) * r);
    return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(n - 1)));
}

}  // namespace oralis
