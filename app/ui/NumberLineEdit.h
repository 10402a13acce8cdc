// The text box of every number the user types: speeds, frame numbers and the
// editor's values.
#pragma once

#include <QLineEdit>

namespace oralis {

// A box that takes a number. The input method never composes in it: coming
// from the word box with Mozc on, digits would otherwise arrive in full width
// and read as 0. Full-width digits, point and signs that still arrive (pasted,
// or committed by an input method that ignores the box's answer) are shown,
// and so read, in ASCII, before any change signal reports them.
class NumberLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberLineEdit(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace oralis
