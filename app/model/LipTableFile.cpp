#include "model/LipTableFile.h"

#include "model/CsvFieldReader.h"
#include "model/NumericText.h"
#include "model/Refusal.h"
#include "model/TextFile.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace oralis {

namespace {

constexpr int kMaxSignNumber = kSignSlots - 1;

// File field (0-based) of each stored frame value, in file order.
constexpr std::array<int, CsvFieldCount> kStoredValues{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26};

QString Shown(QStringView field)
{
    const QString t = Quoted(field);
    return t.isEmpty() ? QStringLiteral("(empty)") : t;
}

QString AtLine(int line, const QString& what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

// Reads one record of 21 fields; false when the text runs out first.
bool ReadRecord(CsvFieldReader& reader, std::array<QStringView, CsvFieldCount>& fields,
                std::array<int, CsvFieldCount>& lines)
{
    reader.skipBlankLines();
    for (int f = 0; f < CsvFieldCount; ++f) {
        if (!reader.next(fields[static_cast<size_t>(f)]))
            return false;
        lines[static_cast<size_t>(f)] = reader.fieldLine();
    }
    return true;
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
            return QStringLiteral("the name of sign %1 mixes a double quote with a comma, "
                                  "a line break or leading blanks").arg(s);
        for (size_t k = 0; k < sign.Frames.size(); ++k) {
            for (int v : kStoredValues) {
                if (!std::isfinite(sign.Frames[k][v]))
                    return QStringLiteral("frame %1 of sign %2 holds a value that is not a number")
                        .arg(k).arg(s);
            }
        }
    }
    return QString();
}

// FixedSignName straight from a view: one allocation a header.
QString FixedName(QStringView field)
{
    QString name(kSignNameLength, QLatin1Char(' '));
    std::copy_n(field.data(), std::min<qsizetype>(field.size(), kSignNameLength), name.data());
    return name;
}

// One stage of a longer job, reported on the job's own scale: the stage's
// work 0..span moves the job from `from` to `from + width` of `total`.
class Stage {
public:
    Stage(const ProgressFn& job, qint64 from, qint64 width, qint64 total)
        : job_(job), from_(from), width_(width), total_(total)
    {
    }
    bool operator()(qint64 done, qint64 span) const
    {
        if (!job_)
            return true;
        const double part = span > 0 ? static_cast<double>(done) / static_cast<double>(span) : 1.0;
        return job_(from_ + static_cast<qint64>(part * static_cast<double>(width_)), total_);
    }
    ProgressFn fn() const
    {
        if (!job_)
            return {};
        return [stage = *this](qint64 done, qint64 span) { return stage(done, span); };
    }

private:
    ProgressFn job_;
    qint64 from_, width_, total_;
};

// Records between two progress reports: a few milliseconds of work.
constexpr int kRecordsPerReport = 4096;

int16_t ParseTable(QByteArray bytes, SignTable& table, QString* whyNot, const ProgressFn& progress,
                   qint64 from, qint64 total)
{
    // The reader's flag: 0 for a refusal.
    auto fail = [whyNot](const QString& reason) -> int16_t { return Refuse(whyNot, reason); };

    const qint64 size = bytes.size();
    QString text;
    if (!DecodeText(bytes, text, Stage(progress, from, size / 2, total).fn()))
        return fail(kLoadCancelledReason);
    // A large table is hundreds of megabytes; its bytes are not needed again.
    bytes = QByteArray();
    const Stage parsing(progress, from + size / 2, size - size / 2, total);

    CsvFieldReader reader(text);
    // The signs read, apart from the table: it changes only once the whole
    // file has been read, and a small file costs only the signs it names.
    std::array<int16_t, kSignSlots> slotOf;
    slotOf.fill(-1);
    std::vector<SignEntry> read;
    std::array<QStringView, CsvFieldCount> fields;
    std::array<int, CsvFieldCount> lines{};
    int last = 0;
    int untilReport = kRecordsPerReport;
    auto report = [&] {
        if (--untilReport > 0)
            return true;
        untilReport = kRecordsPerReport;
        return parsing(reader.position(), text.size());
    };

    while (!reader.atEnd()) {
        if (!ReadRecord(reader, fields, lines))
            return fail(AtLine(reader.fieldLine(), QStringLiteral("the file ends inside a sign's header")));

        const std::optional<int16_t> s = RoundToInt16(NumericPrefix(fields[0]));
        if (!s || *s < 0 || *s > kMaxSignNumber)
            return fail(AtLine(lines[0], QStringLiteral("sign number %1 (must be 0 to %2)")
                                             .arg(s ? QString::number(*s) : Shown(fields[0]))
                                             .arg(kMaxSignNumber)));
        const std::optional<int16_t> n = RoundToInt16(NumericPrefix(fields[2]));
        if (!n || *n < 1)
            return fail(AtLine(lines[2], QStringLiteral("frame count %1 of sign %2 (must be 1 to %3)")
                                             .arg(n ? QString::number(*n) : Shown(fields[2]))
                                             .arg(*s)
                                             .arg(kMaxFrameCount)));

        int16_t& slot = slotOf[static_cast<size_t>(*s)];
        if (slot < 0) {
            slot = static_cast<int16_t>(read.size());
            read.emplace_back();
        }
        SignEntry& sign = read[static_cast<size_t>(slot)];
        sign.SignName = FixedName(fields[1]);
        sign.Frames.clear();
        // The count is only a claim until its frames have been read; the text
        // left can hold at most one frame per 20 characters (its commas).
        const qsizetype room = (text.size() - reader.position()) / (CsvFieldCount - 1) + 1;
        sign.Frames.reserve(static_cast<size_t>(std::min<qsizetype>(*n, room)));
        for (int k = 0; k < *n; ++k) {
            if (!ReadRecord(reader, fields, lines))
                return fail(AtLine(reader.fieldLine(), QStringLiteral("the file ends inside frame %1 of sign %2 "
                                                                 "(%3 frames announced)")
                                                      .arg(k).arg(*s).arg(*n)));
            LipFrame frame;
            for (int f = 0; f < CsvFieldCount; ++f) {
                const float value = static_cast<float>(NumericPrefix(fields[static_cast<size_t>(f)]));
                if (!std::isfinite(value))
                    return fail(AtLine(lines[static_cast<size_t>(f)],
                                       QStringLiteral("value %1 in field %2 of frame %3 of sign %4 "
                                                      "is out of range")
                                           .arg(Shown(fields[static_cast<size_t>(f)]))
                                           .arg(f + 1).arg(k).arg(*s)));
                frame[kStoredValues[static_cast<size_t>(f)]] = value;
            }
            sign.Frames.push_back(frame);
            if (!report())
                return fail(kLoadCancelledReason);
        }
        last = *s;
        if (!report())
            return fail(kLoadCancelledReason);
    }

    for (int s = 0; s < kSignSlots; ++s) {
        if (slotOf[static_cast<size_t>(s)] >= 0)
            table[s] = std::move(read[static_cast<size_t>(slotOf[static_cast<size_t>(s)])]);
    }
    table.SignCount = static_cast<int16_t>(last + 1);
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
        list += QStringLiteral(" and %1 more").arg(signs.size() - kNamed);
    return signs.size() == 1 ? QStringLiteral("Saved as UTF-8: Shift-JIS cannot hold the name of sign %1").arg(list)
                             : QStringLiteral("Saved as UTF-8: Shift-JIS cannot hold the names of signs %1").arg(list);
}

// Numbers are ASCII in either encoding, so frames go straight to bytes.
void AppendFrame(QByteArray& out, const LipFrame& frame)
{
    char line[CsvFieldCount * (kMaxSingleText + 1) + 4];
    char* p = line;
    for (int f = 0; f < CsvFieldCount - 1; ++f) {
        p += FormatSingleTo(frame[kStoredValues[static_cast<size_t>(f)]], p);
        *p++ = ',';
    }
    const float lower = frame[LipFrame::kLowerAngle];
    *p++ = lower < 0 ? '-' : ' ';
    p += FormatSingleTo(std::fabs(lower), p);
    for (char c : {' ', '\r', '\n'})
        *p++ = c;
    out.append(line, p - line);
}

qint64 FrameTotal(const SignTable& table)
{
    qint64 frames = 0;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s)
        frames += static_cast<qint64>(table[s].Frames.size());
    return frames;
}

