#include "model/CsvFieldReader.h"

#include <algorithm>

namespace oralis {

CsvFieldReader::CsvFieldReader(QStringView text) : text_(text), data_(text.utf16()), size_(text.size()) {}

qsizetype CsvFieldReader::nextOf(char16_t c, qsizetype& cached)
{
    if (cached < pos_) {
        cached = text_.indexOf(QChar(c), pos_);
        if (cached < 0)
            cached = size_;
    }
    return cached;
}

bool CsvFieldReader::atLineEnd() const
{
    return pos_ < size_ && (data_[pos_] == u'\r' || data_[pos_] == u'\n');
}

void CsvFieldReader::consumeLineEnd()
{
    if (data_[pos_] == u'\r' && pos_ + 1 < size_ && data_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

bool CsvFieldReader::atEnd() const
{
    for (qsizetype i = pos_; i < size_; ++i) {
        const char16_t c = data_[i];
        if (!IsCsvBlank(c) && c != u'\r' && c != u'\n')
            return false;
    }
    return true;
}

void CsvFieldReader::skipBlankLines()
{
    qsizetype p = pos_;
    while (p < size_ && IsCsvBlank(data_[p]))
        ++p;
    if (p < size_ && data_[p] != u'\r' && data_[p] != u'\n')
        return;  // the next record starts on this line
    pos_ = p;
    fieldPending_ = false;
    for (;;) {
        while (pos_ < size_ && IsCsvBlank(data_[pos_]))
            ++pos_;
        if (!atLineEnd())
            break;
        consumeLineEnd();
    }
}

bool CsvFieldReader::next(QStringView& field)
{
    while (pos_ < size_ && IsCsvBlank(data_[pos_]))
        ++pos_;
    if (pos_ >= size_) {
        if (!fieldPending_)
            return false;
        fieldPending_ = false;
        field = QStringView();
        return true;
    }
    fieldLine_ = line_;

    if (data_[pos_] == u'"') {
        const qsizetype start = ++pos_;
        while (pos_ < size_ && data_[pos_] != u'"') {
            if (atLineEnd()) {
                consumeLineEnd();
                continue;
            }
            ++pos_;
        }
        field = QStringView(data_ + start, pos_ - start);
        if (pos_ < size_)
            ++pos_;
        // Whatever follows the closing quote up to the delimiter is not part
        // of the field.
        while (pos_ < size_ && data_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        pos_ = std::min(nextOf(u',', nextComma_), std::min(nextOf(u'\r', nextCr_), nextOf(u'\n', nextLf_)));
        field = QStringView(data_ + start, pos_ - start);
    }

    fieldPending_ = false;
    if (pos_ < size_) {
        if (data_[pos_] == u',') {
            ++pos_;
            fieldPending_ = true;
        } else {
            consumeLineEnd();
        }
    }
    return true;
}

}  // namespace oralis
