#include "model/CsvFieldReader.h"

#include <cstring>

namespace oralis {

namespace {

// Large enough that the source's calls cost nothing, small enough to stay
// in the processor's caches (and cost a small table nothing).
constexpr qsizetype kPiece = qsizetype(64) << 10;

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool EndsField(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

}  // namespace

CsvFieldReader::CsvFieldReader(Source source) : source_(std::move(source)) {}

// Makes more bytes readable: false at the end of the text. The bytes of the
// record being read stay; those before it make room. Ctrl-Z end-of-file marks
// that editors of the Windows era left behind are held back until more text
// follows them, so that the end of the text is where they start.
bool CsvFieldReader::more()
{
    if (atTextEnd_)
        return false;
    const qsizetype keep = inRecord_ ? static_cast<qsizetype>(recordStart_ - base_) : pos_;
    if (keep > 0) {
        std::memmove(data_, data_ + keep, static_cast<size_t>(end_ + held_ - keep));
        base_ += keep;
        pos_ -= keep;
        end_ -= keep;
    }
    for (;;) {
        qsizetype filled = end_ + held_;
        if (filled == buffer_.size()) {
            buffer_.resize(std::max(kPiece, 2 * buffer_.size()));
            data_ = buffer_.data();
        }
        const qint64 got = source_(data_ + filled, buffer_.size() - filled);
        if (got <= 0) {
            failed_ = got < 0;
            atTextEnd_ = true;
            held_ = 0;
            return false;
        }
        filled += static_cast<qsizetype>(got);
        qsizetype usable = filled;
        while (usable > end_ && data_[usable - 1] == '\x1a')
            --usable;
        held_ = filled - usable;
        if (usable > end_) {
            end_ = usable;
            return true;
        }
    }
}

void CsvFieldReader::consumeLineEnd()
{
    if (data_[pos_++] == '\r' && has() && data_[pos_] == '\n')
        ++pos_;
    ++line_;
}

void CsvFieldReader::skipBlankLines()
{
    inRecord_ = false;
    while (has() && IsCsvBlank(data_[pos_]))
        ++pos_;
    if (has() && !IsLineEnd(data_[pos_]))
        return;  // the next record starts on this line
    fieldPending_ = false;
    while (has()) {
        if (IsLineEnd(data_[pos_]))
            consumeLineEnd();
        else if (IsCsvBlank(data_[pos_]))
            ++pos_;
        else
            break;
    }
}

bool CsvFieldReader::atEnd()
{
    skipBlankLines();
    return !has();
}

bool CsvFieldReader::nextField(qint64& start, qsizetype& length)
{
    while (has() && IsCsvBlank(data_[pos_]))
        ++pos_;
    if (!has()) {
        if (!fieldPending_)
            return false;
        fieldPending_ = false;
        endedByText_ = true;
        start = position();
        length = 0;
        return true;
    }
    fieldLine_ = line_;

    if (data_[pos_] == '"') {
        ++pos_;
        start = position();
        while (has() && data_[pos_] != '"') {
            if (IsLineEnd(data_[pos_]))
                consumeLineEnd();
            else
                ++pos_;
        }
        length = static_cast<qsizetype>(position() - start);
        if (has())
            ++pos_;
        // Whatever follows the closing quote up to the delimiter is not part
        // of the field.
        while (has() && !EndsField(data_[pos_]))
            ++pos_;
    } else {
        start = position();
        // The inner loop of reading a table: its own pointers, no refill check.
        do {
            const char* p = data_ + pos_;
            const char* const stop = data_ + end_;
            while (p != stop && !EndsField(*p))
                ++p;
            pos_ = p - data_;
        } while (pos_ == end_ && more());
        length = static_cast<qsizetype>(position() - start);
    }

    fieldPending_ = false;
    endedByText_ = !has();
    if (!endedByText_) {
        if (data_[pos_] == ',') {
            ++pos_;
            fieldPending_ = true;
        } else {
            consumeLineEnd();
        }
    }
    return true;
}

// The common case, a record that fills one line that is all in the buffer,
// without quotes, read in one sweep; false, having read nothing, for any
// other, which readRecord then reads field by field.
bool CsvFieldReader::readLine(std::span<QByteArrayView> fields, std::span<int> lines)
{
    const char* p = data_ + pos_;
    const char* const stop = data_ + end_;
    const size_t last = fields.size() - 1;
    for (size_t f = 0; f <= last; ++f) {
        while (p != stop && IsCsvBlank(*p))
            ++p;
        if (p == stop || *p == '"')
            return false;
        const char* const start = p;
        while (p != stop && !EndsField(*p))
            ++p;
        if (p == stop || (*p == ',') != (f < last))
            return false;
        fields[f] = QByteArrayView(start, p - start);
        ++p;
    }
    if (p[-1] == '\r') {
        if (p == stop)
            return false;  // whether a line feed follows is not known yet
        if (*p == '\n')
            ++p;
    }
    std::fill(lines.begin(), lines.end(), line_);
    pos_ = p - data_;
    fieldLine_ = line_++;
    fieldPending_ = false;
    endedByText_ = false;
    return true;
}

bool CsvFieldReader::readRecord(std::span<QByteArrayView> fields, std::span<int> lines)
{
    skipBlankLines();
    if (!fields.empty() && readLine(fields, lines))
        return true;
    inRecord_ = true;
    recordStart_ = position();
    starts_.resize(fields.size());
    lengths_.resize(fields.size());
    for (size_t f = 0; f < fields.size(); ++f) {
        if (!nextField(starts_[f], lengths_[f])) {
            inRecord_ = false;
            return false;
        }
        lines[f] = fieldLine_;
    }
    inRecord_ = false;
    for (size_t f = 0; f < fields.size(); ++f)
        fields[f] = QByteArrayView(data_ + (starts_[f] - base_), lengths_[f]);
    return true;
}

}  // namespace oralis
