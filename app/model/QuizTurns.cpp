#include "model/QuizTurns.h"

#include "model/WordList.h"

#include <QCoreApplication>

namespace oralis {

bool AnswerCarriesSpeed(int16_t yn)
{
    return yn != kQuizStop;
}

QString QuizListRefusal(bool loaded, const WordList& words, const QString& why)
{
    if (loaded && words.size() > 0)
        return QString();
    const QString message = QCoreApplication::translate("oralis::Quiz", "Quiz data not loaded");
    return why.isEmpty() ? message : message + QLatin1Char('\n') + why;
}

QuizTurns::QuizTurns(int wordCount, std::function<double()> random)
    : wordCount_(wordCount)
    , random_(std::move(random))
{
}

int QuizTurns::Next()
{
    // A repeated turn draws nothing.
    if (!repeat_)
        index_ = ChooseWordIndex(wordCount_, random_());
    return index_;
}

bool QuizTurns::Answer(int16_t yn)
{
    // Anything but the two answers that go on ends the quiz, as closing the
    // dialog through its frame does.
    if (yn != kQuizGoOn && yn != kQuizRepeat)
        return false;
    repeat_ = yn == kQuizRepeat;
    return true;
}

}  // namespace oralis
