#include "model/RegularFile.h"

#include "model/Refusal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::RegularFile)
};

// Large enough that the system calls cost nothing next to the copying, small
// enough that a progress dialog moves smoothly.
constexpr qint64 kChunk = qint64(4) << 20;

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString TooLarge(const QString& path, qint64 size, qint64 limit)
{
    const QLocale locale;
    return Text::tr("Cannot read %1: the file is %2, larger than %3")
        .arg(path, locale.formattedDataSize(size, 1), locale.formattedDataSize(limit, 0));
}

// "dir/" of "dir/name" ("" for a bare name) and "name".
QByteArray FolderOf(const QByteArray& path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

QByteArray BaseOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// A save's temporary: "." + the target's name + "." + up to seven base-36
// digits (a random 32-bit number) + ".tmp". `prefix` is "." + name + "." for
// one target's, or empty for any file's.
bool IsTemporaryName(QByteArrayView name, QByteArrayView prefix)
{
    if (!name.endsWith(".tmp"))
        return false;
    name.chop(4);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return false;
    const QByteArrayView id = name.sliced(dot + 1);
    if (id.isEmpty() || id.size() > 7
        || !std::all_of(id.begin(), id.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }))
        return false;
    if (!prefix.isEmpty())
        return name.first(dot + 1) == prefix;
    return name.startsWith('.') && dot >= 2;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A fresh file beside `target`, created with `mode` (less the umask, as any
// new file) and locked for its life: O_EXCL makes the random name safe against
// another writer, and the lock tells a cleaner it is in use.
int CreateTemporary(const QByteArray& target, mode_t mode, QByteArray& name, int& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = FolderOf(target) + '.' + BaseOf(target) + '.'
            + QByteArray::number(QRandomGenerator::system()->generate(), 36) + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error = errno;
            return -1;
        }
        // A file system without locks still saves; its temporaries then
        // stay unless the user removes them.
        ::flock(fd, LOCK_EX);
        // A cleaner may have removed the file between its creation and the lock.
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && SameFile(opened, named))
            return fd;
        ::close(fd);
    }
    error = EEXIST;
    return -1;
}

}  // namespace

QString LoadCancelledReason()
{
    return Text::tr("Loading was cancelled");
}

QString SaveCancelledReason()
{
    return Text::tr("Saving was cancelled");
}

RegularFileReader::~RegularFileReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool RegularFileReader::open(const QString& path, qint64 maxSize, QString* whyNot)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    path_ = path;
    maxSize_ = maxSize;
    size_ = done_ = 0;
    // O_NONBLOCK: opening a FIFO must not wait for a writer before fstat can
    // tell what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refuse(whyNot, Text::tr("Cannot open %1: %2").arg(path, SystemReason(errno)));
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    const int error = errno;
    if (!known || !S_ISREG(info.st_mode) || info.st_size > maxSize) {
        ::close(fd);
        if (!known)
            return Refuse(whyNot, Text::tr("Cannot read %1: %2").arg(path, SystemReason(error)));
        if (!S_ISREG(info.st_mode))
            return Refuse(whyNot, Text::tr("%1 is not a regular file").arg(path));
        return Refuse(whyNot, TooLarge(path, info.st_size, maxSize));
    }
    fd_ = fd;
    size_ = info.st_size;
    return true;
}

qint64 RegularFileReader::read(char* into, qint64 room, QString* whyNot)
{
    ssize_t got = -1;
    int error = EBADF;
    while (fd_ >= 0 && (got = ::read(fd_, into, static_cast<size_t>(std::min(room, kChunk)))) < 0) {
        error = errno;
        if (error != EINTR)
            break;
    }
    if (got < 0) {
        Refuse(whyNot, Text::tr("Cannot read %1: %2").arg(path_, SystemReason(error)));
        return -1;
    }
    done_ += got;
    if (done_ > maxSize_) {
        Refuse(whyNot, TooLarge(path_, done_, maxSize_));
        return -1;
    }
    return got;
}

