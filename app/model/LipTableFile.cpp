#include "model/LipTableFile.h"

#include "model/CsvFieldReader.h"
#include "model/NumericText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

constexpr int kFieldsPerRecord = 21;
constexpr int kMaxSignNumber = kSignSlots - 1;

// File field (0-based) of each stored frame value, in file order.
constexpr std::array<int, kFieldsPerRecord> kStoredValues{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 26};

const char* const kTableCodec = "windows-31j";

// UTF-8 when the bytes are valid UTF-8 (with or without BOM), else CP932, the
// encoding of tables from the Windows era. A byte CP932 cannot decode keeps
// its place as U+FFFD rather than failing the load: one bad character in a
// name should not cost the user a whole table.
QString DecodeTableText(QByteArray bytes)
{
    // Editors of that era could leave a Ctrl-Z end-of-file marker behind.
    while (bytes.endsWith('\x1a'))
        bytes.chop(1);

    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    QStringDecoder cp932(kTableCodec, QStringDecoder::Flag::Stateless);
    if (!cp932.isValid())
        return text;  // no CP932 support at all: keep the UTF-8 reading
    text = cp932.decode(bytes);
    if (cp932.hasError())
        text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text;
}

QString Shown(const QString& field)
{
    const QString t = field.simplified();
    return t.isEmpty() ? QStringLiteral("(empty)") : t;
}

QString AtLine(int line, const QString& what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

// Reads one record of 21 fields; false when the text runs out first.
bool ReadRecord(CsvFieldReader& reader, std::array<QString, kFieldsPerRecord>& fields,
                std::array<int, kFieldsPerRecord>& lines)
{
    reader.skipBlankLines();
    for (int f = 0; f < kFieldsPerRecord; ++f) {
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
    const QChar first = name.front();
    return first == QLatin1Char(' ') || first == QLatin1Char('\t') || first == QLatin1Char('"')
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

// The CP932 encoder quietly substitutes what it cannot map (and maps some
// characters to look-alikes), so only a round trip tells.
bool Cp932CanHold(const QString& text)
{
    QStringEncoder encoder(kTableCodec, QStringEncoder::Flag::Stateless);
    QStringDecoder decoder(kTableCodec, QStringDecoder::Flag::Stateless);
    if (!encoder.isValid() || !decoder.isValid())
        return true;  // FormatLipTable then writes UTF-8, which holds anything
    const QByteArray bytes = encoder.encode(text);
    const QString back = decoder.decode(bytes);
    return !encoder.hasError() && !decoder.hasError() && back == text;
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
        if (!Cp932CanHold(QString(name).remove(QChar::ReplacementCharacter)))
            return QStringLiteral("the name of sign %1 (%2) has characters Shift-JIS cannot hold")
                .arg(s).arg(name.trimmed());
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

}  // namespace

int16_t LoadLipTableFromBytes(const QByteArray& bytes, SignTable& table, QString* whyNot)
{
    auto fail = [whyNot](const QString& reason) -> int16_t {
        if (whyNot)
            *whyNot = reason;
        return 0;
    };

    const QString text = DecodeTableText(bytes);
    CsvFieldReader reader(text);
    SignTable scratch = table;
    std::array<QString, kFieldsPerRecord> fields;
    std::array<int, kFieldsPerRecord> lines{};
    int last = 0;

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

        SignEntry& sign = scratch[*s];
        sign.SignName = FixedSignName(fields[1]);
        sign.FrameCount = *n;
        sign.Frames.clear();
        // The count is only a claim until its frames have been read.
        sign.Frames.reserve(static_cast<size_t>(std::min<int>(*n, 1024)));
        for (int k = 0; k < *n; ++k) {
            if (!ReadRecord(reader, fields, lines))
                return fail(AtLine(reader.fieldLine(), QStringLiteral("the file ends inside frame %1 of sign %2 "
                                                                 "(%3 frames announced)")
                                                      .arg(k).arg(*s).arg(*n)));
            LipFrame frame;
            for (int f = 0; f < kFieldsPerRecord; ++f) {
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
        }
        last = *s;
    }

    scratch.SignCount = static_cast<int16_t>(last + 1);
    scratch.UnsavedChanges = false;
    table = std::move(scratch);
    return -1;
}

int16_t LoadLipTable(const QString& path, SignTable& table, QString* whyNot)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (whyNot)
            *whyNot = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return 0;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (whyNot)
            *whyNot = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return 0;
    }
    return LoadLipTableFromBytes(bytes, table, whyNot);
}

QByteArray FormatLipTable(const SignTable& table)
{
    static const QString kHeaderTail = QString(kFieldsPerRecord - 3, QLatin1Char(','));
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s) {
        const SignEntry& sign = table[s];
        // A sign never filled has no frames, and a header with no frames would
        // make the whole file unreadable.
        if (sign.Frames.empty())
            continue;
        text += QString::number(s) + QLatin1Char(',') + NameField(sign) + QLatin1Char(',')
            + QString::number(sign.Frames.size()) + kHeaderTail + lineEnd;
        for (const LipFrame& frame : sign.Frames) {
            for (int f = 0; f < kFieldsPerRecord - 1; ++f)
                text += FormatSingle(frame[kStoredValues[static_cast<size_t>(f)]]) + QLatin1Char(',');
            const float lower = frame[LipFrame::kLowerAngle];
            text += (lower < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + FormatSingle(std::fabs(lower))
                + QLatin1Char(' ') + lineEnd;
        }
    }
    QStringEncoder encoder(kTableCodec, QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

bool SaveLipTable(const QString& path, const SignTable& table, QString* whyNot)
{
    auto fail = [&](const QString& reason) {
        if (whyNot)
            *whyNot = QStringLiteral("Cannot save %1: %2").arg(path, reason);
        return false;
    };

    const QString unwritable = Unwritable(table);
    if (!unwritable.isEmpty())
        return fail(unwritable);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = FormatLipTable(table);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

}  // namespace oralis
