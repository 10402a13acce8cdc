// What the editor and its copy-from dialog need of the window that shows the
// mouth: they draw and save through it and know nothing else of it.
#pragma once

#include "model/ProgramState.h"
#include "playback/Playback.h"

#include <QRect>
#include <QString>
#include <cstdint>

namespace oralis {

class EditorHost {
public:
    // Makes `frame` the renderer's current shape and draws it without animation.
    virtual void PreviewFrame(const LipFrame& frame) = 0;
    // Draws one picture (steps 0) or one animated transition.
    virtual void Display(int16_t steps) = 0;
    // Writes the sign table to `path`; false with a reason when it cannot.
    virtual bool Pattern_Save(const QString& path, QString* whyNot) = 0;
    // The renderer's exports, for the editor's Action.
    virtual const LipExports& Lip() = 0;
    // The playback speed as the user typed it.
    virtual QString SpeedText() const = 0;
    // Where the picture lies on the screen, which the editor leaves free.
    virtual QRect PictureOnScreen() const = 0;

protected:
    ~EditorHost() = default;
};

}  // namespace oralis
