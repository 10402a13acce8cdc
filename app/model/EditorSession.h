// The editor's state and every decision of its commands, without a window:
// the window forwards a command, asks the question the session puts to it,
// and shows the answer.
#pragma once

#include "model/FrameEditing.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace oralis {

QString DiscardQuestion();      // "Changes will be discarded"
QString DataUpdatedMessage();   // "Data updated"

// Asks the user `question` with OK and Cancel; true for OK.
using ConfirmFn = std::function<bool(const QString& question)>;

// What the window shows after a command, applied in this order. A field of
// the answer left empty leaves its widget alone.
struct EditorView {
    std::optional<QString> frameNo;  // the frame number box's new text, set without reacting to it
    std::optional<int16_t> total;    // the frame total
    bool fields = false;             // the edit fields show the session's texts anew
    std::optional<LipFrame> draw;    // the shape to draw in the main window's picture
    std::optional<QString> newSign;  // a name appended to the sign list
    bool restoreList = false;        // the sign list goes back to naming CurrentSign
    bool hide = false;               // the window hides
    QString message;                 // a refusal or a notice, shown with OK
};

class EditorSession {
public:
    explicit EditorSession(SignTable& table);

    int16_t CurrentSign() const { return currentSign_; }
    // The fields hold edits not yet written back with Set.
    bool FrameChanged() const { return frameChanged_; }
    // Set has changed the table since creation, the last save or the last
    // Close answered with OK.
    bool TableChanged() const { return tableChanged_; }
    // The frame number box's text when it last received the focus.
    const QString& SavedFrameNo() const { return savedFrameNo_; }
    const QString& FrameNo() const { return frameNo_; }
    // The working copy of one frame: the texts of the 21 edit fields.
    const FieldTexts& Fields() const { return fields_; }

    // The user changed field `slot`; any field but the two angles counts as
    // an unset edit.
    void FieldEdited(int slot, const QString& text);

    // The sign list is about to open.
    void ListOpening(const ConfirmFn& confirm);
    // List position `position` was chosen; `fromList` false when it came from
    // a key or the wheel on the closed list, which has not asked yet.
    EditorView ChooseSign(int position, bool fromList, const ConfirmFn& confirm);

    void FrameNoFocused() { savedFrameNo_ = frameNo_; }
    EditorView FrameNoClicked(const ConfirmFn& confirm);
    EditorView FrameNoTyped(const QString& text);

    EditorView Load();
    EditorView Disp() const;
    EditorView Set(const QLocale& locale);
    // The sign Action plays, or empty with the refusal in `whyNot`.
    std::optional<int16_t> ActionSign(QString* whyNot) const;
    EditorView AddFrame();
    EditorView DeleteFrame();
    // The copy-from dialog closed: with OK (`confirmed`) its choice loads.
    EditorView CopyFrom(bool confirmed, int16_t sign, int16_t frame);
    EditorView AddChar();

    // Save: the folder to start the chooser in, offered once per session.
    std::optional<QString> SaveFolderToOffer(const QString& programFolder, const QString& userFolder);
    // Whether what the chooser handed back is to be written.
    static bool SaveChosen(bool confirmed, const QString& suffix);
    // The write's outcome: a message when it failed, the flag cleared when not.
    EditorView Saved(bool written, const QString& whyNot);

    EditorView Close(const ConfirmFn& confirm);

private:
    // Writes `texts` into the working copy; each changed field but the angles
    // marks an unset edit, as a write by the user would.
    void ShowTexts(const FieldTexts& texts);
    // Frame `frame` of sign `sign` into the fields and drawn; nothing when
    // the pair names no frame.
    void LoadFrame(EditorView& view, int16_t sign, int16_t frame);
    // The frame index in the box, or the refusal in `view.message`.
    std::optional<int16_t> NumberedFrame(EditorView& view) const;
    bool CurrentSignInTable(EditorView& view) const;

    SignTable& table_;
    int16_t currentSign_ = 0;
    bool frameChanged_ = false;
    bool tableChanged_ = false;
    bool saveFolderOffered_ = false;
    QString savedFrameNo_;
    QString frameNo_ = QStringLiteral("1");
    FieldTexts fields_;
};

// The copy-from dialog's choice: `CopyI` the sign, `CopyJ` the 0-based frame.
// They are kept from one showing to the next, and after OK always name a
// frame of the table as it was then.
struct CopyChoice {
    int16_t CopyI = 0;
    int16_t CopyJ = 0;

    struct View {
        std::optional<QString> frameNo;
        std::optional<int16_t> total;
        const LipFrame* show = nullptr;  // the frame to preview
        QString message;
    };
    View ChooseSign(const SignTable& table, int position);
    // A refused number leaves CopyJ at the last frame that exists.
    View Preview(const SignTable& table, QStringView frameNoText);
    // Empty when OK may close the dialog; otherwise why not.
    QString OkRefusal(const SignTable& table) const;
};

}  // namespace oralis
