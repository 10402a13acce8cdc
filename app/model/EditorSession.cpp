#include "model/EditorSession.h"

#include "model/DataPlaces.h"
#include "model/Refusal.h"

#include <QCoreApplication>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Editor)
};

bool CountsAsEdit(int slot)
{
    return slot != kUpAngSlot && slot != kLwAngSlot;
}

}  // namespace

QString DiscardQuestion()
{
    return Text::tr("Changes will be discarded");
}

QString DataUpdatedMessage()
{
    return Text::tr("Data updated");
}

EditorSession::EditorSession(SignTable& table)
    : table_(table)
{
    fields_.fill(QStringLiteral("0"));
    fields_[kVrateSlot] = QStringLiteral("1");
}

void EditorSession::FieldEdited(int slot, const QString& text)
{
    if (slot < 0 || slot >= kEditFieldCount)
        return;
    fields_[static_cast<size_t>(slot)] = text;
    if (CountsAsEdit(slot))
        frameChanged_ = true;
}

void EditorSession::ShowTexts(const FieldTexts& texts)
{
    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        QString& field = fields_[static_cast<size_t>(slot)];
        if (field == texts[static_cast<size_t>(slot)])
            continue;
        field = texts[static_cast<size_t>(slot)];
        if (CountsAsEdit(slot))
            frameChanged_ = true;
    }
}

void EditorSession::LoadFrame(EditorView& view, int16_t sign, int16_t frame)
{
    const LipFrame* f = table_.Frame(sign, frame);
    if (!f)
        return;
    ShowTexts(FieldTextsOf(*f));
    view.fields = true;
    view.draw = PreviewFrame(fields_);
}

bool EditorSession::CurrentSignInTable(EditorView& view) const
{
    if (currentSign_ < table_.SignCount)
        return true;
    view.message = SignMissingMessage(currentSign_);
    return false;
}

std::optional<int16_t> EditorSession::NumberedFrame(EditorView& view) const
{
    if (!CurrentSignInTable(view))
        return std::nullopt;
    const FrameNumber n = ReadFrameNumber(frameNo_, table_[currentSign_].FrameCount());
    if (n.check != FrameNumberCheck::Ok) {
        view.message = FrameNumberMessage(n.check);
        return std::nullopt;
    }
    return n.index;
}

void EditorSession::ListOpening(const ConfirmFn& confirm)
{
    if (frameChanged_ && confirm(DiscardQuestion()))
        frameChanged_ = false;
}

EditorView EditorSession::ChooseSign(int position, bool fromList, const ConfirmFn& confirm)
{
    EditorView view;
    if (position < 0 || position >= kSignSlots)
        return view;
    // Only a list not yet brought in step with a smaller table can name a
    // sign beyond it; opening the list has asked already, a key or the wheel
    // on the closed list has not, and must not throw edits away unasked.
    if (position >= table_.SignCount || (!fromList && frameChanged_ && !confirm(DiscardQuestion()))) {
        view.restoreList = true;
        return view;
    }
    currentSign_ = static_cast<int16_t>(position);
    frameNo_ = QStringLiteral("1");
    view.frameNo = frameNo_;
    const SignEntry& sign = table_[currentSign_];
    view.total = sign.FrameCount();
    if (sign.FrameCount() > 0) {
        LoadFrame(view, currentSign_, 0);
    } else {
        // Nothing to load: show what Add Frame would give this sign.
        ShowTexts(FieldTextsOf(LipFrame::fresh()));
        view.fields = true;
        view.draw = PreviewFrame(fields_);
    }
    frameChanged_ = false;
    return view;
}

EditorView EditorSession::FrameNoClicked(const ConfirmFn& confirm)
{
    if (!frameChanged_)
        return {};
    if (confirm(DiscardQuestion())) {
        frameChanged_ = false;
        return {};
    }
    if (savedFrameNo_ == frameNo_)
        return {};
    // Putting the number back is a change of the box like any other.
    EditorView view = FrameNoTyped(savedFrameNo_);
    view.frameNo = frameNo_;
    return view;
}

EditorView EditorSession::FrameNoTyped(const QString& text)
{
    frameNo_ = text;
    EditorView view;
    if (text.trimmed().isEmpty())
        return view;
    const std::optional<int16_t> k = NumberedFrame(view);
    if (!k)
        return view;
    view.total = table_[currentSign_].FrameCount();
    LoadFrame(view, currentSign_, *k);
    return view;
}

EditorView EditorSession::Load()
{
    EditorView view;
    const std::optional<int16_t> k = NumberedFrame(view);
    if (!k)
        return view;
    view.total = table_[currentSign_].FrameCount();
    LoadFrame(view, currentSign_, *k);
    frameChanged_ = false;
    return view;
}

EditorView EditorSession::Disp() const
{
    EditorView view;
    view.draw = PreviewFrame(fields_);
    return view;
}

EditorView EditorSession::Set(const QLocale& locale)
{
    EditorView view;
    const std::optional<int16_t> k = NumberedFrame(view);
    if (!k)
        return view;
    if (!StoreFrame(table_, currentSign_, *k, fields_, locale, &view.message))
        return view;
    frameChanged_ = false;
    tableChanged_ = true;
    view.message = DataUpdatedMessage();
    return view;
}

std::optional<int16_t> EditorSession::ActionSign(QString* whyNot) const
{
    EditorView view;
    if (!CurrentSignInTable(view)) {
        Refuse(whyNot, view.message);
        return std::nullopt;
    }
    return currentSign_;
}

