#include "model/WordList.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "model/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

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

}  // namespace

WordList ParseWordList(const QByteArray& bytes)
{
    WordList list;
    const QString text = DecodeText(bytes);  // the same choice of encoding as for tables
    const QStringView all(text);
    // The line end of the last line ends it; it starts no empty line.
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        start = end + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (std::all_of(line.cbegin(), line.cend(), IsBlank))
            break;
        const QStringList fields = SplitFields(line);
        if (fields.size() < 2 || fields[0].isEmpty() || fields[1].isEmpty()) {
            ++list.skippedLines;
            continue;
        }
        if (list.size() == kMaxWords) {
            list.cut = true;
            break;
        }
        list.readings.append(fields[0]);
        list.displays.append(fields[1]);
    }
    return list;
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
        if (!ReadRegularFile(candidate, bytes, whyNot))
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
