#include "ui/main/Quiz.h"

#include "ui/Common.h"
#include "ui/main/frmSpace.h"

namespace oralis {

void RunQuiz(frmSpace& main)
{
    ShowMessage(&main, QStringLiteral("The quiz is not available yet."));
}

}  // namespace oralis
