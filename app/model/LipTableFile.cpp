#include "model/LipTableFile.h"

#include "model/CsvFieldReader.h"
#include "model/NumericText.h"
#include "model/Refusal.h"
#include "model/RegularFile.h"
#include "model/TextFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace oralis {

namespace {

constexpr int kMaxSignNumber = kSignSlots - 1;

// File field (0-based) of each stored frame value, in file order.
constexpr std::array<int, CsvFieldCount> kStoredValues{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26};

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::LipTableFile)
};

// A field as a message quotes it (its start is enough for that).
QString Shown(QByteArrayView field)
{
    const QString t = Quoted(DecodeText(field.first(std::min(field.size(), 4 * kMaxQuoted))));
    return t.isEmpty() ? Text::tr("(empty)") : t;
}

QString AtLine(int line, const QString& what)
{
    return Text::tr("line %1: %2").arg(line).arg(what);
}

bool NeedsQuotes(const QString& name)
{
    if (name.isEmpty())
        return false;
    // A name that would lose its leading blanks when read back goes in quotes.
    return IsCsvBlank(name.front()) || name.front() == QLatin1Char('"')
        || name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('\r'))
        || name.contains(QLatin1Char('\n'));
}

QString NameField(const SignEntry& sign)
{
    // A character that could not be decoded when the table was read is gone;
    // a question mark shows where it was.
    const QString name = FixedSignName(sign.SignName).replace(QChar::ReplacementCharacter, QLatin1Char('?'));
    return NeedsQuotes(name) ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

// Why the table cannot be written so that it reads back the same, or empty.
QString Unwritable(const SignTable& table)
{
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s) {
        const SignEntry& sign = table[s];
        const QString name = FixedSignName(sign.SignName);
        if (NeedsQuotes(name) && name.contains(QLatin1Char('"')))
            return Text::tr("the name of sign %1 mixes a double quote with a comma, "
                            "a line break or leading blanks").arg(s);
        for (size_t k = 0; k < sign.Frames.size(); ++k) {
            for (int v : kStoredValues) {
                if (!std::isfinite(sign.Frames[k][v]))
                    return Text::tr("frame %1 of sign %2 holds a value that is not a number").arg(k).arg(s);
            }
        }
    }
    return QString();
}

// The raw bytes kept of a name field: enough for ten characters in any
// encoding, however long the field.
constexpr qsizetype kNameBytes = 64;

// Records between two progress reports: a few milliseconds of work.
constexpr int kRecordsPerReport = 4096;

struct ReadSign {
    SignEntry entry;
    QByteArray name;  // raw bytes, decoded once the file's encoding is known
    int line = 0;     // of its header
};

