#include "model/RegularFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace oralis;

namespace {

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

bool Put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList Temporaries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden);
}

// Nothing but a regular file within its size is read, and a refusal comes at
// once: a FIFO would keep the reader waiting, a device or a huge file reading
// until memory runs out.
TEST(RegularFile, OnlyRegularFilesWithinTheirSizeAreRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    const QString zero = dir.filePath(QStringLiteral("zero"));
    const QString huge = dir.filePath(QStringLiteral("huge"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxReadableSize + 1));
    sparse.close();
    const struct {
        QString path;
        qint64 limit;
        QString reason;
    } cases[] = {
        {fifo, kMaxReadableSize, fifo + QStringLiteral(" is not a regular file")},
        {folder, kMaxReadableSize, folder + QStringLiteral(" is not a regular file")},
        {zero, kMaxReadableSize, zero + QStringLiteral(" is not a regular file")},
        {huge, kMaxReadableSize, QStringLiteral("Cannot read %1: the file is 1.0 GiB, larger than 1 GiB").arg(huge)},
        {huge, 16 << 20, QStringLiteral("Cannot read %1: the file is 1.0 GiB, larger than 16 MiB").arg(huge)},
    };

    alarm(10);  // a reader that waits ends the test instead of hanging it
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QByteArray bytes("old");
        QString why;
        int reports = 0;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(ReadRegularFile(c.path, bytes, &why, [&](qint64, qint64) { return ++reports > 0; }, c.limit));
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(reports, 0);  // refused before reading
        EXPECT_EQ(why, c.reason);
        EXPECT_TRUE(bytes.isEmpty());
    }
    alarm(0);
}

// An atomic write replaces the file a link names and keeps the link, keeps
// the old file's permission bits whatever the umask, and refuses a folder at
// the path before it writes anything.
TEST(RegularFile, AnAtomicWriteKeepsLinksAndBitsAndRefusesFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(Put(target, "old"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0664), 0);
    const mode_t umaskBefore = umask(077);

    int calls = 0;
    const ProgressFn count = [&](qint64, qint64) { return ++calls > 0; };
    QString why;
    EXPECT_TRUE(WriteFileAtomically(link, "new", &why, count)) << why.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Contents(target), QByteArray("new"));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);

    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    calls = 0;
    EXPECT_FALSE(WriteFileAtomically(folder, "new", &why, count));
    EXPECT_EQ(why, QStringLiteral("it is not a regular file"));
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(Temporaries(dir).isEmpty());
    umask(umaskBefore);
}

// A child that starts saving `path` and waits there, holding its temporary,
// until it is killed; returns once the temporary is written to.
pid_t HalfwaySave(const QString& path)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        AtomicFile file;
        if (file.open(path) && file.write("half of it") && write(ready[1], "x", 1) == 1)
            pause();
        _exit(1);
    }
    char c = 0;
    close(ready[1]);
    const bool started = read(ready[0], &c, 1) == 1;
    close(ready[0]);
    return started ? child : -1;
}

void Kill(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// A save killed halfway leaves its temporary behind; the next save of that
// file removes it, and the program's start-up clean removes those of any
// file, but never the temporary of a save still running.
TEST(RegularFile, TemporariesOfKilledSavesAreRemovedAndLiveOnesKept)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    const pid_t killed = HalfwaySave(path);
    ASSERT_GT(killed, 0);
    Kill(killed);
    const QStringList stale = Temporaries(dir);
    ASSERT_EQ(stale.size(), 1);
    EXPECT_TRUE(stale[0].startsWith(QStringLiteral(".table.csv."))) << stale[0].toStdString();

    EXPECT_TRUE(WriteFileAtomically(path, "saved"));
    EXPECT_EQ(Contents(path), QByteArray("saved"));
    EXPECT_TRUE(Temporaries(dir).isEmpty());

    const pid_t running = HalfwaySave(path);
    ASSERT_GT(running, 0);
    const QStringList live = Temporaries(dir);
    EXPECT_EQ(live.size(), 1);
    EXPECT_TRUE(WriteFileAtomically(path, "saved again"));
    EXPECT_EQ(Temporaries(dir), live);
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 0);
    Kill(running);
    ASSERT_TRUE(Put(dir.filePath(QStringLiteral(".notes.tmp")), "not a save's"));
    EXPECT_EQ(RemoveStaleTemporaries(dir.path()), 1);
    EXPECT_EQ(Temporaries(dir), QStringList{QStringLiteral(".notes.tmp")});
}

}  // namespace
