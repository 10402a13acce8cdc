// Small widgets and builders shared by the editor and its copy-from dialog.
#pragma once

#include "ui/NumberLineEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace oralis {

// The sign list: an editable combo box that announces the opening of its list
// before it opens, so the editor can ask about unset edits first.
class SignList : public QComboBox {
    Q_OBJECT
public:
    explicit SignList(QWidget* parent = nullptr);
    void showPopup() override;
    void hidePopup() override;

    // True while an activation comes from the opened list, false when it
    // comes from the keyboard or the mouse wheel on the closed box.
    bool ChosenFromList() const { return fromList_; }

    // Replaces the items with `names` and keeps the text of the edit area.
    void Refill(const QStringList& names);
    QStringList Items() const;

signals:
    void aboutToOpen();

private:
    bool fromList_ = false;
};

// A number box that selects its whole text whenever it receives the focus
// (also by mouse, where a line edit would otherwise just place the cursor) and
// reports clicks.
class SelectingBox : public NumberLineEdit {
    Q_OBJECT
public:
    explicit SelectingBox(QWidget* parent = nullptr, bool selectOnFocus = true);

signals:
    void focusReceived();
    void clicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool selectOnFocus_;
};

// A straight line between two points given in twips of the parent's client
// area; it lets clicks through to what lies below.
class TwipLine : public QWidget {
    Q_OBJECT
public:
    TwipLine(QWidget* parent, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
};

// The editor windows' look: a blue client area with yellow label text.
void PaintEditorColours(QWidget* window);

// A transparent label in the editor's bold Times New Roman.
QLabel* EditorLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                    int width, int height, double pointSize = 12.0);
// A button in the editor's bold Times New Roman.
QPushButton* EditorButton(QWidget* parent, const QString& name, const QString& text, int left,
                          int top, int width, int height, double pointSize = 12.0);

// Sets a text box's text only when it differs, so that change handlers run
// exactly when the text really changes.
void SetTextIfDifferent(QLineEdit* box, const QString& text);

// The sign names of entries 0..SignCount-1, each its full ten characters.
QStringList SignNames();

}  // namespace oralis