// Reads a table from `source` (which holds `size` bytes, as far as is known)
// into `table`, which changes only once the whole text has been read, so that
// a failure leaves it as it was. `readFailure` gives the source's reason when
// it has failed.
int16_t ParseTable(const CsvFieldReader::Source& source, qint64 size, SignTable& table, QString* whyNot,
                   const ProgressFn& progress, const std::function<QString()>& readFailure)
{
    // The encoding is told from every byte, while the fields are cut, so the
    // text is never held whole; only the names need decoding.
    TextEncodingDetector detector;
    qint64 bomSize = -1;  // not yet seen
    CsvFieldReader reader([&](char* into, qint64 room) -> qint64 {
        for (;;) {
            qint64 got = source(into, room);
            if (got <= 0)
                return got;
            detector.feed(QByteArrayView(into, got));
            if (bomSize < 0) {
                bomSize = ByteOrderMarkSize(QByteArrayView(into, got), TextEncoding::Utf8);
                std::memmove(into, into + bomSize, static_cast<size_t>(got - bomSize));
                got -= bomSize;
            }
            if (got > 0)
                return got;
        }
    });
    auto fail = [&](const QString& reason) -> int16_t {
        if (reader.failed())
            return Refuse(whyNot, readFailure());
        const TextEncoding encoding = detector.result();
        if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be)
            return Refuse(whyNot, Text::tr("the file is in UTF-16; tables are read in UTF-8 or Shift-JIS"));
        return Refuse(whyNot, reason);
    };

    std::array<int16_t, kSignSlots> slotOf;
    slotOf.fill(-1);
    std::vector<ReadSign> read;
    std::array<QByteArrayView, CsvFieldCount> fields;
    std::array<int, CsvFieldCount> lines{};
    int highest = 0;
    int untilReport = kRecordsPerReport;
    auto report = [&] {
        if (--untilReport > 0 || !progress)
            return true;
        untilReport = kRecordsPerReport;
        return progress(std::min(reader.position() + std::max<qint64>(bomSize, 0), size), size);
    };

    while (!reader.atEnd()) {
        if (!reader.readRecord(fields, lines))
            return fail(AtLine(reader.fieldLine(), Text::tr("the file ends inside a sign's header")));

        const std::optional<int16_t> s = RoundToInt16(NumericPrefix(fields[0]));
        if (!s || *s < 0 || *s > kMaxSignNumber)
            return fail(AtLine(lines[0], Text::tr("sign number %1 (must be 0 to %2)")
                                             .arg(s ? QString::number(*s) : Shown(fields[0]))
                                             .arg(kMaxSignNumber)));
        const std::optional<int16_t> n = RoundToInt16(NumericPrefix(fields[2]));
        if (!n || *n < 1)
            return fail(AtLine(lines[2], Text::tr("frame count %1 of sign %2 (must be 1 to %3)")
                                             .arg(n ? QString::number(*n) : Shown(fields[2]))
                                             .arg(*s)
                                             .arg(kMaxFrameCount)));
        // Signs are known by their numbers, wherever they stand; a number
        // given twice would silently lose one of the two.
        int16_t& slot = slotOf[static_cast<size_t>(*s)];
        if (slot >= 0)
            return fail(AtLine(lines[0], Text::tr("sign %1 comes twice (first on line %2)")
                                             .arg(*s)
                                             .arg(read[static_cast<size_t>(slot)].line)));
        slot = static_cast<int16_t>(read.size());
        ReadSign& sign = read.emplace_back();
        sign.line = lines[0];
        sign.name = fields[1].first(std::min(fields[1].size(), kNameBytes)).toByteArray();
        // The count is only a claim until its frames have been read; the text
        // left can hold at most one frame per 20 bytes (its commas).
        const qint64 room = std::max<qint64>(size - reader.position(), 0) / (CsvFieldCount - 1) + 1;
        std::vector<LipFrame>& frames = sign.entry.Frames;
        frames.reserve(static_cast<size_t>(std::min<qint64>(*n, room)));
        for (int k = 0; k < *n; ++k) {
            // A frame whose last field runs into the end of the text was cut
            // off there, however many fields it holds.
            if (!reader.readRecord(fields, lines) || reader.endedByText())
                return fail(AtLine(reader.fieldLine(), Text::tr("the file ends inside frame %1 of sign %2 "
                                                                "(%3 frames announced)")
                                                           .arg(k).arg(*s).arg(*n)));
            LipFrame& frame = frames.emplace_back();
            for (int f = 0; f < CsvFieldCount; ++f) {
                const QByteArrayView field = fields[static_cast<size_t>(f)];
                // Most fields of a table are a single digit, most of them 0.
                const float value = field.size() == 1 && field[0] >= '0' && field[0] <= '9'
                    ? static_cast<float>(field[0] - '0')
                    : static_cast<float>(NumericPrefix(field));
                if (!std::isfinite(value))
                    return fail(AtLine(lines[static_cast<size_t>(f)],
                                       Text::tr("value %1 in field %2 of frame %3 of sign %4 is out of range")
                                           .arg(Shown(fields[static_cast<size_t>(f)]))
                                           .arg(f + 1).arg(k).arg(*s)));
                frame[kStoredValues[static_cast<size_t>(f)]] = value;
            }
            if (!report())
                return fail(LoadCancelledReason());
        }
        highest = std::max<int>(highest, *s);
        if (!report())
            return fail(LoadCancelledReason());
    }
    if (reader.failed())
        return fail(QString());
    const TextEncoding encoding = detector.result();
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be)
        return fail(QString());
    if (progress && !progress(size, size))
        return fail(LoadCancelledReason());

    for (int s = 0; s < kSignSlots; ++s) {
        const int16_t slot = slotOf[static_cast<size_t>(s)];
        if (slot < 0)
            continue;
        ReadSign& sign = read[static_cast<size_t>(slot)];
        sign.entry.SignName = FixedSignName(DecodeAs(sign.name, encoding));
        table[s] = std::move(sign.entry);
    }
    table.SignCount = static_cast<int16_t>(highest + 1);
    table.UnsavedChanges = false;
    return -1;
}

