#include "model/FrameEditing.h"

#include "model/NumericText.h"
#include "model/Refusal.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Editor)
};

// Grid row r of column i holds component kRowComponent[r] of point i, where a
// point is stored as X (0), Y (1), Z (2).
constexpr std::array<int, 3> kRowComponent{1, 2, 0};

int GridValue(int curveStart, int element)
{
    return curveStart + 3 * (element / 3) + kRowComponent[static_cast<size_t>(element % 3)];
}

SignEntry* SignInTable(SignTable& table, int16_t sign, QString* whyNot)
{
    if (sign < 0 || sign >= table.SignCount || sign >= kSignSlots) {
        Refuse(whyNot, SignMissingMessage(sign));
        return nullptr;
    }
    return &table[sign];
}

}  // namespace

int UpTxValue(int element)
{
    return GridValue(LipFrame::kUpperCurve, element);
}

int LwTxValue(int element)
{
    return GridValue(LipFrame::kLowerCurve, element);
}

int SlotValue(int slot)
{
    if (slot == kVrateSlot)
        return LipFrame::kVelocityRate;
    if (slot == kUpAngSlot)
        return LipFrame::kUpperAngle;
    if (slot == kLwAngSlot)
        return LipFrame::kLowerAngle;
    if (slot < kUpAngSlot)
        return UpTxValue(slot - UpTxSlot(0));
    return LwTxValue(slot - LwTxSlot(0));
}

std::optional<int> SlotOfValue(int value)
{
    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        if (SlotValue(slot) == value)
            return slot;
    }
    return std::nullopt;
}

QString SlotName(int slot)
{
    if (slot == kVrateSlot)
        return QStringLiteral("VrateTxt");
    if (slot == kUpAngSlot)
        return QStringLiteral("UpAngTx");
    if (slot == kLwAngSlot)
        return QStringLiteral("LwAngTx");
    if (slot < kUpAngSlot)
        return QStringLiteral("UpTx(%1)").arg(slot - UpTxSlot(0));
    return QStringLiteral("LwTx(%1)").arg(slot - LwTxSlot(0));
}

FieldTexts FieldTextsOf(const LipFrame& frame)
{
    FieldTexts texts;
    for (int slot = 0; slot < kEditFieldCount; ++slot)
        texts[static_cast<size_t>(slot)] = FormatSingle(frame[SlotValue(slot)]);
    return texts;
}

LipFrame PreviewFrame(const FieldTexts& texts)
{
    LipFrame frame;
    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        if (slot == kVrateSlot)
            continue;
        frame[SlotValue(slot)] = static_cast<float>(NumericPrefix(texts[static_cast<size_t>(slot)]));
    }
    return frame;
}

std::optional<float> StoreReading(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    // Group separators are refused so that "1.5" in a locale grouping with
    // periods can never silently read as 15.
    QLocale user = locale;
    user.setNumberOptions(user.numberOptions() | QLocale::RejectGroupSeparator);
    QLocale c = QLocale::c();
    c.setNumberOptions(c.numberOptions() | QLocale::RejectGroupSeparator);

    bool ok = false;
    double value = user.toDouble(trimmed, &ok);
    if (!ok)
        value = c.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

bool StoreFields(const FieldTexts& texts, LipFrame& frame, const QLocale& locale, QString* whyNot)
{
    std::array<float, kEditFieldCount> values{};
    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        const std::optional<float> v = StoreReading(texts[static_cast<size_t>(slot)], locale);
        if (!v)
            return Refuse(whyNot, Text::tr("Not a number in %1").arg(SlotName(slot)));
        values[static_cast<size_t>(slot)] = *v;
    }
    for (int slot = 0; slot < kEditFieldCount; ++slot)
        frame[SlotValue(slot)] = values[static_cast<size_t>(slot)];
    return true;
}

FrameNumber ReadFrameNumber(QStringView text, int16_t frameCount)
{
    if (text.trimmed().isEmpty())
        return {FrameNumberCheck::Empty, 0};
    if (frameCount < 1)
        return {FrameNumberCheck::NoFrame, 0};
    const double number = NumericPrefix(text);
    const std::optional<int16_t> index = RoundToInt16(number - 1.0);
    if (!index) {
        // Too far out for a 16-bit index either way; NaN cannot come from a
        // leading number, but would read as too large.
        return {number < 0 ? FrameNumberCheck::BelowOne : FrameNumberCheck::Exceeds, 0};
    }
    if (*index < 0)
        return {FrameNumberCheck::BelowOne, *index};
    if (*index >= frameCount)
        return {FrameNumberCheck::Exceeds, *index};
    return {FrameNumberCheck::Ok, *index};
}

