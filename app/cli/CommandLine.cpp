#include "cli/CommandLine.h"

#include "Version.h"
#include "model/KanaParser.h"
#include "model/MecabReading.h"
#include "model/NumberReading.h"
#include "model/RegularFile.h"
#include "model/TextFile.h"
#include "model/WordList.h"
#include "model/WordListFile.h"
#include "playback/Playback.h"

#include <QCoreApplication>
#include <algorithm>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::CommandLine)
};

// A text as one field of a tab-separated line.
QString Field(QString text)
{
    return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

QString Usage()
{
    return Text::tr("Usage: oralis [--reading TEXT... | --check-list FILE | --help | --version]\n");
}

QString Help()
{
    return Usage() + Text::tr("\n"
                        "Without options, opens the lip-reading trainer's window.\n"
                        "\n"
                        "  --reading TEXT...   for each text: the text, its reading as the word box\n"
                        "                      reads it and the signs it plays, tab-separated; a text\n"
                        "                      that cannot be read gets its reason instead\n"
                        "  --check-list FILE   lists each line of a word list whose reading cannot be\n"
                        "                      played or is not the spoken reading of its text: line\n"
                        "                      number, line, and the line as it should be\n"
                        "  --help              shows this help\n"
                        "  --version           shows the version\n"
                        "\n"
                        "Exit status: 0 when all is well, 1 when a text cannot be read or the list\n"
                        "has faults, 2 when the command line is wrong or the list cannot be read.\n");
}

// The signs a reading plays, after the rest, or empty with the reason.
std::optional<QStringList> SignsOf(const QString& reading, QString* whyNot)
{
    Syllables s;
    ParseFailure why = ParseFailure::None;
    if (ParseKana(reading, s, &why) != -1) {
        *whyNot = ParseRefusalMessage(why);
        return std::nullopt;
    }
    QStringList signs;
    for (int e = 1; e < s.SyllableCount; ++e)
        signs << QString::number(SignForEntry(s.SyllableClass[static_cast<size_t>(e)],
                                              s.SyllableVowel[static_cast<size_t>(e)]));
    return signs;
}

int PrintReadings(const QStringList& texts, QTextStream& out, MecabReader& mecab)
{
    int status = 0;
    for (const QString& text : texts) {
        const TextReading r = ReadTypedText(text, [&mecab](const QString& rest) { return mecab.reading(rest); });
        QString why = r.refusal;
        std::optional<QStringList> signs;
        if (r.reading)
            signs = SignsOf(*r.reading, &why);
        else if (why.isEmpty())
            why = mecab.unavailable() ? mecab.failure() : Text::tr("no kana reading");
        if (!signs)
            status = 1;
        out << Field(text) << u'\t' << r.reading.value_or(QString()) << u'\t'
            << (signs ? signs->join(u' ') : Field(why)) << u'\n';
    }
    return status;
}

// What a line with `reading` and `display` should be, or empty when it is right.
// False when MeCab cannot be used.
bool Judge(const QString& reading, const QString& display, MecabReader& mecab, QString& should)
{
    QString whyNot;
    const bool plays = SignsOf(reading, &whyNot).has_value();
    QStringList common;
    QStringList each;
    bool first = true;
    for (const QString& part : display.split(u'・')) {
        const SpokenText spoken = SpokenReadingsOfText(part, mecab);
        if (mecab.unavailable())
            return false;
        if (spoken.readings.isEmpty()) {
            should = plays ? QString() : whyNot;
            return true;
        }
        each << part + u' ' + spoken.readings.first();
        if (first)
            common = spoken.readings;
        else
            common.removeIf([&](const QString& r) { return !spoken.readings.contains(r); });
        first = false;
    }
    if (common.isEmpty())
        should = Text::tr("the texts joined by ・ read differently: %1").arg(each.join(QStringLiteral(", ")));
    else if (!common.contains(reading))
        should = SignsOf(common.first(), &whyNot) ? WordListLine(common.first(), display) : whyNot;
    else
        should = plays ? QString() : whyNot;
    return true;
}

int CheckList(const QString& path, QTextStream& out, QTextStream& err, MecabReader& mecab)
{
    QByteArray bytes;
    QString whyNot;
    if (!ReadRegularFile(path, bytes, &whyNot, {}, kMaxWordListSize)) {
        err << whyNot << u'\n';
        return 2;
    }
    const ListCheck check = CheckWordList(bytes, mecab);
    if (!check.checked) {
        err << Text::tr("%1 cannot be checked: %2").arg(path, check.whyNot) << u'\n';
        return 2;
    }
    for (const ListFault& f : check.faults)
        out << f.line << u'\t' << Field(f.text) << u'\t' << Field(f.should) << u'\n';
    err << Text::tr("%1: %2 words, %3 lines to mend").arg(path).arg(check.words).arg(check.faults.size()) << u'\n';
    return check.faults.isEmpty() ? 0 : 1;
}

}  // namespace

