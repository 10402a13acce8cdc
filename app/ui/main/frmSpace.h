// The main window: word input, reading, speed, start button and the mouth view.
#pragma once

#include "model/KanaParser.h"
#include "playback/Playback.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace oralis {

class KanaLineEdit;
class LipView;

class frmSpace : public QMainWindow {
    Q_OBJECT
public:
    // `lip` empty: bind libLip.so by name on the first renderer call.
    explicit frmSpace(const LipExports* lip = nullptr, QWidget* parent = nullptr);
    ~frmSpace() override;

    // Draws one picture (steps 0) or one animated transition into picSpace.
    void Display(int16_t steps);
    // Writes the sign table to `path`; false with a reason when it cannot.
    bool Pattern_Save(const QString& path, QString* whyNot);
    // Parses FuriganaStr (or `reading`) into the window's syllable arrays and
    // plays it; shows the message itself and returns false when it refuses.
    bool StartReading(const QString& reading);
    // Plays the syllables already parsed; false (after a message) when the
    // speed or the rest sign make playback impossible.
    bool PlayUtterance();
    // Loads a table chosen in the file chooser; tells the user when it fails.
    void OpenLipTable();

    // The renderer exports this window calls.
    const LipExports& Lip();

    // Asked before the program ends: true while the editor holds changes that
    // were set but not saved.
    void setUnsavedChangesProbe(std::function<bool()> probe) { unsavedChanges_ = std::move(probe); }

    // Main window state shared with the view commands, the input and the quiz.
    QString FuriganaStr;
    Syllables syllables;
    std::array<float, 3> LookAt{0, 0, 0};
    std::array<float, 3> Eye{0, 0, 0};
    float CameraDistance = 500.0f;
    float CameraAzimuth = 0.1f;
    float CameraElevation = 0.0f;
    float FieldOfView = 40.0f;
    std::array<float, 4> LightPosition{1000.0f, 0, 0, 1.0f};
    std::array<float, 17> ViewParams{};
    int16_t DragActive = 0;

    // Widgets other windows read or write (also found by objectName).
    KanaLineEdit* InputArea = nullptr;
    QLineEdit* FuriganaTxt = nullptr;
    QLineEdit* Text1 = nullptr;
    LipView* picSpace = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<bool()> unsavedChanges_;
};

}  // namespace oralis