QString FrameNumberMessage(FrameNumberCheck check, Wording wording)
{
    const bool copy = wording == Wording::CopyDialog;
    switch (check) {
    case FrameNumberCheck::Ok:
        return QString();
    case FrameNumberCheck::Empty:
        if (!copy)
            return Text::tr("Enter a frame number");
        [[fallthrough]];
    case FrameNumberCheck::BelowOne:
        return copy ? Text::tr("Frame number must be 1 or more")
                    : Text::tr("Frame Number must be 1 or more");
    case FrameNumberCheck::NoFrame:
        return copy ? Text::tr("This sign has no frame") : NoFrameMessage();
    case FrameNumberCheck::Exceeds:
        break;
    }
    return copy ? Text::tr("Frame number exceeds") : Text::tr("Frame Number exceeds");
}

QString NoFrameMessage()
{
    return Text::tr("This sign has no frame: use Add Frame");
}

QString CannotDeleteMessage()
{
    return Text::tr("Cannot delete!");
}

QString SignMissingMessage(int16_t sign, Wording wording)
{
    if (wording == Wording::CopyDialog)
        return Text::tr("Channel number exceeds");
    return Text::tr("Sign %1 is not in the table: choose a sign from the list").arg(sign);
}

bool StoreFrame(SignTable& table, int16_t sign, int16_t frame, const FieldTexts& texts,
                const QLocale& locale, QString* whyNot)
{
    SignEntry* entry = SignInTable(table, sign, whyNot);
    if (!entry)
        return false;
    LipFrame* target = table.Frame(sign, frame);
    if (!target)
        return Refuse(whyNot, FrameNumberMessage(FrameNumberCheck::Exceeds));
    if (!StoreFields(texts, *target, locale, whyNot))
        return false;
    table.UnsavedChanges = true;
    return true;
}

bool AddFrame(SignTable& table, int16_t sign, QString* whyNot)
{
    SignEntry* entry = SignInTable(table, sign, whyNot);
    if (!entry)
        return false;
    if (entry->FrameCount() >= kMaxFrameCount)
        return Refuse(whyNot, Text::tr("Cannot add: a sign holds at most %1 frames").arg(kMaxFrameCount));
    entry->Frames.push_back(LipFrame::fresh());
    table.UnsavedChanges = true;
    return true;
}

std::optional<int16_t> DeleteFrame(SignTable& table, int16_t sign, int16_t index, QString* whyNot)
{
    SignEntry* entry = SignInTable(table, sign, whyNot);
    if (!entry)
        return std::nullopt;
    const int n = entry->FrameCount();
    QString refusal;
    if (n < 1)
        refusal = NoFrameMessage();
    else if (n == 1)
        refusal = CannotDeleteMessage();
    else if (index < 0)
        refusal = FrameNumberMessage(FrameNumberCheck::BelowOne);
    else if (index >= n)
        refusal = FrameNumberMessage(FrameNumberCheck::Exceeds);
    if (!refusal.isEmpty()) {
        Refuse(whyNot, refusal);
        return std::nullopt;
    }

    // Only the values with a field move; the unused fourth points stay with
    // their position, as they do through Set.
    for (int j = index; j < n - 1; ++j) {
        LipFrame& to = entry->Frames[static_cast<size_t>(j)];
        const LipFrame& from = entry->Frames[static_cast<size_t>(j + 1)];
        for (int slot = 0; slot < kEditFieldCount; ++slot)
            to[SlotValue(slot)] = from[SlotValue(slot)];
    }
    entry->Frames.resize(static_cast<size_t>(n - 1));
    table.UnsavedChanges = true;
    return std::min<int16_t>(index, static_cast<int16_t>(n - 2));
}

std::optional<int16_t> AddSign(SignTable& table, QString* whyNot)
{
    if (table.SignCount < 0 || table.SignCount >= kSignSlots) {
        Refuse(whyNot, Text::tr("Cannot add: the table holds at most %1 signs").arg(kSignSlots));
        return std::nullopt;
    }
    const int16_t n = table.SignCount;
    SignEntry& entry = table[n];
    entry.SignName = FixedSignName(QString());
    entry.Frames.assign(1, LipFrame::fresh());
    table.SignCount = static_cast<int16_t>(n + 1);
    table.UnsavedChanges = true;
    return n;
}

}  // namespace oralis
