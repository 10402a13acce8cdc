// What the quiz, the answer practice and the study window need of the window
// that shows the mouth: its word and reading boxes, its speed, its camera and
// playback in its picture. They reach that window through this alone.
#pragma once

#include "model/ProgramState.h"
#include "playback/Playback.h"
#include "playback/ViewControl.h"

#include <QRect>
#include <QSizeF>
#include <QString>
#include <cstdint>

class QWidget;

namespace oralis {

class LearnerHost {
public:
    // The window the learner's windows belong to; they close with it.
    virtual QWidget& HostWindow() = 0;

    // The word box's text, and the reading kept for the start command.
    virtual QString WordText() const = 0;
    virtual QString WordReading() const = 0;
    // Shows a word the learner did not type, and its reading, in the boxes.
    virtual void ShowWord(const QString& text, const QString& reading) = 0;

    // The playback speed as the user typed it, and a new one for the box.
    virtual QString SpeedText() const = 0;
    virtual void SetSpeedText(const QString& speed) = 0;

    // The view of the picture; Display(0) shows a change of it.
    virtual CameraState& Camera() = 0;
    // The picture's size in device pixels, and where it lies on the screen
    // (logical pixels), which a window opened beside it leaves free.
    virtual QSizeF PictureSize() const = 0;
    virtual QRect PictureOnScreen() const = 0;

    // The renderer exports, and one picture (steps 0) or one animated
    // transition drawn into the picture.
    virtual const LipExports& Lip() = 0;
    virtual void Display(int16_t steps) = 0;
    // Plays `reading` at `speedText` in the picture (PlayReading); the
    // syllables played become the window's own. Shows no message.
    virtual PlayedReading PlayReading(const QString& reading, const QString& speedText) = 0;

protected:
    ~LearnerHost() = default;
};

}  // namespace oralis
