// Sequential reading of comma-separated fields over a whole text, the way the
// table file has always been read: fields, not lines, so a record may run over
// several lines and a line may hold several records.
#pragma once

#include <QString>
#include <QStringView>

namespace oralis {

// The blanks a field's start skips: space and tab, as the format has always
// been read; a leading ideographic space belongs to a sign's name (unlike
// IsBlank's, for word lists and typed text).
inline bool IsCsvBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

class CsvFieldReader {
public:
    explicit CsvFieldReader(QStringView text);

    // True when only blanks and line ends are left.
    bool atEnd() const;

    // Skips blank lines between records; a comma that ended the previous
    // record's last field does not then count as the start of an empty field.
    void skipBlankLines();

    // Reads the next field into `field`, a view into the text: leading blanks
    // skipped, a comma or a line end (CR LF, LF or CR) ends it, and a field in
    // double quotes may hold both. Returns false, leaving `field` alone, when
    // the text has no field left.
    bool next(QStringView& field);

    // How far into the text reading has come.
    qsizetype position() const { return pos_; }

    // Line (from 1) on which the field last read started; after a failed
    // next() still that field's line, so that a message about a truncated
    // record points at its last line rather than past the end of the text.
    int fieldLine() const { return fieldLine_; }

private:
    bool atLineEnd() const;
    void consumeLineEnd();
    // Where the next `c` stands from the current position on (or the end).
    // Each delimiter is searched for again only once reading has passed the
    // one found last, so the library's search does the reading of a field.
    qsizetype nextOf(char16_t c, qsizetype& cached);

    QStringView text_;
    const char16_t* data_;  // text_ without a bounds-checked accessor in the inner loops
    qsizetype size_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    bool fieldPending_ = false;  // the last field ended with a comma
    qsizetype nextComma_ = -1;
    qsizetype nextCr_ = -1;
    qsizetype nextLf_ = -1;
};

}  // namespace oralis