// The file's bytes, or false with the reason when they would exceed `limit`
// or `progress` cancels.
bool FormatTable(const SignTable& table, const Headers& headers, QByteArray& out, qint64 limit,
                 const Stage& progress, QString* whyNot)
{
    const QString tooLarge = QStringLiteral("the table would be larger than 1 GiB, more than can be read back");
    const qint64 frames = FrameTotal(table);
    out.clear();
    // Most frame lines of real tables are shorter; the guess saves copies.
    out.reserve(std::min<qint64>(frames * 64, limit));
    if (headers.utf8())
        out.append("\xEF\xBB\xBF");

    qint64 done = 0;
    int untilReport = kRecordsPerReport;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s) {
        const SignEntry& sign = table[s];
        if (sign.Frames.empty())
            continue;
        out.append(headers.lines[static_cast<size_t>(s)]);
        for (const LipFrame& frame : sign.Frames) {
            AppendFrame(out, frame);
            ++done;
            if (--untilReport > 0)
                continue;
            untilReport = kRecordsPerReport;
            if (out.size() > limit)
                return Refuse(whyNot, tooLarge);
            if (!progress(done, frames))
                return Refuse(whyNot, kSaveCancelledReason);
        }
    }
    if (out.size() > limit)
        return Refuse(whyNot, tooLarge);
    return true;
}

}  // namespace

