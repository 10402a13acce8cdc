// How the program reads numbers from text and writes them back.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace oralis {

// The leading number of a text: blanks, tabs and line breaks anywhere are
// ignored; then an optional sign, digits, an optional period and digits, an
// optional exponent with E or D; or &H / &O followed by a hexadecimal or octal
// integer. A text without a leading number reads as 0.
double NumericPrefix(QStringView text);
// The same for ASCII text given as bytes (any byte from 0x80 up ends a number).
double NumericPrefix(QByteArrayView bytes);

// Round to the nearest integer, halves to the even one. Empty when the value is
// not finite or the result does not fit in 16 bits.
std::optional<int16_t> RoundToInt16(double value);

// A float's shortest general form with at most 7 significant digits, as the
// table file and the editor write it: 1, 0.5, -12.25, 1E-05.
QString FormatSingle(float value);

// The same form written into `out`, which has room for kMaxSingleText
// characters; returns how many it wrote.
constexpr int kMaxSingleText = 16;
int FormatSingleTo(float value, char* out);

// The ASCII form of a number typed or pasted in full width, as Japanese
// keyboards and input methods give it: full-width digits, point, plus and
// minus, and the minus sign U+2212, become 0-9 . + -; every other character
// stays. One character for one, so a cursor keeps its place.
QString AsciiNumberText(QStringView text);

}  // namespace oralis
