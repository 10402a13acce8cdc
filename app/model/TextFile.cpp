#include "model/TextFile.h"

#include "model/Refusal.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oralis {

namespace {

// Large enough that the system calls cost nothing next to the copying, small
// enough that a progress dialog moves smoothly.
constexpr qint64 kChunk = qint64(4) << 20;

const char* const kCp932 = "windows-31j";

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor on every way out, and removes the temporary it was
// writing unless the rename has taken it.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }
    int fd = -1;
    QByteArray name;
};

// A fresh file beside `target`, created with `mode` (less the umask, as any
// new file): O_EXCL makes the random name safe against another writer.
bool CreateTemporary(const QByteArray& target, mode_t mode, TemporaryFile& temp, int& error)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = folder + '.' + base + '.'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            temp.fd = fd;
            temp.name = name;
            return true;
        }
        if (errno != EEXIST) {
            error = errno;
            return false;
        }
    }
    error = EEXIST;
    return false;
}

bool IsJapanese(char32_t c)
{
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

QByteArrayView WithoutEndMarks(QByteArrayView bytes)
{
    // Editors of the Windows era could leave Ctrl-Z end-of-file marks behind.
    while (!bytes.isEmpty() && bytes.back() == '\x1a')
        bytes.chop(1);
    return bytes;
}

bool HasUtf8Bom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

bool IsAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

// The first byte from `from` on that is not ASCII, or the size. Eight bytes
// a step: tables are hundreds of megabytes of ASCII.
qsizetype FirstNonAscii(QByteArrayView bytes, qsizetype from)
{
    const qsizetype n = bytes.size();
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    for (; from + 8 <= n; from += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + from, sizeof word);
        if (word & kHighBits)
            break;
    }
    while (from < n && IsAscii(bytes[from]))
        ++from;
    return from;
}

// Only bytes from 0x80 up tell UTF-8 and CP932 apart, and a whole file of
// hundreds of megabytes is mostly digits and commas. So the encodings are
// tried on each run of such bytes and the byte after it (a CP932 trail byte
// may be ASCII), one run a line; a line feed is never part of a character in
// either encoding. Empty when the text is plain ASCII.
QByteArray NonAsciiRuns(QByteArrayView bytes)
{
    QByteArray runs;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while ((i = FirstNonAscii(bytes, i)) < n) {
        const qsizetype start = i;
        while (i < n && static_cast<unsigned char>(bytes[i]) >= 0x80)
            ++i;
        if (i < n)
            ++i;
        runs.append(bytes.sliced(start, i - start));
        runs.append('\n');
    }
    return runs;
}

// The choice DetectTextEncoding describes, made on NonAsciiRuns.
TextEncoding EncodingOfRuns(const QByteArray& runs)
{
    if (runs.isEmpty())
        return TextEncoding::Cp932;  // plain ASCII reads the same either way

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(runs);
    const bool validUtf8 = !utf8.hasError();
    if (validUtf8) {
        // The Japanese ranges all lie in the basic plane: no surrogate pairs to join.
        for (QChar c : asUtf8) {
            if (IsJapanese(c.unicode()))
                return TextEncoding::Utf8;
        }
    }
    QStringDecoder cp932(kCp932, QStringDecoder::Flag::Stateless);
    if (!cp932.isValid())
        return TextEncoding::Utf8;
    cp932.decode(runs);
    if (!cp932.hasError())
        return TextEncoding::Cp932;
    return validUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932;
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

void AppendDecoded(QString& text, QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        text += QString::fromUtf8(bytes);
    else
        AppendCp932(text, bytes);
}

}  // namespace

bool ReadRegularFile(const QString& path, QByteArray& bytes, QString* whyNot, const ProgressFn& progress)
{
    bytes.clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer before fstat can
    // tell what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(whyNot, QStringLiteral("Cannot open %1: %2").arg(path, SystemReason(errno)));
    TemporaryFile guard;  // only closes: it has no name
    guard.fd = fd;

    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return Refuse(whyNot, QStringLiteral("Cannot read %1: %2").arg(path, SystemReason(errno)));
    if (!S_ISREG(info.st_mode))
        return Refuse(whyNot, QStringLiteral("%1 is not a regular file").arg(path));
    if (info.st_size > kMaxReadableSize)
        return Refuse(whyNot, QStringLiteral("Cannot read %1: %2").arg(path, kTooLargeReason));

    // The size is where reading starts, not a promise: the file may change
    // while it is read, and only what read() hands over counts. One byte
    // past the expected end tells a file that grew from a whole one.
    const qint64 expected = info.st_size;
    QByteArray data(expected + 1, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == data.size()) {
            if (done > kMaxReadableSize)
                return Refuse(whyNot, QStringLiteral("Cannot read %1: %2").arg(path, kTooLargeReason));
            data.resize(std::min(done + kChunk, kMaxReadableSize + 1));
        }
        const qint64 want = std::min(kChunk, data.size() - done);
        const ssize_t got = ::read(fd, data.data() + done, static_cast<size_t>(want));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Refuse(whyNot, QStringLiteral("Cannot read %1: %2").arg(path, SystemReason(errno)));
        }
        if (got == 0)
            break;
        done += got;
        if (progress && !progress(std::min(done, expected), expected))
            return Refuse(whyNot, kLoadCancelledReason);
    }
    data.truncate(done);
    bytes = std::move(data);
    return true;
}

bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* whyNot, const ProgressFn& progress)
{
    QByteArray target = QFile::encodeName(path);
    // A link is followed, so that the file it names is replaced and the link stays.
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = QFile::encodeName(info.canonicalFilePath());

    mode_t mode = 0666;
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return Refuse(whyNot, QStringLiteral("it is not a regular file"));
        // A file the user may not write stays as it is, although the folder
        // would allow replacing it.
        if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            return Refuse(whyNot, SystemReason(errno));
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Refuse(whyNot, SystemReason(errno));
    }

    TemporaryFile temp;
    int error = 0;
    if (!CreateTemporary(target, mode, temp, error))
        return Refuse(whyNot, SystemReason(error));
    // The umask applies at creation; an existing file's bits are kept whole.
    if (old.st_mode != 0 && ::fchmod(temp.fd, mode) != 0)
        return Refuse(whyNot, SystemReason(errno));

    const qint64 total = bytes.size();
    qint64 done = 0;
    while (done < total) {
        const qint64 want = std::min(kChunk, total - done);
        const ssize_t put = ::write(temp.fd, bytes.data() + done, static_cast<size_t>(want));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return Refuse(whyNot, SystemReason(errno));
        }
        if (put == 0)
            return Refuse(whyNot, SystemReason(ENOSPC));
        // A short write is retried: the next write() names the reason, if any.
        done += put;
        if (progress && !progress(done, total))
            return Refuse(whyNot, kSaveCancelledReason);
    }
    // A full disk on some file systems shows only here, or only at close.
    if (::fsync(temp.fd) != 0)
        return Refuse(whyNot, SystemReason(errno));
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0)
        return Refuse(whyNot, SystemReason(errno));
    if (::rename(temp.name.constData(), target.constData()) != 0)
        return Refuse(whyNot, SystemReason(errno));
    temp.name.clear();

    // The rename itself reaches the disk with the folder; a failure here
    // cannot be undone any more and the file is in place, so it is not one.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : target.left(slash);
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

TextEncoding DetectTextEncoding(QByteArrayView bytes)
{
    bytes = WithoutEndMarks(bytes);
    return HasUtf8Bom(bytes) ? TextEncoding::Utf8 : EncodingOfRuns(NonAsciiRuns(bytes));
}

bool DecodeText(QByteArrayView bytes, QString& text, const ProgressFn& progress)
{
    text.clear();
    bytes = WithoutEndMarks(bytes);
    const qint64 total = bytes.size();
    TextEncoding encoding = TextEncoding::Utf8;
    bool ascii = false;
    if (HasUtf8Bom(bytes)) {
        bytes = bytes.sliced(3);
    } else {
        const QByteArray runs = NonAsciiRuns(bytes);
        ascii = runs.isEmpty();
        encoding = EncodingOfRuns(runs);
    }

    text.reserve(bytes.size());
    qsizetype from = 0;
    while (from < bytes.size()) {
        // Pieces end after a line feed, which no character of either encoding
        // spans, so each piece decodes on its own.
        qsizetype to = std::min<qsizetype>(from + kChunk, bytes.size());
        if (to < bytes.size()) {
            const qsizetype lf = bytes.indexOf('\n', to - 1);
            to = lf < 0 ? bytes.size() : lf + 1;
        }
        const QByteArrayView piece = bytes.sliced(from, to - from);
        if (ascii)
            text += QLatin1StringView(piece);
        else
            AppendDecoded(text, piece, encoding);
        from = to;
        if (progress && !progress(total - (bytes.size() - from), total)) {
            text.clear();
            return false;
        }
    }
    return true;
}

QString DecodeText(QByteArrayView bytes)
{
    QString text;
    DecodeText(bytes, text);
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
