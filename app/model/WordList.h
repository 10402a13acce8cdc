// The quiz word list "JSLdefault.txt": one word a line, its half-width
// katakana reading, a comma, and the text as it is normally written.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace oralis {

inline const QString kWordListName = QStringLiteral("JSLdefault.txt");
constexpr int kMaxWords = 32767;
// A list of the most words, with long readings and texts, is well below this;
// anything larger is not a word list and is refused before it is read.
constexpr qint64 kMaxWordListSize = qint64(16) << 20;

// Why a line of a list gave no word.
enum class SkipReason { NoReading, NoText, Unplayable };

struct SkippedLine {
    int line = 0;  // from 1
    SkipReason reason = SkipReason::NoReading;
    QString reading;  // as the line gives it
    QString display;  // the line's text, when it has one
};

struct WordList {
    QStringList readings;  // half-width katakana, each one the syllable parser accepts
    QStringList displays;  // parallel to readings
    int skippedLines = 0;  // lines that gave no word
    std::vector<SkippedLine> firstSkipped;  // the first kNamedSkips of them
    bool cut = false;      // the list held more than kMaxWords words

    int size() const { return static_cast<int>(readings.size()); }
};

// How many skipped lines a list keeps, and a notice names.
constexpr int kNamedSkips = 3;

// Words of a list file's bytes, UTF-8, CP932 or UTF-16 (DecodeText). The list
// ends at the first empty line; fields follow comma-separated text rules
// (double quotes may hold commas, blanks around a field are dropped). Readings
// in kana of either width are taken as half-width katakana. Lines lacking
// either field, and words whose reading cannot be played (ParseKana refuses
// it), are skipped and counted; words past kMaxWords are cut.
WordList ParseWordList(const QByteArray& bytes);

// What the user should hear once about a list read from `path`: the lines
// it skipped (how many, the first few with their reasons) and how many words
// were taken from a list that was cut. Empty when the list was read whole.
QString WordListNotice(const WordList& list, const QString& path);

// Tells each list file's notice once: the quiz and the practice load a list
// again at every start, and a learner needs to hear about its lines only once.
class WordListNotices {
public:
    // WordListNotice the first time `path` comes with one; empty after that.
    QString once(const WordList& list, const QString& path);

private:
    QSet<QString> told_;
};

// The places the list is looked for, in order: the current folder, the user's
// data folder, then the shipped places (WordListPlaces).
QStringList WordListCandidates();

// The word lists shipped with the program, in the first shipped data folder
// (ShippedDataFolders) that holds any: JSLdefault.txt, then the themed and
// graded ones of its lists/ folder by name. Empty when there are none.
QStringList ShippedWordLists(const QString& programFolder);

// The name a list chooser shows for the list file at `path`: a list shipped
// with the program (one of ShippedWordLists) by the name of its theme or
// level in the user's language (食べ物, 初級の単語 …), any other by its file
// name without ".txt".
QString WordListTitle(const QString& path, const QString& programFolder);

// The same for a list kept by its file name without ".txt" (as the history
// keeps the lists practised): a shipped list's name in the user's language,
// any other name as it is.
QString ShippedListTitle(const QString& name);

// Reads the first of `paths` that exists, as a regular file of at most
// kMaxWordListSize (ReadRegularFile). False, with `path` empty, when none
// exists, or when the first that exists cannot be read or is too large,
// `whyNot` then saying why (with its size); a list read may still hold no word.
bool LoadWordList(const QStringList& paths, WordList& list, QString* path = nullptr, QString* whyNot = nullptr);

// The word a uniform value r in [0, 1) picks out of n words: floor(n x r),
// kept inside 0..n-1.
int ChooseWordIndex(int n, double r);

}  // namespace oralis
