// The command line for teachers: the readings of texts and the check of a
// word list, without a window or a display.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace oralis {

class MecabReader;

// Whether the arguments (the program's name left out) are for the command
// line rather than the window: an option of its own, or any other option
// spelled with "--", which it refuses.
bool IsCommandLine(const QStringList& args);

// Runs the command line and returns the exit status: 0 when every text was
// read or the list is clean; 1 when a text could not be read or the list has
// faults; 2 for a misused command line or a list that cannot be read or
// checked (the reason on `err`).
int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err, MecabReader& mecab);

// A line of a word list that the quiz or the practice would get wrong.
struct ListFault {
    int line = 0;    // from 1
    QString text;    // the line as it stands
    QString should;  // the line as it should be, or why it cannot be used
};

struct ListCheck {
    bool checked = false;  // false when the readings could not be checked: whyNot
    QString whyNot;
    int words = 0;
    QList<ListFault> faults;
};

// Reads a list's bytes as the quiz and the practice do and compares every
// line's reading with the spoken reading of its text (SpokenReadingsOfText;
// each of the texts joined by "・" must read so). Lines whose text has no
// reading are not judged unless their own reading cannot be played.
ListCheck CheckWordList(const QByteArray& bytes, MecabReader& mecab);

}  // namespace oralis