EditorView EditorSession::AddFrame()
{
    EditorView view;
    if (!CurrentSignInTable(view) || !oralis::AddFrame(table_, currentSign_, &view.message))
        return view;
    const int16_t n = table_[currentSign_].FrameCount();
    frameNo_ = QString::number(n);
    view.frameNo = frameNo_;
    view.total = n;
    LoadFrame(view, currentSign_, static_cast<int16_t>(n - 1));
    return view;
}

EditorView EditorSession::DeleteFrame()
{
    EditorView view;
    if (!CurrentSignInTable(view))
        return view;
    const int16_t count = table_[currentSign_].FrameCount();
    if (count <= 1) {
        view.message = count < 1 ? NoFrameMessage() : CannotDeleteMessage();
        return view;
    }
    const std::optional<int16_t> k = NumberedFrame(view);
    if (!k)
        return view;
    const std::optional<int16_t> next = oralis::DeleteFrame(table_, currentSign_, *k, &view.message);
    if (!next)
        return view;
    // The fields held the frame that is gone: left there, Set would write it
    // over the frame that took its place.
    frameNo_ = QString::number(*next + 1);
    view.frameNo = frameNo_;
    view.total = table_[currentSign_].FrameCount();
    LoadFrame(view, currentSign_, *next);
    frameChanged_ = false;
    return view;
}

EditorView EditorSession::CopyFrom(bool confirmed, int16_t sign, int16_t frame)
{
    EditorView view;
    // The dialog hands back only a pair naming a frame, but the table may
    // have changed since.
    if (confirmed && sign >= 0 && sign < table_.SignCount)
        LoadFrame(view, sign, frame);
    return view;
}

EditorView EditorSession::AddChar()
{
    EditorView view;
    const std::optional<int16_t> n = AddSign(table_, &view.message);
    if (!n)
        return view;
    // The frame box goes back to 1 of the current sign, which is then shown,
    // as it is whenever that text changes.
    if (frameNo_ != QStringLiteral("1")) {
        frameNo_ = QStringLiteral("1");
        view.frameNo = frameNo_;
        if (table_[currentSign_].FrameCount() > 0) {
            view.total = table_[currentSign_].FrameCount();
            LoadFrame(view, currentSign_, 0);
        }
    }
    view.newSign = table_[*n].SignName;
    ShowTexts(FieldTextsOf(*table_.Frame(*n, 0)));
    view.fields = true;
    return view;
}

std::optional<QString> EditorSession::SaveFolderToOffer(const QString& programFolder,
                                                        const QString& userFolder)
{
    // An installed program's folder cannot be written, and a table saved
    // anywhere but the user's data folder would not be the one read at the
    // next start. Only the first Save goes there: after it the chooser stays
    // wherever the teacher took it.
    if (saveFolderOffered_)
        return std::nullopt;
    saveFolderOffered_ = true;
    return TableSaveFolder(programFolder, userFolder);
}

bool EditorSession::SaveChosen(bool confirmed, const QString& suffix)
{
    return confirmed && suffix == QStringLiteral(".csv");
}

EditorView EditorSession::Saved(bool written, const QString& whyNot)
{
    EditorView view;
    if (written)
        tableChanged_ = false;
    else
        view.message = whyNot.isEmpty() ? Text::tr("The table was not saved") : whyNot;
    return view;
}

EditorView EditorSession::Close(const ConfirmFn& confirm)
{
    EditorView view;
    if (tableChanged_) {
        if (!confirm(DiscardQuestion()))
            return view;
        tableChanged_ = false;
    }
    view.hide = true;
    return view;
}

CopyChoice::View CopyChoice::ChooseSign(const SignTable& table, int position)
{
    View view;
    if (position < 0 || position >= kSignSlots)
        return view;
    CopyI = static_cast<int16_t>(position);
    CopyJ = 0;
    view.frameNo = QStringLiteral("1");
    view.total = table[CopyI].FrameCount();
    view.show = table.Frame(CopyI, 0);
    return view;
}

CopyChoice::View CopyChoice::Preview(const SignTable& table, QStringView frameNoText)
{
    View view;
    if (CopyI < 0 || CopyI >= table.SignCount) {
        view.message = SignMissingMessage(CopyI, Wording::CopyDialog);
        return view;
    }
    const FrameNumber n = ReadFrameNumber(frameNoText, table[CopyI].FrameCount());
    if (n.check != FrameNumberCheck::Ok) {
        view.message = FrameNumberMessage(n.check, Wording::CopyDialog);
        return view;
    }
    CopyJ = n.index;
    view.show = table.Frame(CopyI, CopyJ);
    return view;
}

QString CopyChoice::OkRefusal(const SignTable& table) const
{
    // The choice may predate a table loaded since, or name a sign without
    // frames: such a pair is refused and the dialog stays open.
    if (CopyI < 0 || CopyI >= table.SignCount)
        return SignMissingMessage(CopyI, Wording::CopyDialog);
    const int16_t count = table[CopyI].FrameCount();
    if (count < 1)
        return FrameNumberMessage(FrameNumberCheck::NoFrame, Wording::CopyDialog);
    if (!table.Frame(CopyI, CopyJ))
        return FrameNumberMessage(FrameNumberCheck::Exceeds, Wording::CopyDialog);
    return QString();
}

}  // namespace oralis
