// Switching the input method on and off for a widget and asking it for kana
// input. Qt reaches the platform's input method (ibus, fcitx) only through
// the focused widget's answers to input method queries, so these routines set
// what the widget answers and ask the input method to query again.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace oralis {

// A text box that keeps its own input-method state (the word box): it answers
// the input method's queries itself, so switching it means telling the box.
class ImeTarget {
public:
    virtual void setInputMethodOpen(bool open) = 0;
    // The reading of the input method's last committed result, or empty.
    virtual QString lastResultReading() const = 0;

protected:
    ~ImeTarget() = default;
};

// Conversion mode bits kept per widget, in the input method's own terms.
constexpr int kImeNative = 0x01;     // kana rather than alphanumeric
constexpr int kImeKatakana = 0x02;
constexpr int kImeFullWidth = 0x08;
constexpr int kImeRoman = 0x10;      // kana typed as romaji

// Input method on for `widget` when `flag` is -1, off for any other value.
// Returns 0; a null widget is left alone.
int16_t ImeOpen(QWidget* widget, int16_t flag);

// Switches the input method on and asks for roman-letter input (roman 0 off,
// 1 on), full or half width (width 0, 1) and hiragana, katakana or
// alphanumeric characters (kana 0, 1, 2); other values leave that setting as
// it was. Qt can only hint at alphanumeric input, so hiragana and katakana
// both come down to "not alphanumeric only"; the input method decides the
// rest (Mozc starts in hiragana when set to). Returns 0, or -1 for a null
// widget.
int32_t ImeSetMode(QWidget* widget, int32_t roman, int32_t width, int32_t kana);

// The conversion mode bits last asked for on `widget`.
int ImeConversionMode(const QWidget* widget);

// The reading of the input method's last committed result in `widget` (or in
// the word box inside it), half-width katakana cut at the first blank; empty
// when there is none.
QString ImeReadingOfResult(const QWidget* widget);

}  // namespace oralis