bool ReadRegularFile(const QString& path, QByteArray& bytes, QString* whyNot, const ProgressFn& progress,
                     qint64 maxSize)
{
    bytes.clear();
    RegularFileReader file;
    if (!file.open(path, maxSize, whyNot))
        return false;
    // One byte past the expected end tells a file that grew from a whole one.
    const qint64 expected = file.size();
    QByteArray data(expected + 1, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == data.size())
            data.resize(done + kChunk);  // the reader refuses to pass maxSize
        const qint64 got = file.read(data.data() + done, data.size() - done, whyNot);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += got;
        if (progress && !progress(std::min(done, expected), expected))
            return Refuse(whyNot, LoadCancelledReason());
    }
    data.truncate(done);
    bytes = std::move(data);
    return true;
}

AtomicFile::~AtomicFile()
{
    discard();
}

void AtomicFile::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
}

bool AtomicFile::open(const QString& path, QString* whyNot)
{
    discard();
    QByteArray target = QFile::encodeName(path);
    // A link is followed, so that the file it names is replaced and the link stays.
    const QFileInfo info(path);
    if (info.isSymLink())
        target = QFile::encodeName(info.exists() ? info.canonicalFilePath() : info.symLinkTarget());

    mode_t mode = 0666;
    struct stat old {};
    const bool existing = ::stat(target.constData(), &old) == 0;
    if (existing) {
        if (!S_ISREG(old.st_mode))
            return Refuse(whyNot, Text::tr("it is not a regular file"));
        // A file the user may not write stays as it is, although the folder
        // would allow replacing it.
        if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            return Refuse(whyNot, SystemReason(errno));
        mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Refuse(whyNot, SystemReason(errno));
    }

    const QByteArray folder = FolderOf(target);
    RemoveStaleTemporaries(QFile::decodeName(folder.isEmpty() ? QByteArray(".") : folder),
                           QFile::decodeName(BaseOf(target)));
    int error = 0;
    const int fd = CreateTemporary(target, mode, temporary_, error);
    if (fd < 0) {
        temporary_.clear();
        return Refuse(whyNot, SystemReason(error));
    }
    fd_ = fd;
    target_ = target;
    // The umask applies at creation; an existing file's bits are kept whole.
    if (existing && ::fchmod(fd_, mode) != 0) {
        error = errno;
        discard();
        return Refuse(whyNot, SystemReason(error));
    }
    return true;
}

bool AtomicFile::write(QByteArrayView bytes, QString* whyNot)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        // A short write is retried: the next write() names the reason, if any.
        const int error = put < 0 ? errno : ENOSPC;
        if (put <= 0) {
            discard();
            return Refuse(whyNot, SystemReason(error));
        }
        done += put;
    }
    return true;
}

bool AtomicFile::commit(QString* whyNot)
{
    auto fail = [&](int error) {
        discard();
        return Refuse(whyNot, SystemReason(error));
    };
    if (fd_ < 0)
        return fail(EBADF);
    // A full disk on some file systems shows only here, or only at close.
    if (::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temporary_.constData(), target_.constData()) != 0)
        return fail(errno);
    temporary_.clear();

    // The rename itself reaches the disk with the folder; a failure here
    // cannot be undone any more and the file is in place, so it is not one.
    const QByteArray folder = FolderOf(target_);
    const int dirFd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* whyNot, const ProgressFn& progress)
{
    AtomicFile file;
    if (!file.open(path, whyNot))
        return false;
    const qint64 total = bytes.size();
    for (qint64 done = 0; done < total;) {
        const qint64 part = std::min(kChunk, total - done);
        if (!file.write(bytes.sliced(done, part), whyNot))
            return false;
        done += part;
        if (progress && !progress(done, total))
            return Refuse(whyNot, SaveCancelledReason());
    }
    return file.commit(whyNot);
}

int RemoveStaleTemporaries(const QString& folder, const QString& targetName)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    const int dirFd = ::dirfd(dir);
    const QByteArray prefix = targetName.isEmpty() ? QByteArray() : '.' + QFile::encodeName(targetName) + '.';
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, prefix))
            continue;
        const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A writer holds its lock until its temporary is renamed or removed:
        // a lock that can be taken belongs to nobody. The name must still be
        // the file locked, not a new one that took its place meanwhile.
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named)
            && ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

}  // namespace oralis
