// The 口元 toggle of the learner's windows.
#pragma once

#include "playback/ViewControl.h"

#include <QPushButton>
#include <QString>

namespace oralis {

class LearnerHost;

// A checkable button that fits the mouth into the main window's picture and,
// pressed again, gives the view back; whether it is on is kept in the
// user's settings under `key`, on by default when `onByDefault`.
class CloseUpButton : public QPushButton {
    Q_OBJECT
public:
    CloseUpButton(LearnerHost& host, QString key, bool onByDefault, QWidget* parent);

    // While on, fits the mouth again (the window opened, a new word).
    void Refit();

private:
    void Apply(bool on);

    LearnerHost& host_;
    QString key_;
    CloseUpToggle toggle_;
};

}  // namespace oralis
