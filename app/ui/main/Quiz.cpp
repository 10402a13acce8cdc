#include "ui/main/Quiz.h"

#include "model/QuizTurns.h"
#include "model/WordList.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/main/frmYesNo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <chrono>
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

frmYesNo& QuizDialog(LearnerHost& main)
{
    static QPointer<frmYesNo> dialog;
    if (!dialog) {
        // No owner window: the dialog stands on its own, as a top-level window.
        dialog = new frmYesNo;
        frmYesNo* made = dialog;
        QObject::connect(&main.HostWindow(), &QObject::destroyed, made, [made] { delete made; });
    }
    return *dialog;
}

void RunQuiz(LearnerHost& main)
{
    RunQuiz(main, QuizSource());
}

void RunQuiz(LearnerHost& main, const QuizSource& source)
{
    QWidget* window = &main.HostWindow();
    WordList words;
    QString from;
    QString why;
    const QStringList paths = source.listPaths.isEmpty() ? WordListCandidates() : source.listPaths;
    const bool loaded = LoadWordList(paths, words, &from, &why);
    if (const QString refusal = QuizListRefusal(loaded, words, why); !refusal.isEmpty()) {
        ShowMessage(window, refusal);
        return;
    }
    static WordListNotices notices;
    if (const QString notice = notices.once(words, from); !notice.isEmpty())
        ShowMessage(window, notice);

    QuizTurns turns(words.size(), source.random ? source.random : ClockSeededRandom());
    frmYesNo& dialog = QuizDialog(main);
    dialog.Main = &main;
    const QPointer<QWidget> alive(window);

    while (true) {
        // A repeat parses its word again; parsing gives the same syllables
        // every time, so it plays what the word's first turn played.
        const int word = turns.Next();
        const PlayedReading played = main.PlayReading(words.readings[word], main.SpeedText());
        if (!played) {
            ShowMessage(window, played.whyNot);
            // A reading that does not parse ends the quiz; a speed the
            // dialog can mend does not.
            if (played.readingRefused)
                return;
        }
        main.ShowWord(words.displays[word], words.readings[word]);

        dialog.exec();
        if (!turns.Answer(dialog.YN))
            return;

        QCoreApplication::processEvents();
        // The main window may have been closed in the meantime.
        if (!alive || !window->isVisible())
            return;
    }
}

}  // namespace oralis
