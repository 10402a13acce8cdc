// The quiz word list "JSLdefault.txt": one word a line, its half-width
// katakana reading, a comma, and the text as it is normally written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace oralis {

inline const QString kWordListName = QStringLiteral("JSLdefault.txt");
constexpr int kMaxWords = 32767;

struct WordList {
    QStringList readings;
    QStringList displays;  // parallel to readings
    int skippedLines = 0;  // lines without a reading or a display text
    bool cut = false;      // the list held more than kMaxWords words

    int size() const { return static_cast<int>(readings.size()); }
};

// Words of a list file's bytes, UTF-8 or CP932 (told apart per file). The list
// ends at the first empty line; fields follow comma-separated text rules
// (double quotes may hold commas, blanks around a field are dropped). Lines
// lacking either field are skipped and counted; words past kMaxWords are cut.
WordList ParseWordList(const QByteArray& bytes);

// The places the list is looked for, in order: the current folder, the user's
// data folder, then the shipped places (WordListPlaces).
QStringList WordListCandidates();

// The word lists shipped with the program, in the first shipped data folder
// (ShippedDataFolders) that holds any: JSLdefault.txt, then the themed and
// graded ones of its lists/ folder by name. Empty when there are none.
QStringList ShippedWordLists(const QString& programFolder);

// Reads the first of `paths` that exists, as a regular file (ReadRegularFile).
// False, with `path` empty, when none exists, or when the first that exists
// cannot be read, `whyNot` then saying why; a list read may still hold no word.
bool LoadWordList(const QStringList& paths, WordList& list, QString* path = nullptr, QString* whyNot = nullptr);

// The word a uniform value r in [0, 1) picks out of n words: floor(n x r),
// kept inside 0..n-1.
int ChooseWordIndex(int n, double r);

}  // namespace oralis
