// The word list editor's rules: which words may go into a list, their order,
// which of them look the same on the lips, and saving. The window shows what
// this holds and forwards the teacher's input; nothing here needs a window.
#pragma once

#include "model/MecabReading.h"
#include "model/ProgramState.h"
#include "model/WordList.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace oralis {

// How one word of the list looks beside the others.
struct ListWordLook {
    int group = 0;      // 0: like no other word; words alike share 1, 2, ... (by first word)
    QList<int> alike;   // the other words that look the same, in list order
    QString unplayable; // why its reading cannot be played; empty when it can
};

// The readings offered for a word typed into the editor, best first, as a
// list should hold them (SpokenReadingsOfText); where MeCab cannot be used,
// kana and romaji still read as themselves. Empty, with `whyNot`, when the
// text has none. Uses nothing but `mecab`, so it may run on another thread
// that owns its own reader.
SpokenText ProposedReadings(QStringView text, MecabReader& mecab);

class WordListEditor {
public:
    explicit WordListEditor(const SignTable& table) : table_(table) {}

    // A new list: no word, no file.
    void clear();
    // The words of a list read from `path`, as they are, none of them unsaved.
    void open(const WordList& list, const QString& path);

    // Adds `text` read as `reading` (kana of either width, or romaji; kept as
    // half-width katakana) after the last word. Empty when added; otherwise
    // the reason, and nothing changes: no text, a line break, no reading, a
    // reading the parser refuses (the message it gives), the same word and
    // reading already in the list, or a full list.
    QString add(const QString& text, const QString& reading);
    // A corrected reading for word `row`, checked as add checks it.
    QString setReading(int row, const QString& reading);
    // False when `row` is outside the list.
    bool remove(int row);
    // Moves word `from` to place `to`; false when either is outside the list.
    bool move(int from, int to);

    const WordList& words() const { return words_; }
    int size() const { return words_.size(); }
    const QString& path() const { return path_; }
    bool modified() const { return modified_; }

    // Which words look the same, at the step counts of `speedText` (one per
    // word). Empty, with the reason, when the speed gives no step base or the
    // table has no rest shape.
    std::optional<std::vector<ListWordLook>> looks(QStringView speedText, QString* whyNot = nullptr) const;

    // Writes the list to `path` (SaveWordList). On success the list belongs
    // to `path` and holds no unsaved change; on failure nothing changes and
    // `whyNot` says why. `notice` as SaveWordList gives it.
    bool save(const QString& path, QString* whyNot = nullptr, QString* notice = nullptr);

private:
    // The reading as stored, or empty with the reason in `whyNot`.
    std::optional<QString> checkedReading(const QString& reading, QString& whyNot) const;
    bool holds(const QString& text, const QString& reading, int except) const;

    const SignTable& table_;
    WordList words_;
    QString path_;
    bool modified_ = false;
};

}  // namespace oralis
