// Text files as the program reads and writes them: only regular files are
// read, and whole; a file is replaced only once its new bytes are safely on
// the disk; and UTF-8 and CP932 are told apart per file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

namespace oralis {

// Called now and then during long work with how far it has come (0..total);
// returning false asks the work to stop.
using ProgressFn = std::function<bool(qint64 done, qint64 total)>;

// No file the program reads is meant to be anywhere near this large.
constexpr qint64 kMaxReadableSize = qint64(1) << 30;
inline const QString kTooLargeReason = QStringLiteral("the file is larger than 1 GiB");
inline const QString kLoadCancelledReason = QStringLiteral("Loading was cancelled");
inline const QString kSaveCancelledReason = QStringLiteral("Saving was cancelled");

// Reads all of `path` into `bytes`. Never waits: anything but a regular file
// (a FIFO, a device, a folder, a link to one) is refused, as is a file over
// kMaxReadableSize. False with a reason naming the path on failure or when
// `progress` cancels; `bytes` is then empty.
bool ReadRegularFile(const QString& path, QByteArray& bytes, QString* whyNot = nullptr,
                     const ProgressFn& progress = {});

// Replaces `path` with `bytes`: they go to a temporary file in the same folder,
// every write and the flush to the disk are checked, and only then is the
// temporary renamed over `path`, which keeps its permission bits (a new file
// gets 0666 less the umask). False with the system's reason ("No space left on
// device", "File too large") when any step fails or `progress` cancels; the
// old file is then byte for byte what it was and no temporary is left.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* whyNot = nullptr,
                         const ProgressFn& progress = {});

// A blank in a word list or in typed text: space, tab or the ideographic
// space a Japanese input method types (a table's fields skip fewer: IsCsvBlank).
inline bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

enum class TextEncoding { Utf8, Cp932 };

// How a text file's bytes are read: a UTF-8 byte-order mark, or valid UTF-8
// holding Japanese text (U+3000..U+9FFF, U+FF00..U+FFEF), means UTF-8;
// otherwise CP932 when it decodes without error, then UTF-8 when that is
// valid, else CP932 with its errors replaced. Japanese half-width katakana in
// CP932 often happen to be valid UTF-8 too, hence the order.
TextEncoding DetectTextEncoding(QByteArrayView bytes);

// The text of a file's bytes in the encoding DetectTextEncoding chooses, with
// the byte-order mark and any trailing Ctrl-Z end-of-file marks dropped; a
// byte that cannot be decoded becomes U+FFFD. False only when `progress`
// cancels, `text` then being empty.
bool DecodeText(QByteArrayView bytes, QString& text, const ProgressFn& progress = {});
QString DecodeText(QByteArrayView bytes);

// `text` in CP932 (ASCII kept as it is, as Windows has it), or empty when
// the bytes would not read back as exactly `text`.
std::optional<QByteArray> EncodeCp932(QStringView text);

// A field or name as a message quotes it: blanks and line breaks folded, at
// most kMaxQuoted characters, an ellipsis "…" where it was cut, so that a
// message never grows with the data it complains about.
constexpr qsizetype kMaxQuoted = 40;
QString Quoted(QStringView text);

}  // namespace oralis
