#include "model/CsvFieldReader.h"

namespace oralis {

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

}  // namespace

CsvFieldReader::CsvFieldReader(QStringView text) : text_(text) {}

bool CsvFieldReader::atLineEnd() const
{
    return pos_ < text_.size() && (text_[pos_] == QLatin1Char('\r') || text_[pos_] == QLatin1Char('\n'));
}

void CsvFieldReader::consumeLineEnd()
{
    if (text_[pos_] == QLatin1Char('\r') && pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\n'))
        ++pos_;
    ++pos_;
    ++line_;
}

bool CsvFieldReader::atEnd() const
{
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        const QChar c = text_[i];
        if (!IsBlank(c) && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            return false;
    }
    return true;
}

void CsvFieldReader::skipBlankLines()
{
    qsizetype p = pos_;
    while (p < text_.size() && IsBlank(text_[p]))
        ++p;
    if (p < text_.size() && text_[p] != QLatin1Char('\r') && text_[p] != QLatin1Char('\n'))
        return;  // the next record starts on this line
    pos_ = p;
    fieldPending_ = false;
    for (;;) {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
        if (!atLineEnd())
            break;
        consumeLineEnd();
    }
}

bool CsvFieldReader::next(QStringView& field)
{
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size()) {
        if (!fieldPending_)
            return false;
        fieldPending_ = false;
        field = QStringView();
        return true;
    }
    fieldLine_ = line_;

    if (text_[pos_] == QLatin1Char('"')) {
        const qsizetype start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char('"')) {
            if (atLineEnd()) {
                consumeLineEnd();
                continue;
            }
            ++pos_;
        }
        field = text_.mid(start, pos_ - start);
        if (pos_ < text_.size())
            ++pos_;
        // Whatever follows the closing quote up to the delimiter is not part
        // of the field.
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !atLineEnd())
            ++pos_;
        field = text_.mid(start, pos_ - start);
    }

    fieldPending_ = false;
    if (pos_ < text_.size()) {
        if (text_[pos_] == QLatin1Char(',')) {
            ++pos_;
            fieldPending_ = true;
        } else {
            consumeLineEnd();
        }
    }
    return true;
}

}  // namespace oralis
