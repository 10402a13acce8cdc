// Word lists as the program writes them, and where a teacher's own lists live.
// A list is written so that the quiz and the practice read back exactly the
// words that were saved (ParseWordList).
#pragma once

#include "model/WordList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace oralis {

// One line of a list, without its line end: the reading, a comma and the
// text, the text in double quotes (quotes doubled) when a comma, a quote or
// a blank at either end would otherwise change it on reading.
QString WordListLine(const QString& reading, const QString& text);

// Why `list` cannot be written so that it reads back as it is (an empty
// field, a line break in a text, more than kMaxWords words), naming the first
// word at fault; empty when it can.
QString WordListUnwritable(const WordList& list);

// A list's bytes, CR LF line ends: CP932 when every word reads back from it
// as it is, otherwise UTF-8 with a byte-order mark, `utf8Words` (when given)
// then naming the texts CP932 could not carry. Check WordListUnwritable first.
QByteArray FormatWordList(const WordList& list, QStringList* utf8Words = nullptr);

// Writes `list` to `path` (WriteFileAtomically). False, with the reason, when
// the list cannot be written or the save fails; the old file is then kept.
// When the list had to be written in UTF-8, `notice` says so and why, for
// telling the user; otherwise it is emptied.
bool SaveWordList(const QString& path, const WordList& list, QString* whyNot = nullptr,
                  QString* notice = nullptr);

// The folder of the user's own lists: "lists/" in the user's data folder.
QString UserListsFolder(const QString& userFolder);

// The lists saved there (*.txt), by name; empty when there are none.
QStringList UserWordLists(const QString& userFolder);

// What the list choosers offer: the shipped lists (ShippedWordLists), then
// the user's own (UserWordLists).
QStringList ChoosableWordLists(const QString& programFolder, const QString& userFolder);

// UserListsFolder, made when missing; empty when it cannot be made.
std::optional<QString> ListSaveFolder(const QString& userFolder);

}  // namespace oralis
