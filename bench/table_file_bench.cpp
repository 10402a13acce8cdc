// How long the largest legal table (257 signs of 32,767 frames) takes to save
// and to load. Each step takes seconds, so this is a plain program that times
// one run of each rather than a micro-benchmark. Usage: table_file_bench [PATH]
#include "model/LipTableFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <iterator>

using namespace oralis;

namespace {

// Values as real tables hold them: mostly 0, else a few digits, different
// from frame to frame (about 55 bytes a frame).
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

// The processor time of this process, so that figures taken on a busy machine
// still compare; the wall-clock time includes the disk and the other programs.
double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
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
    const SignTable table = LargestTable();

    QString why;
    QElapsedTimer timer;
    double cpu = CpuSeconds();
    timer.start();
    if (!SaveLipTable(path, table, &why)) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(why));
        return 1;
    }
    const double saveSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double saveCpu = CpuSeconds() - cpu;

    SignTable loaded;
    cpu = CpuSeconds();
    timer.restart();
    if (LoadLipTable(path, loaded, &why) != -1) {
        std::fprintf(stderr, "load failed: %s\n", qPrintable(why));
        return 1;
    }
    const double loadSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double loadCpu = CpuSeconds() - cpu;

    std::printf("table of %d signs x %d frames, %.1f MB\n", kSignSlots, kMaxFrameCount,
                static_cast<double>(QFileInfo(path).size()) / 1e6);
    std::printf("save %.2f s (processor %.2f s)\nload %.2f s (processor %.2f s)\n", saveSeconds, saveCpu,
                loadSeconds, loadCpu);
    return loaded.SignCount == table.SignCount ? 0 : 1;
}
