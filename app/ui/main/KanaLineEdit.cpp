#include "ui/main/KanaLineEdit.h"

#include "model/MecabReading.h"
#include "ui/Common.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>

namespace oralis {

KanaLineEdit::KanaLineEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &KanaLineEdit::onTextChanged);
}

void KanaLineEdit::setInputMethodOpen(bool open)
{
    imeOpen_ = open;
    setAttribute(Qt::WA_InputMethodEnabled, open);
}

QVariant KanaLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // QLineEdit answers ImEnabled with true whatever the widget attribute says,
    // which would leave the input method on after ImeOpen switched it off.
    if (query == Qt::ImEnabled)
        return imeOpen_;
    return QLineEdit::inputMethodQuery(query);
}

void KanaLineEdit::focusInEvent(QFocusEvent* event)
{
    // Each visit starts a new word. Getting the focus back with the window
    // (after a message, the quiz dialog or another program) or from the box's
    // own context menu is no new visit: the word shown there stays.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        clear();
    ImeSetMode(this, 1, 0, 0);
    QLineEdit::focusInEvent(event);
}

void KanaLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    ImeOpen(this, 0);
}

void KanaLineEdit::showWord(const QString& text)
{
    setText(text);
    newWordOnClick_ = true;
}

void KanaLineEdit::mousePressEvent(QMouseEvent* event)
{
    // The quiz's word stays while the focus comes back with the window, and
    // a click into a box that has the focus is no focus change; without this
    // the learner's next word would be added to the quiz's.
    if (newWordOnClick_ && event->button() == Qt::LeftButton) {
        newWordOnClick_ = false;
        clear();
    }
    QLineEdit::mousePressEvent(event);
}

void KanaLineEdit::keyPressEvent(QKeyEvent* event)
{
    // Return that reaches the box while a word is still being composed would
    // start a word the learner has not finished.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && composing_) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KanaLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    composing_ = !event->preeditString().isEmpty();
    if (event->commitString().isEmpty()) {
        composition_.preedit(event->preeditString());
        QLineEdit::inputMethodEvent(event);
        return;
    }
    commitReading_ = TextReading{composition_.commit(event->commitString(), event->preeditString()), {}};
    if (!commitReading_.reading)
        commitReading_ = readText(event->commitString());
    resultReading_ = commitReading_.reading.value_or(QString());
    committing_ = true;
    changedByCommit_ = false;
    QLineEdit::inputMethodEvent(event);
    committing_ = false;
    // A commit that leaves the text as it was (the same word over its own
    // selection) is still a new result.
    if (!changedByCommit_)
        announce(commitReading_);
}

void KanaLineEdit::onTextChanged(const QString& text)
{
    // Any change, the learner's own typing included, makes the box's word
    // theirs again.
    newWordOnClick_ = false;
    if (committing_) {
        changedByCommit_ = true;
        announce(commitReading_);
        return;
    }
    announce(readText(text));
}

TextReading KanaLineEdit::readText(const QString& text)
{
    return ReadTypedText(text, [this](const QString& rest) { return mecabReading(rest); });
}

std::optional<QString> KanaLineEdit::mecabReading(const QString& text)
{
    MecabReader& mecab = mecab_ ? *mecab_ : SharedMecabReader();
    const bool wasAvailable = !mecab.unavailable();
    std::optional<QString> reading = mecab.reading(text);
    if (wasAvailable && mecab.unavailable()) {
        // Said once: the reader does not try again, so this cannot recur.
        std::fprintf(stderr, "oralis: %s\n", qPrintable(mecab.failure()));
        ShowMessage(window(), kNoDictionaryMessage);
    }
    return reading;
}

void KanaLineEdit::announce(const TextReading& reading)
{
    reading_ = reading.reading.value_or(QString());
    refusal_ = reading.refusal;
    emit readingChanged(reading_);
}

}  // namespace oralis
