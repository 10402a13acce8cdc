// How long the largest legal table (257 signs of 32,767 frames) takes to save
// and to load, and how much memory each step takes. Each step takes seconds,
// so this is a plain program that times one run of each rather than a
// micro-benchmark. Usage: table_file_bench [PATH]
//
// Each step runs in a child process of its own, so that its peak memory
// (VmHWM) is its own and not what the step before it left behind; the parent
// never holds a table. Processor time is the figure to compare: the wall time
// includes the disk and the other programs on the machine.
#include "model/LipTableFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <functional>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using namespace oralis;

namespace {

// Values as real tables hold them: mostly 0, else a few digits, different
// from frame to frame (about 63 bytes a frame).
SignTable LargestTable()
{
    const float pool[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 0.5f, 0.2f, 0.14f, 1.8f, -1.5f, -1.125f};
    SignTable t;
    uint32_t state = 12345;
    for (int s = 0; s < kSignSlots; ++s) {
        t[s].SignName = FixedSignName(QStringLiteral("sign%1").arg(s));
        t[s].Frames.resize(kMaxFrameCount);
        for (LipFrame& f : t[s].Frames) {
            for (float& v : f.v) {
                state = state * 1664525u + 1013904223u;
                v = pool[(state >> 16) % std::size(pool)];
            }
        }
    }
    t.SignCount = kSignSlots;
    return t;
}

// Processor time of this process so far, in the program (user) and in the
// system on its behalf (reading, writing, the flush to the disk, page faults).
struct Cpu {
    double user = 0, system = 0;
};

Cpu CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

// A line of /proc/self/status in bytes ("VmHWM", "VmRSS"), or -1.
double StatusBytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (QByteArray line; !(line = status.readLine()).isEmpty();) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toDouble() * 1024;
    }
    return -1;
}

// From here on VmHWM counts from the memory now in use (where the system
// lets a process reset it; otherwise it counts from the process's start).
void ResetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Figures {
    bool ok = false;
    double user = 0, system = 0, wall = 0;
    double startBytes = 0, peakBytes = 0;
};

// Runs `prepare` and then `step` in a child, measuring the step only.
Figures InChild(const std::function<void()>& prepare, const std::function<bool()>& step)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child < 0)
        return {};
    if (child == 0) {
        close(fds[0]);
        prepare();
        ResetPeak();
        Figures f;
        f.startBytes = StatusBytes("VmRSS");
        QElapsedTimer timer;
        const Cpu before = CpuSeconds();
        timer.start();
        f.ok = step();
        f.wall = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        const Cpu after = CpuSeconds();
        f.user = after.user - before.user;
        f.system = after.system - before.system;
        f.peakBytes = StatusBytes("VmHWM");
        const bool sent = write(fds[1], &f, sizeof f) == static_cast<ssize_t>(sizeof f);
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    Figures f;
    if (read(fds[0], &f, sizeof f) != static_cast<ssize_t>(sizeof f))
        f.ok = false;
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return f;
}

void Print(const char* step, const Figures& f, double fileBytes, double tableBytes)
{
    constexpr double MB = 1e6;
    // A step's own memory: what it added to what the process held before,
    // less the table a load builds (which the program keeps).
    const double own = f.peakBytes - f.startBytes - (tableBytes > 0 ? tableBytes : 0);
    std::printf("%-5s %6.2f (%4.2f + %4.2f) %7.2f %8.0f %6.2f %12.0f %6.2f\n", step, f.user + f.system, f.user,
                f.system, f.wall, f.peakBytes / MB, f.peakBytes / fileBytes, own / MB, own / fileBytes);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    // A path given is where the table is saved, and kept, to try the program on.
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("largest.csv"));

    SignTable* table = nullptr;
    const Figures save = InChild([&] { table = new SignTable(LargestTable()); },
                                 [&] {
                                     QString why;
                                     if (SaveLipTable(path, *table, &why))
                                         return true;
                                     std::fprintf(stderr, "save failed: %s\n", qPrintable(why));
                                     return false;
                                 });
    if (!save.ok)
        return 1;
    const Figures load = InChild([] {},
                                 [&] {
                                     SignTable* loaded = new SignTable;
                                     QString why;
                                     if (LoadLipTable(path, *loaded, &why) == -1)
                                         return loaded->SignCount == kSignSlots;
                                     std::fprintf(stderr, "load failed: %s\n", qPrintable(why));
                                     return false;
                                 });
    if (!load.ok)
        return 1;

    const double fileBytes = static_cast<double>(QFileInfo(path).size());
    const double tableBytes = static_cast<double>(kSignSlots) * kMaxFrameCount * sizeof(LipFrame);
    std::printf("table of %d signs x %d frames: file %.1f MB, %.1f MB in memory\n", kSignSlots, kMaxFrameCount,
                fileBytes / 1e6, tableBytes / 1e6);
    std::printf("step  cpu s (user + system)  wall s  peak MB  /file  step's own MB  /file\n");
    Print("save", save, fileBytes, 0);
    Print("load", load, fileBytes, tableBytes);
    return 0;
}