// The header lines of the signs written, in the file's encoding: CP932,
// unless some name could not be read back from it (characters it lacks, or
// bytes the reader would take for UTF-8), then UTF-8 for all.
struct Headers {
    std::array<QByteArray, kSignSlots> lines;
    std::vector<int> utf8Signs;  // the signs that made it UTF-8
    bool utf8() const { return !utf8Signs.empty(); }
};

Headers EncodeHeaders(const SignTable& table)
{
    static const QString kHeaderTail = QString(CsvFieldCount - 3, QLatin1Char(','));
    Headers headers;
    std::array<QString, kSignSlots> texts;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s) {
        const SignEntry& sign = table[s];
        // A sign never filled has no frames, and a header with no frames would
        // make the whole file unreadable.
        if (sign.Frames.empty())
            continue;
        QString& text = texts[static_cast<size_t>(s)];
        text = QString::number(s) + QLatin1Char(',') + NameField(sign) + QLatin1Char(',')
            + QString::number(sign.Frames.size()) + kHeaderTail + QStringLiteral("\r\n");
        const std::optional<QByteArray> cp932 = EncodeCp932(text);
        if (cp932 && DetectTextEncoding(*cp932) == TextEncoding::Cp932)
            headers.lines[static_cast<size_t>(s)] = *cp932;
        else
            headers.utf8Signs.push_back(s);
    }
    if (headers.utf8()) {
        for (int s = 0; s < count; ++s)
            headers.lines[static_cast<size_t>(s)] = texts[static_cast<size_t>(s)].toUtf8();
    }
    return headers;
}

QString Utf8Notice(const SignTable& table, const std::vector<int>& signs)
{
    constexpr size_t kNamed = 3;
    QStringList named;
    for (size_t i = 0; i < std::min(signs.size(), kNamed); ++i)
        named << QStringLiteral("%1 (%2)").arg(signs[i]).arg(Quoted(table[signs[i]].SignName));
    QString list = named.join(QStringLiteral(", "));
    if (signs.size() > kNamed)
        list += Text::tr(" and %1 more").arg(signs.size() - kNamed);
    return signs.size() == 1 ? Text::tr("Saved as UTF-8: Shift-JIS cannot hold the name of sign %1").arg(list)
                             : Text::tr("Saved as UTF-8: Shift-JIS cannot hold the names of signs %1").arg(list);
}

// The longest frame line: 21 numbers, their commas, the blanks and the line end.
constexpr int kMaxFrameLine = CsvFieldCount * (kMaxSingleText + 1) + 4;

// Numbers are ASCII in either encoding, so frames go straight to bytes.
char* PutFrame(char* p, const LipFrame& frame)
{
    for (int f = 0; f < CsvFieldCount - 1; ++f) {
        const float value = frame[kStoredValues[static_cast<size_t>(f)]];
        // Most values of a table are 0 (FormatSingleTo writes negative zero so too).
        if (value == 0)
            *p++ = '0';
        else
            p += FormatSingleTo(value, p);
        *p++ = ',';
    }
    const float lower = frame[LipFrame::kLowerAngle];
    *p++ = lower < 0 ? '-' : ' ';
    p += FormatSingleTo(std::fabs(lower), p);
    for (char c : {' ', '\r', '\n'})
        *p++ = c;
    return p;
}

qint64 FrameTotal(const SignTable& table)
{
    qint64 frames = 0;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s)
        frames += static_cast<qint64>(table[s].Frames.size());
    return frames;
}

// Takes the file's bytes a piece at a time; false stops the writing (the
// sink has then said why).
using Sink = std::function<bool(QByteArrayView piece)>;

