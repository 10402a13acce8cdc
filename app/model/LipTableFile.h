// The lip position table file: a header record per sign and a record per frame,
// 21 comma-separated fields each.
#pragma once

#include "model/ProgramState.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace oralis {

// Reads `path` into `table`. Returns -1 on success, with the table then holding
// no unsaved changes; 0 on failure. On failure `table` is left exactly as it
// was and `whyNot` (when given) says why, with the line number where the
// reader stopped. The file may be UTF-8 (with or without BOM) or CP932.
int16_t LoadLipTable(const QString& path, SignTable& table, QString* whyNot = nullptr);

// The same reader over bytes already in memory (for tests and the fuzzer).
int16_t LoadLipTableFromBytes(const QByteArray& bytes, SignTable& table, QString* whyNot = nullptr);

// The file's bytes for signs 0..SignCount-1: CP932, CR LF line ends.
QByteArray FormatLipTable(const SignTable& table);

// Writes the table to `path` through a temporary file renamed into place.
// Returns false and says why when it cannot; an existing file is then untouched.
bool SaveLipTable(const QString& path, const SignTable& table, QString* whyNot = nullptr);

}  // namespace oralis
