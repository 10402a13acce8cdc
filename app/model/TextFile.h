// The bytes of a text file as text: UTF-8, CP932 and UTF-16 told apart per
// file by one rule, decoded, and encoded back to CP932; and text quoted short
// for messages.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <optional>

namespace oralis {

// A blank in a word list or in typed text: space, tab or the ideographic
// space a Japanese input method types (a table's fields skip fewer: IsCsvBlank).
inline bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

enum class TextEncoding { Utf8, Cp932, Utf16Le, Utf16Be };

// How a text file's bytes are read, told from bytes given a piece at a time,
// so that a reader need not hold the whole file:
// - a byte-order mark names its encoding (UTF-8, UTF-16 of either order);
// - bytes holding a NUL are UTF-16, since no UTF-8 or CP932 text holds one:
//   little-endian when more NULs stand at odd offsets than at even ones;
// - valid UTF-8 holding Japanese text (U+3000..U+9FFF, U+FF00..U+FFEF) is UTF-8;
// - otherwise CP932 when it decodes without error, then UTF-8 when that is
//   valid, else CP932 with its errors replaced. Japanese half-width katakana
//   in CP932 often happen to be valid UTF-8 too, hence the order.
// Only bytes from 0x80 up tell UTF-8 and CP932 apart, and a table of hundreds
// of megabytes is mostly digits and commas, so only those bytes (and the one
// after each run of them, which may be a CP932 trail byte) are decoded.
class TextEncodingDetector {
public:
    TextEncodingDetector();
    void feed(QByteArrayView bytes);
    // The encoding of the bytes fed so far; once asked, no more may be fed.
    TextEncoding result();

private:
    void decodeRun(QByteArrayView run);

    QByteArray head_;  // the first bytes, for a byte-order mark
    qint64 offset_ = 0;
    qint64 evenNuls_ = 0;
    qint64 oddNuls_ = 0;
    bool inRun_ = false;  // the last byte fed was from 0x80 up
    bool anyRun_ = false;
    bool japaneseUtf8_ = false;
    QStringDecoder utf8_;
    QStringDecoder cp932_;
};

TextEncoding DetectTextEncoding(QByteArrayView bytes);

// How many bytes at the start of `bytes` are the byte-order mark of `encoding`.
qsizetype ByteOrderMarkSize(QByteArrayView bytes, TextEncoding encoding);

// The text of a file's bytes in the encoding DetectTextEncoding chooses, with
// the byte-order mark and any trailing Ctrl-Z end-of-file marks dropped; a
// byte that cannot be decoded becomes U+FFFD.
QString DecodeText(QByteArrayView bytes);

// `bytes` in `encoding`, as they are (a byte-order mark is decoded too);
// a byte that cannot be decoded becomes U+FFFD.
QString DecodeAs(QByteArrayView bytes, TextEncoding encoding);

// `text` in CP932 (ASCII kept as it is, as Windows has it), or empty when
// the bytes would not read back as exactly `text`.
std::optional<QByteArray> EncodeCp932(QStringView text);

// A field or name as a message quotes it: blanks and line breaks folded, at
// most kMaxQuoted characters, an ellipsis "…" where it was cut, so that a
// message never grows with the data it complains about.
constexpr qsizetype kMaxQuoted = 40;
QString Quoted(QStringView text);

}  // namespace oralis
