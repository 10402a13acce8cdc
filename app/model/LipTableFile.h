// The lip position table file: a header record per sign and a record per frame,
// 21 comma-separated fields each.
#pragma once

#include "model/ProgramState.h"
#include "model/RegularFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace oralis {

// Fields per record, header and frame alike; the reader reads this many.
constexpr int CsvFieldCount = 21;

// Reads `path` into `table`. Returns -1 on success, with the table then holding
// no unsaved changes; 0 on failure. On failure `table` is left exactly as it
// was and `whyNot` (when given) says why, with the line number where the
// reader stopped. Signs are known by their numbers wherever they stand; a
// number that comes twice, or a file cut off before its last frame ends, is
// refused. SignCount becomes the highest sign number read plus one. Only a
// regular file of at most 1 GiB is read, a piece at a time; it may be UTF-8
// (with or without BOM) or CP932 (DetectTextEncoding), not UTF-16.
// `progress` is called now and then with the bytes read, the last time with
// the file's size; when it returns false the load stops with the reason
// "Loading was cancelled".
int16_t LoadLipTable(const QString& path, SignTable& table, QString* whyNot = nullptr,
                     const ProgressFn& progress = {});

// The same reader over bytes already in memory (for tests and the fuzzer),
// handed over in pieces of a few dozen bytes.
int16_t LoadLipTableFromBytes(const QByteArray& bytes, SignTable& table, QString* whyNot = nullptr,
                              const ProgressFn& progress = {});

// The file's bytes for signs 0..SignCount-1, CR LF line ends: CP932, unless
// CP932 cannot carry some name back as it is, then UTF-8 with a byte-order mark.
QByteArray FormatLipTable(const SignTable& table);

// Writes the table to `path` (AtomicFile), in ascending sign order, a piece at
// a time. Returns false and says why
// when it cannot; an existing file is then untouched. When the table had to
// be written in UTF-8, `notice` names the signs that made it so, for telling
// the user; otherwise it is emptied. `progress` as for loading; a cancelled
// save keeps the old file.
bool SaveLipTable(const QString& path, const SignTable& table, QString* whyNot = nullptr,
                  QString* notice = nullptr, const ProgressFn& progress = {});

}  // namespace oralis
