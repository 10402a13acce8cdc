// The word box `InputArea`: follows the input method's composition so that the
// reading of each committed result is known.
#pragma once

#include "model/KanaReading.h"
#include "model/NumberReading.h"
#include "ui/main/ImeCtrl.h"

#include <QLineEdit>
#include <QString>
#include <optional>

namespace oralis {

class MecabReader;

class KanaLineEdit : public QLineEdit, public ImeTarget {
    Q_OBJECT
public:
    explicit KanaLineEdit(QWidget* parent = nullptr);

    // Whether the input method may compose in this box (ImeOpen switches it).
    void setInputMethodOpen(bool open) override;
    bool inputMethodOpen() const { return imeOpen_; }

    // The reading of the input method's last committed result, empty before
    // the first one (or when the composition gave none).
    QString lastResultReading() const override { return resultReading_; }
    // The reading last announced through readingChanged.
    QString reading() const { return reading_; }
    // Why that reading is empty when a number in the text cannot be read
    // (what to type instead); empty otherwise.
    QString readingRefusal() const { return refusal_; }

    // Shows a word the learner did not type (the quiz's). It is read like any
    // text set from outside; the next click into the box starts a new word,
    // even when the box has kept the focus since.
    void showWord(const QString& text);

    // Kanji are read with `reader` instead of the program's shared one.
    void setMecabReader(MecabReader* reader) { mecab_ = reader; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // The reading (half-width katakana) after every change of the text; empty
    // when none can be found.
    void readingChanged(const QString& halfWidthKatakana);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void onTextChanged(const QString& text);
    // The reading of text that came without a composition behind it.
    TextReading readText(const QString& text);
    // MeCab's reading; the first time MeCab turns out to be missing, the
    // learner is told how to do without it.
    std::optional<QString> mecabReading(const QString& text);
    void announce(const TextReading& reading);

    MecabReader* mecab_ = nullptr;
    bool imeOpen_ = true;
    CompositionReading composition_;
    bool committing_ = false;
    bool composing_ = false;
    bool newWordOnClick_ = false;
    bool changedByCommit_ = false;
    TextReading commitReading_;
    QString resultReading_;
    QString reading_;
    QString refusal_;
};

}  // namespace oralis
