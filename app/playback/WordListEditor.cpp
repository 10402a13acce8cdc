#include "playback/WordListEditor.h"

#include "model/KanaParser.h"
#include "model/KanaReading.h"
#include "model/TextFile.h"
#include "model/WordListFile.h"
#include "playback/LipPattern.h"
#include "playback/Playback.h"

#include <QCoreApplication>
#include <map>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::WordListEditor)
};

QString Trimmed(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && IsBlank(text[from]))
        ++from;
    while (to > from && IsBlank(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

}  // namespace

SpokenText ProposedReadings(QStringView text, MecabReader& mecab)
{
    const QString trimmed = Trimmed(text.toString());
    if (trimmed.isEmpty())
        return {};
    SpokenText spoken = SpokenReadingsOfText(trimmed, mecab);
    if (spoken.readings.isEmpty() && mecab.unavailable()) {
        if (const std::optional<QString> own = OwnReading(trimmed); own && !own->isEmpty())
            return {{*own}, QString()};
    }
    return spoken;
}

void WordListEditor::clear()
{
    words_ = WordList();
    path_.clear();
    modified_ = false;
}

void WordListEditor::open(const WordList& list, const QString& path)
{
    words_ = list;
    path_ = path;
    modified_ = false;
}

std::optional<QString> WordListEditor::checkedReading(const QString& reading, QString& whyNot) const
{
    const std::optional<QString> own = OwnReading(reading);
    if (!own || own->isEmpty()) {
        whyNot = reading.trimmed().isEmpty() ? Text::tr("The word has no reading")
                                             : Text::tr("%1 is not a reading in kana or romaji").arg(Quoted(reading));
        return std::nullopt;
    }
    Syllables parsed;
    ParseFailure failure = ParseFailure::None;
    if (ParseKana(*own, parsed, &failure) != -1) {
        whyNot = ParseRefusalMessage(failure);
        return std::nullopt;
    }
    return own;
}

bool WordListEditor::holds(const QString& text, const QString& reading, int except) const
{
    for (int i = 0; i < words_.size(); ++i)
        if (i != except && words_.displays[i] == text && words_.readings[i] == reading)
            return true;
    return false;
}

QString WordListEditor::add(const QString& typed, const QString& reading)
{
    const QString text = Trimmed(typed);
    if (text.isEmpty())
        return Text::tr("Type the word first");
    if (text.contains(u'\n') || text.contains(u'\r'))
        return Text::tr("A word cannot hold a line break");
    if (words_.size() >= kMaxWords)
        return Text::tr("A list holds at most %1 words").arg(kMaxWords);
    QString why;
    const std::optional<QString> stored = checkedReading(reading, why);
    if (!stored)
        return why;
    if (holds(text, *stored, -1))
        return Text::tr("%1 (%2) is already in the list").arg(Quoted(text), *stored);
    words_.readings << *stored;
    words_.displays << text;
    modified_ = true;
    return {};
}

QString WordListEditor::setReading(int row, const QString& reading)
{
    if (row < 0 || row >= words_.size())
        return Text::tr("No word is chosen");
    QString why;
    const std::optional<QString> stored = checkedReading(reading, why);
    if (!stored)
        return why;
    if (*stored == words_.readings[row])
        return {};
    if (holds(words_.displays[row], *stored, row))
        return Text::tr("%1 (%2) is already in the list").arg(Quoted(words_.displays[row]), *stored);
    words_.readings[row] = *stored;
    modified_ = true;
    return {};
}

bool WordListEditor::remove(int row)
{
    if (row < 0 || row >= words_.size())
        return false;
    words_.readings.removeAt(row);
    words_.displays.removeAt(row);
    modified_ = true;
    return true;
}

bool WordListEditor::move(int from, int to)
{
    if (from < 0 || from >= words_.size() || to < 0 || to >= words_.size())
        return false;
    if (from == to)
        return true;
    words_.readings.move(from, to);
    words_.displays.move(from, to);
    modified_ = true;
    return true;
}

std::optional<std::vector<ListWordLook>> WordListEditor::looks(QStringView speedText, QString* whyNot) const
{
    const std::optional<PlaybackPlan> start = BeginPlan(table_, speedText, whyNot);
    if (!start)
        return std::nullopt;
    std::vector<ListWordLook> looks(static_cast<size_t>(words_.size()));
    std::map<std::vector<int>, QList<int>> byLook;
    QList<const QList<int>*> classes;  // in the order of their first word
    for (int i = 0; i < words_.size(); ++i) {
        QString why;
        const std::optional<LipPattern> p = PatternOfReading(words_.readings[i], table_, *start, &why);
        if (!p) {
            looks[static_cast<size_t>(i)].unplayable = why;
            continue;
        }
        QList<int>& same = byLook[LookKey(*p)];
        if (same.isEmpty())
            classes << &same;
        same << i;
    }
    int group = 0;
    for (const QList<int>* same : classes) {
        if (same->size() < 2)
            continue;
        ++group;
        for (int i : *same) {
            ListWordLook& look = looks[static_cast<size_t>(i)];
            look.group = group;
            for (int j : *same)
                if (j != i)
                    look.alike << j;
        }
    }
    return looks;
}

bool WordListEditor::save(const QString& path, QString* whyNot, QString* notice)
{
    if (!SaveWordList(path, words_, whyNot, notice))
        return false;
    path_ = path;
    modified_ = false;
    return true;
}

}  // namespace oralis
