// The lip pattern editor's decisions, kept apart from its window: which field
// shows which value of a frame, how field and frame-number texts are read, and
// the changes the editor makes to the sign table.
#pragma once

#include "model/ProgramState.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace oralis {

// The 21 edit fields in one fixed order: VrateTxt, UpTx(0..8), UpAngTx,
// LwTx(0..8), LwAngTx. A field is known by its slot in this order.
constexpr int kEditFieldCount = 21;
constexpr int kGridElements = 9;
constexpr int kVrateSlot = 0;
constexpr int kUpAngSlot = 10;
constexpr int kLwAngSlot = 20;
constexpr int UpTxSlot(int element) { return 1 + element; }
constexpr int LwTxSlot(int element) { return 11 + element; }

using FieldTexts = std::array<QString, kEditFieldCount>;

// The grids show each control point as a column of Y, Z, X from the top,
// while a frame stores it as X, Y, Z: element 3i+r of a grid is point i, row r.
int UpTxValue(int element);
int LwTxValue(int element);
// The frame value a slot shows.
int SlotValue(int slot);
// The slot showing a frame value; empty for 10..12 and 23..25, which have none.
std::optional<int> SlotOfValue(int value);
// "VrateTxt", "UpTx(4)", "LwAngTx": the names the user sees in messages.
QString SlotName(int slot);

// The texts the fields show for a frame.
FieldTexts FieldTextsOf(const LipFrame& frame);

// The shape the fields describe, read as the previews read them (leading
// number of each text, 0 without one). The velocity rate is not read: the
// result's value 0 is 0.
LipFrame PreviewFrame(const FieldTexts& texts);

// A field text read for storing: the whole text, trimmed, as a number in
// `locale`'s format or with a period as decimal point, rounded to single
// precision. Empty when the text is not a number or does not fit a float.
std::optional<float> StoreReading(const QString& text, const QLocale& locale);

// Writes the 21 field values into `frame` by the field mapping; values 10..12
// and 23..25 keep what they hold. All or nothing: when a field is not a number
// the frame is untouched and `whyNot` names the first such field.
bool StoreFields(const FieldTexts& texts, LipFrame& frame, const QLocale& locale,
                 QString* whyNot = nullptr);

// Reading of the frame number box. The index is the number at the start of the
// text, minus 1, rounded half to even; it is valid only with Ok.
enum class FrameNumberCheck { Ok, Empty, NoFrame, BelowOne, Exceeds };
struct FrameNumber {
    FrameNumberCheck check = FrameNumberCheck::Empty;
    int16_t index = 0;
};
FrameNumber ReadFrameNumber(QStringView text, int16_t frameCount);

// Every refusal of a sign or frame number, worded once. The copy-from dialog
// words them in its own way ("Frame number exceeds", "Channel number exceeds").
enum class Wording { Editor, CopyDialog };
QString FrameNumberMessage(FrameNumberCheck check, Wording wording = Wording::Editor);
// The refusal of a sign index outside 0..SignCount-1.
QString SignMissingMessage(int16_t sign, Wording wording = Wording::Editor);

QString NoFrameMessage();
QString CannotDeleteMessage();

// The operations below change the table only when they succeed, and then
// mark it as holding unsaved changes; a refusal changes nothing, gives the
// reason, and refuses a sign outside 0..SignCount-1 as well, since a change
// there would never be saved.

// Set: writes the field texts into frame `frame` of sign `sign` (see
// StoreFields). Refused when the pair names no frame or a field is not a number.
bool StoreFrame(SignTable& table, int16_t sign, int16_t frame, const FieldTexts& texts,
                const QLocale& locale, QString* whyNot = nullptr);

// Appends a new frame (velocity rate 1, all else 0) to sign `sign`. Refused
// when the sign already holds the most frames a 16-bit count allows.
bool AddFrame(SignTable& table, int16_t sign, QString* whyNot = nullptr);

// Removes frame `index` of sign `sign`; the frames after it move one place to
// the front. Returns the frame to show next: the one now standing at `index`,
// or the new last frame when the last one went, so that the frame number and
// the fields never name a frame that is gone. Refused when it would leave the
// sign without a frame or when `index` names no frame.
std::optional<int16_t> DeleteFrame(SignTable& table, int16_t sign, int16_t index,
                                   QString* whyNot = nullptr);

// Makes entry SignCount a new sign (blank name, one new frame) and counts it.
// Returns its index; refused when every entry is in use.
std::optional<int16_t> AddSign(SignTable& table, QString* whyNot = nullptr);

}  // namespace oralis