bool IsCommandLine(const QStringList& args)
{
    return !args.isEmpty() && (args[0].startsWith(QStringLiteral("--")) || args[0] == u"-h");
}

int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err, MecabReader& mecab)
{
    const QString option = args.value(0);
    if (option == u"--help" || option == u"-h") {
        out << Help();
        return 0;
    }
    if (option == u"--version") {
        out << QStringLiteral("oralis %1\n").arg(QLatin1String(kOralisVersion));
        return 0;
    }
    if (option == u"--reading" && args.size() > 1)
        return PrintReadings(args.mid(1), out, mecab);
    if (option == u"--check-list" && args.size() == 2)
        return CheckList(args[1], out, err, mecab);
    if (option == u"--reading" || option == u"--check-list")
        err << Text::tr("%1: wrong number of arguments").arg(option) << u'\n';
    else
        err << Text::tr("unknown option %1").arg(option) << u'\n';
    err << Usage();
    return 2;
}

ListCheck CheckWordList(const QByteArray& bytes, MecabReader& mecab)
{
    ListCheck check;
    const QStringList lines = DecodeText(bytes).split(u'\n');
    // A line end ends the last line; it starts no empty line.
    const qsizetype count = lines.size() - (lines.last().isEmpty() ? 1 : 0);
    for (qsizetype i = 0; i < count; ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int number = static_cast<int>(i) + 1;
        if (std::all_of(line.cbegin(), line.cend(), IsBlank)) {
            qsizetype after = 0;
            for (qsizetype j = i + 1; j < count; ++j)
                if (!std::all_of(lines[j].cbegin(), lines[j].cend(), [](QChar c) { return IsBlank(c) || c == u'\r'; }))
                    ++after;
            if (after > 0)
                check.faults.append({number, line, Text::tr("the list ends at this empty line: the %1 lines after it are never read").arg(after)});
            break;
        }
        // One line read alone, as UTF-8, is read as the list reads it.
        WordList word = ParseWordList(QByteArray("\xEF\xBB\xBF") + line.toUtf8());
        // A reading that cannot be played is judged all the same, so that the
        // line gets the reading its text should have.
        if (word.size() == 0 && !word.firstSkipped.empty() && word.firstSkipped[0].reason == SkipReason::Unplayable) {
            word.readings << word.firstSkipped[0].reading;
            word.displays << word.firstSkipped[0].display;
        }
        if (word.size() == 0) {
            check.faults.append({number, line, Text::tr("no reading or no text: the quiz skips this line")});
            continue;
        }
        if (check.words == kMaxWords) {
            check.faults.append({number, line, Text::tr("more than %1 words: the quiz reads no further").arg(kMaxWords)});
            break;
        }
        ++check.words;
        QString should;
        if (!Judge(word.readings[0], word.displays[0], mecab, should)) {
            check.whyNot = mecab.failure();
            return check;
        }
        if (!should.isEmpty())
            check.faults.append({number, line, should});
    }
    check.checked = true;
    return check;
}

}  // namespace oralis
