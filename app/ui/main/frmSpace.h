// The main window: word input, reading, speed, start button and the mouth view.
#pragma once

#include "model/KanaParser.h"
#include "model/Language.h"
#include "playback/Playback.h"
#include "playback/StartupTable.h"
#include "playback/ViewControl.h"
#include "ui/LearnerHost.h"
#include "ui/editor/EditorHost.h"

#include <QMainWindow>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace oralis {

class KanaLineEdit;
class LipView;

class frmSpace : public QMainWindow, public EditorHost, public LearnerHost {
    Q_OBJECT
public:
    // `lip` empty: bind libLip.so by name on the first renderer call.
    explicit frmSpace(const LipExports* lip = nullptr, QWidget* parent = nullptr);
    // The same with the start-up table read from `tablePath` instead of the
    // first LipPosition.csv of the user's and the shipped places (empty: those).
    frmSpace(const LipExports* lip, const QString& tablePath, QWidget* parent = nullptr);
    ~frmSpace() override;

    // Draws one picture (steps 0) or one animated transition into picSpace.
    void Display(int16_t steps) override;
    // Writes the sign table to `path`; false with a reason when it cannot.
    bool Pattern_Save(const QString& path, QString* whyNot) override;
    // Plays `reading` (the start command plays FuriganaStr); shows the message
    // itself and returns false when it refuses, a word box holding text
    // without a reading included.
    bool StartReading(const QString& reading);
    // Loads a table chosen in the file chooser; tells the user when it fails.
    // Asks first when the table holds unsaved changes.
    void OpenLipTable();

    // The renderer exports this window calls.
    const LipExports& Lip() override;
    void PreviewFrame(const LipFrame& frame) override;
    QString SpeedText() const override;

    // What the learner's windows use of this one.
    QWidget& HostWindow() override { return *this; }
    QString WordText() const override;
    QString WordReading() const override { return FuriganaStr; }
    void ShowWord(const QString& text, const QString& reading) override;
    void SetSpeedText(const QString& speed) override;
    CameraState& Camera() override { return camera; }
    QSizeF PictureSize() const override;
    QRect PictureOnScreen() const override;
    PlayedReading PlayReading(const QString& reading, const QString& speedText) override;

    // Empty once start-up has bound the renderer; otherwise the reason, which
    // has already been printed and shown, and the program must end.
    const QString& StartupError() const { return startupError_; }
    // Whether the start-up table loaded; when not, the learner is told why
    // and offered the shipped table or the file chooser as soon as the window
    // is shown.
    bool StartupTableLoaded() const { return tableLoaded_; }

    // Mouse in picSpace: a left or right press turns or zooms the view until
    // the release; other buttons are ignored.
    void ViewPress(Qt::MouseButton button, QPointF at);
    void ViewRelease();
    // The wheel over picSpace zooms; arrow keys with picSpace focused turn.
    void ViewWheel(int angleDelta);
    void ViewArrow(ViewKey key);

    // Main window state shared with the view commands, the input and the quiz.
    QString FuriganaStr;
    Syllables syllables;
    CameraState camera;
    std::array<float, 3> Eye{0, 0, 0};
    std::array<float, 17> ViewParams{};
    int16_t DragActive = 0;

    // Widgets other windows read or write (also found by objectName).
    KanaLineEdit* InputArea = nullptr;
    QLineEdit* FuriganaTxt = nullptr;
    QLineEdit* Text1 = nullptr;
    LipView* picSpace = nullptr;

public slots:
    // The reading of the word box, in half-width katakana.
    void SetReading(const QString& reading);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWidgets();
    void BuildMenus();
    void StartUp(const QString& tablePath);
    // After a start-up table that did not load: the message and its choices.
    void OfferStartupChoices();
    void cmdHome_Click();
    void Option1_Click(int index);
    void mnuExit_Click();
    void ChooseLanguage(LanguageChoice choice);
    // True when the program may end: no practice session in progress and no
    // unsaved change to the table, or the user agreed to leave them.
    bool MayExit();

    std::optional<LipExports> injectedLip_;
    QString startupError_;
    bool tableLoaded_ = false;
    std::optional<StartupTableFailure> startupFailure_;
    bool exitConfirmed_ = false;
    int wheelPending_ = 0;

    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdHome = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdInput = nullptr;
};

}  // namespace oralis
