#include "ui/editor/EditorWidgets.h"

#include "model/ProgramState.h"
#include "ui/Common.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace oralis {

namespace {
const QString kEditorFont = QStringLiteral("Times New Roman");
}

SignList::SignList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    // Typing in the edit area must never add a sign to the list: the list
    // position of an item is its sign index.
    setInsertPolicy(QComboBox::NoInsert);
}

void SignList::showPopup()
{
    emit aboutToOpen();
    QComboBox::showPopup();
}

void SignList::hidePopup()
{
    // The list reports its choice right after it closes, within this same
    // event; by the next one the flag no longer applies.
    fromList_ = true;
    QTimer::singleShot(0, this, [this] { fromList_ = false; });
    QComboBox::hidePopup();
}

void SignList::Refill(const QStringList& names)
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    setCurrentIndex(-1);
    setEditText(text);
}

QStringList SignList::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

SelectingBox::SelectingBox(QWidget* parent, bool selectOnFocus)
    : NumberLineEdit(parent)
    , selectOnFocus_(selectOnFocus)
{
}

void SelectingBox::focusInEvent(QFocusEvent* event)
{
    NumberLineEdit::focusInEvent(event);
    if (!selectOnFocus_) {
        deselect();
        return;
    }
    selectAll();
    // A mouse press places the cursor after the focus arrives; select again
    // once that press has been handled.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectAll();
        });
    emit focusReceived();
}

void SelectingBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TwipLine::TwipLine(QWidget* parent, int x1, int y1, int x2, int y2)
    : QWidget(parent)
{
    const QRect box = TwipRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1))
                          .adjusted(-1, -1, 1, 1);
    setGeometry(box);
    from_ = QPoint(Twips(x1), Twips(y1)) - box.topLeft();
    to_ = QPoint(Twips(x2), Twips(y2)) - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TwipLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(from_, to_);
}

void PaintEditorColours(QWidget* window)
{
    QPalette p = window->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 255));
    p.setColor(QPalette::WindowText, QColor(255, 255, 0));
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

QLabel* EditorLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                    int width, int height, double pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(NamedFont(kEditorFont, pointSize, true));
    PlaceTwips(label, left, top, width, height);
    return label;
}

QPushButton* EditorButton(QWidget* parent, const QString& name, const QString& text, int left,
                          int top, int width, int height, double pointSize)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(NamedFont(kEditorFont, pointSize, true));
    button->setAutoDefault(false);
    PlaceTwips(button, left, top, width, height);
    return button;
}

void SetTextIfDifferent(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

QStringList SignNames()
{
    const SignTable& table = Program().signTable;
    QStringList names;
    const int count = std::clamp<int>(table.SignCount, 0, kSignSlots);
    for (int s = 0; s < count; ++s)
        names << FixedSignName(table[s].SignName);
    return names;
}

}  // namespace oralis
