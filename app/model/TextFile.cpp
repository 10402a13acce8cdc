#include "model/TextFile.h"

#include <QStringEncoder>

#include <cstring>

namespace oralis {

namespace {

const char* const kCp932 = "windows-31j";

bool IsJapanese(char32_t c)
{
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool IsAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

// The first byte from `from` on that is not ASCII, or (when `orNul`) is a
// NUL; else the size. Eight bytes a step: tables are hundreds of megabytes
// of ASCII.
qsizetype FirstNonAscii(QByteArrayView bytes, qsizetype from, bool orNul = false)
{
    const qsizetype n = bytes.size();
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    constexpr uint64_t kLowBits = 0x0101010101010101u;
    for (; from + 8 <= n; from += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + from, sizeof word);
        if ((word & kHighBits) || (orNul && ((word - kLowBits) & ~word & kHighBits)))
            break;
    }
    while (from < n && IsAscii(bytes[from]) && !(orNul && bytes[from] == 0))
        ++from;
    return from;
}

// The system's CP932 is IBM's variant, which trades 0x1A, 0x1C and 0x7F
// around (0x1A reads as U+001C); Windows keeps them as they are. So ASCII
// stays ASCII here, and only the rest goes through the codec: each run of
// bytes from 0x80 up with the byte after it, which may be a trail byte.
// A byte the codec cannot decode becomes U+FFFD.
void AppendCp932(QString& text, QByteArrayView bytes)
{
    std::optional<QStringDecoder> cp932;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype j = FirstNonAscii(bytes, i);
        text += QLatin1StringView(bytes.sliced(i, j - i));
        if (j == n)
            break;
        qsizetype k = j;
        while (k < n && !IsAscii(bytes[k]))
            ++k;
        if (k < n && bytes[k] >= 0x40 && bytes[k] <= 0x7E)
            ++k;
        if (!cp932)
            cp932.emplace(kCp932, QStringDecoder::Flag::Stateless);
        QString part = cp932->decode(bytes.sliced(j, k - j));
        // Within a run the codec's U+001A can only be its mark for a bad byte.
        if (cp932->hasError())
            part.replace(QChar(0x1A), QChar::ReplacementCharacter);
        text += part;
        i = k;
    }
}

}  // namespace

TextEncodingDetector::TextEncodingDetector() : utf8_(QStringDecoder::Utf8), cp932_(kCp932) {}

void TextEncodingDetector::decodeRun(QByteArrayView run)
{
    anyRun_ = true;
    const QString text = utf8_.decode(run);
    // The Japanese ranges all lie in the basic plane: no surrogate pairs to join.
    for (qsizetype i = 0; !japaneseUtf8_ && i < text.size(); ++i)
        japaneseUtf8_ = IsJapanese(text[i].unicode());
    if (cp932_.isValid())
        cp932_.decode(run);
}

void TextEncodingDetector::feed(QByteArrayView bytes)
{
    if (head_.size() < 3)
        head_.append(bytes.first(std::min<qsizetype>(3 - head_.size(), bytes.size())));
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (inRun_) {
            // Each run is decoded with the byte after it, then a line feed,
            // which no character of either encoding spans: so each run reads
            // on its own, wherever the pieces fed were cut.
            qsizetype j = i;
            while (j < n && !IsAscii(bytes[j]))
                ++j;
            if (j == n) {
                decodeRun(bytes.sliced(i));
                break;
            }
            decodeRun(bytes.sliced(i, j + 1 - i));
            decodeRun("\n");
            inRun_ = false;
            i = j;  // the byte after may be a NUL, to be counted below
        }
        i = FirstNonAscii(bytes, i, true);
        if (i == n)
            break;
        if (bytes[i] == 0) {
            ++((offset_ + i) % 2 ? oddNuls_ : evenNuls_);
            ++i;
        } else {
            inRun_ = true;
        }
    }
    offset_ += n;
}

TextEncoding TextEncodingDetector::result()
{
    if (head_.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8;
    if (head_.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16Le;
    if (head_.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16Be;
    if (evenNuls_ + oddNuls_ > 0)
        return oddNuls_ > evenNuls_ ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
    if (!anyRun_)
        return TextEncoding::Cp932;  // plain ASCII reads the same either way
    if (inRun_) {
        decodeRun("\n");
        inRun_ = false;
    }
    const bool validUtf8 = !utf8_.hasError();
    if (validUtf8 && japaneseUtf8_)
        return TextEncoding::Utf8;
    if (!cp932_.isValid())
        return TextEncoding::Utf8;
    if (!cp932_.hasError())
        return TextEncoding::Cp932;
    return validUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

TextEncoding DetectTextEncoding(QByteArrayView bytes)
{
    TextEncodingDetector detector;
    detector.feed(bytes);
    return detector.result();
}

qsizetype ByteOrderMarkSize(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    case TextEncoding::Utf16Le:
        return bytes.startsWith("\xFF\xFE") ? 2 : 0;
    case TextEncoding::Utf16Be:
        return bytes.startsWith("\xFE\xFF") ? 2 : 0;
    case TextEncoding::Cp932:
        break;
    }
    return 0;
}

QString DecodeAs(QByteArrayView bytes, TextEncoding encoding)
{
    QString text;
    switch (encoding) {
    case TextEncoding::Utf8:
        text = QString::fromUtf8(bytes);
        break;
    case TextEncoding::Cp932:
        text.reserve(bytes.size());
        AppendCp932(text, bytes);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        QStringDecoder utf16(encoding == TextEncoding::Utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        text = utf16.decode(bytes);
        break;
    }
    }
    return text;
}

QString DecodeText(QByteArrayView bytes)
{
    const TextEncoding encoding = DetectTextEncoding(bytes);
    QString text = DecodeAs(bytes.sliced(ByteOrderMarkSize(bytes, encoding)), encoding);
    // Editors of the Windows era could leave Ctrl-Z end-of-file marks behind.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QChar(0x1A))
        --end;
    text.truncate(end);
    return text;
}

std::optional<QByteArray> EncodeCp932(QStringView text)
{
    std::optional<QStringEncoder> encoder;
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype j = i;
        while (j < n && text[j].unicode() < 0x80)
            ++j;
        for (qsizetype a = i; a < j; ++a)
            bytes.append(static_cast<char>(text[a].unicode()));
        if (j == n)
            break;
        qsizetype k = j;
        while (k < n && text[k].unicode() >= 0x80)
            ++k;
        if (!encoder)
            encoder.emplace(kCp932, QStringEncoder::Flag::Stateless);
        if (!encoder->isValid())
            return std::nullopt;
        const QByteArray part = encoder->encode(text.sliced(j, k - j));
        if (encoder->hasError())
            return std::nullopt;
        bytes += part;
        i = k;
    }
    // The encoder quietly substitutes what it cannot map (and maps some
    // characters to look-alikes), so only reading the bytes back tells.
    QString back;
    AppendCp932(back, bytes);
    if (back != text)
        return std::nullopt;
    return bytes;
}

QString Quoted(QStringView text)
{
    QString shown;
    bool blank = false;
    bool cut = false;
    for (QChar c : text) {
        if (c.isSpace()) {
            blank = !shown.isEmpty();
            continue;
        }
        if (shown.size() + (blank ? 2 : 1) > kMaxQuoted) {
            cut = true;
            break;
        }
        if (blank)
            shown += QLatin1Char(' ');
        blank = false;
        shown += c;
    }
    if (cut) {
        if (!shown.isEmpty() && shown.back().isHighSurrogate())
            shown.chop(1);
        shown += QChar(0x2026);
    }
    return shown;
}

}  // namespace oralis
