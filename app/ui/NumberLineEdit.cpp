#include "ui/NumberLineEdit.h"

#include "model/NumericText.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QValidator>

namespace oralis {

namespace {

// A line edit runs its validator on every edit, the box's own setText
// included, before it reports the change: the one place where a rewrite
// catches typing, pasting, dropping and input method commits alike. Nothing
// is refused here; what the text means is for its reader to say.
class AsciiNumberValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = AsciiNumberText(input);
        return Acceptable;
    }
};

}  // namespace

NumberLineEdit::NumberLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhPreferNumbers);
    setValidator(new AsciiNumberValidator(this));
}

QVariant NumberLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // QLineEdit answers true whatever the widget attribute says.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void NumberLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The input method may still be on from the box the focus came from.
    QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

}  // namespace oralis
