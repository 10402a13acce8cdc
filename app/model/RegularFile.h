// Files as the program reads and writes them, through POSIX calls: only
// regular files are read, and never waited on; a file is replaced only once
// its new bytes are safely on the disk. A save writes a hidden temporary
// beside its target (".NAME.xxxx.tmp") and holds a lock on it for as long as
// it lives, so that a temporary left by a save cut short can be told from one
// still being written.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace oralis {

// Called now and then during long work with how far it has come (0..total);
// returning false asks the work to stop.
using ProgressFn = std::function<bool(qint64 done, qint64 total)>;

// No file the program reads is meant to be anywhere near this large.
constexpr qint64 kMaxReadableSize = qint64(1) << 30;

// The reasons a cancelled load or save gives: "Loading was cancelled",
// "Saving was cancelled".
QString LoadCancelledReason();
QString SaveCancelledReason();

// Reads a regular file a piece at a time, for readers that take a file in
// one pass without holding all of it.
class RegularFileReader {
public:
    RegularFileReader() = default;
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    // Opens `path` without waiting: anything but a regular file (a FIFO, a
    // device, a folder, a link to one) is refused, as is a file larger than
    // `maxSize`, at once and with its size. False with a reason naming the path.
    bool open(const QString& path, qint64 maxSize = kMaxReadableSize, QString* whyNot = nullptr);

    // The file's size when it was opened: where reading starts, not a
    // promise, since the file may change while it is read.
    qint64 size() const { return size_; }

    // Reads up to `room` bytes into `into`: how many it read, 0 at the end,
    // -1 with a reason naming the path when reading fails or the file has
    // grown past the size it may have.
    qint64 read(char* into, qint64 room, QString* whyNot = nullptr);

private:
    int fd_ = -1;
    qint64 size_ = 0;
    qint64 maxSize_ = 0;
    qint64 done_ = 0;
    QString path_;
};

// Reads all of `path` (RegularFileReader) into `bytes`. False with a reason
// naming the path on failure or when `progress` cancels; `bytes` is then empty.
bool ReadRegularFile(const QString& path, QByteArray& bytes, QString* whyNot = nullptr,
                     const ProgressFn& progress = {}, qint64 maxSize = kMaxReadableSize);

// A file replaced whole or not at all. open() removes the temporaries that
// earlier saves of the same file left behind, then creates and locks a new
// one in the same folder; write() appends to it; commit() flushes it to the
// disk and renames it over the target, which keeps its permission bits (a new
// file gets 0666 less the umask). A link is followed: the file it names is
// replaced and the link stays. Each step returns false with the system's
// reason ("No space left on device", "File too large"); without a commit the
// temporary is removed and the old file is byte for byte what it was.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(const QString& path, QString* whyNot = nullptr);
    bool write(QByteArrayView bytes, QString* whyNot = nullptr);
    bool commit(QString* whyNot = nullptr);

private:
    void discard();

    int fd_ = -1;
    QByteArray target_;
    QByteArray temporary_;
};

// Replaces `path` with `bytes` through an AtomicFile. `progress` may cancel
// before the rename; the old file then stays.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* whyNot = nullptr,
                         const ProgressFn& progress = {});

// Removes from `folder` the temporaries that saves cut short left there, of
// the file named `targetName` or, when it is empty, of any file: only those
// of the saves' own naming pattern that no running program holds. Returns how
// many it removed; what it cannot remove stays where it is.
int RemoveStaleTemporaries(const QString& folder, const QString& targetName = QString());

}  // namespace oralis
