// The answer practice's path from Return to the verdict: the kanji answer
// read by MeCab (as when it was pasted), the verdict against the word's
// pattern (the spoken-kana check through MeCab, the shape alignment, the
// look-alikes of every shipped list), the attempt stored in the history (the
// first of its session, so the session is stored too) and the verdict's
// texts. The verdict must be on the screen within 50 ms of Return.
//   bin/judge_bench [--benchmark_filter=...]
#include "model/History.h"
#include "model/LipTableFile.h"
#include "model/MecabReading.h"
#include "model/ProgramState.h"
#include "model/WordList.h"
#include "playback/PracticeSession.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>

using namespace oralis;

namespace {

const QString kSpeed = QStringLiteral("500");

struct Shipped {
    SignTable table;
    std::optional<LookalikeIndex> lookalikes;
};

const Shipped& Data()
{
    static const Shipped data = [] {
        Shipped d;
        QString why;
        if (!LoadLipTable(ProgramFolder() + QStringLiteral("LipPosition.csv"), d.table, &why))
            std::fprintf(stderr, "judge_bench: %s\n", qPrintable(why));
        const std::optional<PlaybackPlan> start = BeginPlan(d.table, kSpeed);
        if (start)
            d.lookalikes = LookalikesOfLists(ShippedWordLists(ProgramFolder()), d.table, *start);
        return d;
    }();
    return data;
}

// The first kanji reading of a run, which loads MeCab and its dictionary:
// run first, before anything else has loaded them.
void BM_FirstKanjiReading(benchmark::State& state)
{
    for (auto _ : state) {
        MecabReader mecab;
        benchmark::DoNotOptimize(mecab.reading(QStringLiteral("魚")));
    }
}
BENCHMARK(BM_FirstKanjiReading)->Unit(benchmark::kMillisecond)->Iterations(1);

// 窓 answered with a kanji word: 孫 (looks the same) or 魚 (wrong).
void JudgeKanjiAnswer(benchmark::State& state, const QString& answer)
{
    const Shipped& data = Data();
    QTemporaryDir dir;
    HistoryStore history;
    history.open(dir.path());
    // The word box's reader, which the verdict asks too; MeCab is loaded once
    // a run, at its first reading (BM_FirstKanjiReading).
    MecabReader& mecab = SharedMecabReader();
    mecab.reading(QStringLiteral("準備"));
    const PracticeWord word{QStringLiteral("ﾏﾄﾞ"), QStringLiteral("窓")};
    for (auto _ : state) {
        state.PauseTiming();
        PracticeSession session({word}, QStringLiteral("bench"), &history, QDateTime::currentDateTime());
        session.begin(data.table, kSpeed, nullptr);
        session.shown();
        state.ResumeTiming();

        const QString reading = mecab.reading(answer).value_or(QString());
        const LookalikeIndex* index = data.lookalikes ? &*data.lookalikes : nullptr;
        const AnswerVerdict* verdict =
            session.judge(answer, reading, data.table, index, QDateTime::currentDateTime());
        if (!verdict) {
            state.SkipWithError("no verdict");
            break;
        }
        benchmark::DoNotOptimize(VerdictText(*verdict, word, answer));
        benchmark::DoNotOptimize(DiffText(*verdict));
        state.SetLabel(VerdictCode(verdict->kind).toStdString());
    }
    // What the verdict was judged against, so that a figure from an empty
    // index or a missing dictionary shows itself.
    state.counters["indexed"] = data.lookalikes ? data.lookalikes->size() : 0;
    state.counters["mecab"] = mecab.unavailable() ? 0 : 1;
}

void BM_JudgeLookalikeKanji(benchmark::State& state)
{
    JudgeKanjiAnswer(state, QStringLiteral("孫"));
}
BENCHMARK(BM_JudgeLookalikeKanji)->Unit(benchmark::kMillisecond);

void BM_JudgeWrongKanji(benchmark::State& state)
{
    JudgeKanjiAnswer(state, QStringLiteral("魚"));
}
BENCHMARK(BM_JudgeWrongKanji)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
