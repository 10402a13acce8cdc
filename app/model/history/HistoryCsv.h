// A learner's attempts as a CSV file for the teacher's spreadsheet.
#pragma once

#include "model/History.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace oralis::history {

struct AttemptRow {
    QString learner;
    QDateTime at;
    QString list;
    QString word;  // as the list shows it
    QString reading;
    QString answer;
    Verdict verdict = Verdict::Skipped;
    int replays = 0;
    QString speed;
};

// UTF-8 with a byte-order mark (spreadsheet programs on Japanese systems
// take a file without one for CP932), CR LF line ends, a header line, then
// one line per attempt: the learner when `withLearner` (a whole class's
// file), date (local time), list, word, reading, answer, verdict, replays,
// speed. A field holding a comma, a quote or a line break
// is quoted, its quotes doubled; a text that a spreadsheet would take for a
// formula (starting with =, +, -, @) gets a leading apostrophe, so a typed
// answer can never run as one.
QByteArray AttemptsCsv(const std::vector<AttemptRow>& rows, bool withLearner = false);

// The verdict as the teacher reads it: "correct", "looks the same", "wrong", "skipped".
QString VerdictWord(Verdict verdict);

}  // namespace oralis::history
