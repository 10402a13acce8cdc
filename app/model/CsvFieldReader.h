// Sequential reading of comma-separated fields, the way the table file has
// always been read: fields, not lines, so a record may run over several lines
// and a line may hold several records.
//
// The reader works on bytes that arrive a piece at a time, so that a file of
// hundreds of megabytes is never held whole. Bytes, not characters: in UTF-8
// and CP932 alike no byte of a multibyte character is a comma, a double
// quote, a blank or a line end, so fields are cut before their text is decoded.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <span>
#include <vector>

namespace oralis {

// The blanks a field's start skips: space and tab, as the format has always
// been read; a leading ideographic space belongs to a sign's name (unlike
// IsBlank's, for word lists and typed text).
inline bool IsCsvBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
inline bool IsCsvBlank(char c)
{
    return c == ' ' || c == '\t';
}

class CsvFieldReader {
public:
    // Puts up to `room` bytes into `into`: how many, 0 at the end of the
    // text, -1 when reading failed (the source keeps its own reason).
    using Source = std::function<qint64(char* into, qint64 room)>;

    explicit CsvFieldReader(Source source);

    // True when only blanks and line ends are left (reading on to tell).
    bool atEnd();

    // Reads the next record's fields into `fields` and the line (from 1) each
    // starts on into `lines`: leading blanks skipped, a comma or a line end
    // (CR LF, LF or CR) ends a field, and a field in double quotes may hold
    // both. Blank lines between records are skipped; a comma that ended the
    // previous record's last field does not then count as the start of an
    // empty field. The views stay valid until the next call. False when the
    // text has fewer fields left.
    bool readRecord(std::span<QByteArrayView> fields, std::span<int> lines);

    // Whether the last field read was ended by the end of the text, not by a
    // comma or a line end: a record cut off, when more was due.
    bool endedByText() const { return endedByText_; }

    // Bytes read so far.
    qint64 position() const { return base_ + pos_; }

    // Line (from 1) on which the field last read started; after a failed
    // read still that field's line, so that a message about a truncated
    // record points at its last line rather than past the end of the text.
    int fieldLine() const { return fieldLine_; }

    // Whether the source failed; the text then ended where it did.
    bool failed() const { return failed_; }

private:
    bool more();
    bool has() { return pos_ < end_ || more(); }
    void skipBlankLines();
    void consumeLineEnd();
    bool nextField(qint64& start, qsizetype& length);
    bool readLine(std::span<QByteArrayView> fields, std::span<int> lines);

    Source source_;
    QByteArray buffer_;
    char* data_ = nullptr;
    qint64 base_ = 0;      // bytes dropped from the front of the buffer
    qsizetype pos_ = 0;    // next byte to read
    qsizetype end_ = 0;    // end of the bytes the reader may use
    qsizetype held_ = 0;   // Ctrl-Z bytes after end_, used only if more text follows
    bool atTextEnd_ = false;
    bool failed_ = false;
    bool inRecord_ = false;
    qint64 recordStart_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    bool fieldPending_ = false;  // the last field ended with a comma
    bool endedByText_ = false;
    std::vector<qint64> starts_;
    std::vector<qsizetype> lengths_;
};

}  // namespace oralis