int16_t LoadLipTableFromBytes(const QByteArray& bytes, SignTable& table, QString* whyNot,
                              const ProgressFn& progress)
{
    return ParseTable(bytes, table, whyNot, progress, 0, bytes.size());
}

int16_t LoadLipTable(const QString& path, SignTable& table, QString* whyNot, const ProgressFn& progress)
{
    // Reading, decoding and parsing take about a third of the time each.
    QByteArray bytes;
    const ProgressFn reading = progress ? ProgressFn([&progress](qint64 done, qint64 size) {
        return progress(done, 3 * size);
    })
                                        : ProgressFn();
    if (!ReadRegularFile(path, bytes, whyNot, reading))
        return 0;
    const qint64 size = bytes.size();
    return ParseTable(std::move(bytes), table, whyNot, progress, size, 3 * size);
}

QByteArray FormatLipTable(const SignTable& table)
{
    QByteArray bytes;
    FormatTable(table, EncodeHeaders(table), bytes, std::numeric_limits<qint64>::max(), Stage({}, 0, 0, 0),
                nullptr);
    return bytes;
}

bool SaveLipTable(const QString& path, const SignTable& table, QString* whyNot, QString* notice,
                  const ProgressFn& progress)
{
    auto fail = [&](const QString& reason) {
        return Refuse(whyNot, QStringLiteral("Cannot save %1: %2").arg(path, reason));
    };

    if (notice)
        notice->clear();
    const QString unwritable = Unwritable(table);
    if (!unwritable.isEmpty())
        return fail(unwritable);

    const Headers headers = EncodeHeaders(table);
    // Formatting costs about as much as writing.
    const qint64 half = std::max<qint64>(FrameTotal(table), 1);
    QByteArray bytes;
    QString reason;
    if (!FormatTable(table, headers, bytes, kMaxReadableSize, Stage(progress, 0, half, 2 * half), &reason))
        return fail(reason);
    if (!WriteFileAtomically(path, bytes, &reason, Stage(progress, half, half, 2 * half).fn()))
        return fail(reason);
    if (notice && headers.utf8())
        *notice = Utf8Notice(table, headers.utf8Signs);
    return true;
}

}  // namespace oralis