// Hands the file's bytes to `sink` in pieces of at most a megabyte, so that
// even the largest table is never held whole. False with the reason when the
// file would exceed `limit`, when `progress` (frames written of all) cancels,
// or when the sink refuses.
bool FormatTable(const SignTable& table, const Headers& headers, const Sink& sink, qint64 limit,
                 const ProgressFn& progress, QString* whyNot)
{
    const qint64 frames = FrameTotal(table);
    // A small table is written in one piece of its own size.
    const qsizetype piece = static_cast<qsizetype>(
        std::min<qint64>(qint64(1) << 20, (frames + kSignSlots) * kMaxFrameLine));
    QByteArray buffer(piece + kMaxFrameLine, Qt::Uninitialized);
    char* const begin = buffer.data();
    char* p = begin;
    qint64 written = 0;
    qint64 done = 0;
    auto flush = [&] {
        written += p - begin;
        if (written > limit)
            return Refuse(whyNot, Text::tr("the table would be larger than 1 GiB, more than can be read back"));
        if (!sink(QByteArrayView(begin, p - begin)))
            return false;
        p = begin;
        if (progress && !progress(done, frames))
            return Refuse(whyNot, SaveCancelledReason());
        return true;
    };
    auto put = [&](QByteArrayView bytes) {
        for (qsizetype done = 0; done < bytes.size();) {
            const qsizetype part = std::min<qsizetype>(bytes.size() - done, piece - (p - begin));
            std::memcpy(p, bytes.data() + done, static_cast<size_t>(part));
            p += part;
            done += part;
            if (p - begin >= piece && !flush())
                return false;
        }
        return true;
    };

    if (headers.utf8() && !put("\xEF\xBB\xBF"))
        return false;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s) {
        const SignEntry& sign = table[s];
        if (sign.Frames.empty())
            continue;
        if (!put(headers.lines[static_cast<size_t>(s)]))
            return false;
        for (const LipFrame& frame : sign.Frames) {
            p = PutFrame(p, frame);
            ++done;
            if (p - begin >= piece && !flush())
                return false;
        }
    }
    return flush();
}

}  // namespace

int16_t LoadLipTableFromBytes(const QByteArray& bytes, SignTable& table, QString* whyNot,
                              const ProgressFn& progress)
{
    // Small pieces, so that tests and the fuzzer cross the reader's piece
    // boundaries everywhere: inside fields, quotes and line ends.
    constexpr qint64 kSmallPiece = 61;
    qint64 done = 0;
    auto source = [&](char* into, qint64 room) {
        const qint64 part = std::min({room, bytes.size() - done, kSmallPiece});
        std::memcpy(into, bytes.constData() + done, static_cast<size_t>(part));
        done += part;
        return part;
    };
    return ParseTable(source, bytes.size(), table, whyNot, progress, [] { return QString(); });
}

int16_t LoadLipTable(const QString& path, SignTable& table, QString* whyNot, const ProgressFn& progress)
{
    RegularFileReader file;
    if (!file.open(path, kMaxReadableSize, whyNot))
        return 0;
    QString readWhy;
    auto source = [&](char* into, qint64 room) { return file.read(into, room, &readWhy); };
    return ParseTable(source, file.size(), table, whyNot, progress, [&] { return readWhy; });
}

QByteArray FormatLipTable(const SignTable& table)
{
    QByteArray bytes;
    FormatTable(table, EncodeHeaders(table),
                [&](QByteArrayView piece) {
                    bytes.append(piece);
                    return true;
                },
                std::numeric_limits<qint64>::max(), {}, nullptr);
    return bytes;
}

bool SaveLipTable(const QString& path, const SignTable& table, QString* whyNot, QString* notice,
                  const ProgressFn& progress)
{
    auto fail = [&](const QString& reason) {
        return Refuse(whyNot, Text::tr("Cannot save %1: %2").arg(path, reason));
    };

    if (notice)
        notice->clear();
    const QString unwritable = Unwritable(table);
    if (!unwritable.isEmpty())
        return fail(unwritable);

    const Headers headers = EncodeHeaders(table);
    // The last step, the flush to the disk, counts as one frame more.
    const qint64 frames = FrameTotal(table);
    QString reason;
    AtomicFile file;
    if (!file.open(path, &reason))
        return fail(reason);
    const Sink sink = [&](QByteArrayView piece) { return file.write(piece, &reason); };
    if (!FormatTable(table, headers, sink, kMaxReadableSize,
                     progress ? ProgressFn([&](qint64 done, qint64) { return progress(done, frames + 1); })
                              : ProgressFn(),
                     &reason)
        || !file.commit(&reason))
        return fail(reason);
    if (progress)
        progress(frames + 1, frames + 1);
    if (notice && headers.utf8())
        *notice = Utf8Notice(table, headers.utf8Signs);
    return true;
}

}  // namespace oralis
