#include "ui/main/Quiz.h"

#include "model/KanaParser.h"
#include "model/QuizTurns.h"
#include "model/WordList.h"
#include "playback/Playback.h"
#include "ui/Common.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"
#include "ui/main/frmYesNo.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>

namespace oralis {

std::function<double()> ClockSeededRandom()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    auto generator = std::make_shared<std::mt19937_64>(static_cast<uint64_t>(now));
    // 53 random bits over 2^53: every value is exact and stays below 1, which
    // std::generate_canonical does not promise.
    return [generator] { return static_cast<double>((*generator)() >> 11) * 0x1.0p-53; };
}

frmYesNo& QuizDialog(frmSpace& main)
{
    static QPointer<frmYesNo> dialog;
    if (!dialog) {
        // No owner window: the dialog stands on its own, as a top-level window.
        dialog = new frmYesNo;
        frmYesNo* made = dialog;
        QObject::connect(&main, &QObject::destroyed, made, [made] { delete made; });
    }
    return *dialog;
}

void RunQuiz(frmSpace& main)
{
    RunQuiz(main, QuizSource());
}

void RunQuiz(frmSpace& main, const QuizSource& source)
{
    WordList words;
    QString from;
    QString why;
    const QStringList paths = source.listPaths.isEmpty() ? WordListCandidates() : source.listPaths;
    const bool loaded = LoadWordList(paths, words, &from, &why);
    if (const QString refusal = QuizListRefusal(loaded, words, why); !refusal.isEmpty()) {
        ShowMessage(&main, refusal);
        return;
    }
    if (words.skippedLines > 0)
        std::fprintf(stderr, "oralis: %s: %d line(s) without a reading or a text skipped\n",
                     qPrintable(from), words.skippedLines);
    if (words.cut)
        std::fprintf(stderr, "oralis: %s: only the first %d words are used\n", qPrintable(from),
                     kMaxWords);

    QuizTurns turns(words.size(), source.random ? source.random : ClockSeededRandom());
    frmYesNo& dialog = QuizDialog(main);
    dialog.MainSpeed = main.Text1;

    while (true) {
        const QuizTurns::Turn turn = turns.Next();
        if (turn.fresh) {
            ParseFailure refused = ParseFailure::None;
            if (ParseKana(words.readings[turn.index], main.syllables, &refused) == 0) {
                ShowMessage(&main, ParseRefusalMessage(refused));
                return;
            }
        }
        main.PlayUtterance();
        main.InputArea->showWord(words.displays[turn.index]);
        main.FuriganaTxt->setText(words.readings[turn.index]);

        dialog.exec();
        if (!turns.Answer(dialog.YN))
            return;

        QCoreApplication::processEvents();
        // The main window may have been closed in the meantime.
        if (!main.isVisible())
            return;
    }
}

}  // namespace oralis
