#include "model/NumericText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <locale.h>
#include <string>
#include <string_view>

namespace oralis {

namespace {

bool IsIgnoredBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c, int radix)
{
    int d = -1;
    if (c >= u'0' && c <= u'9')
        d = c - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c - u'A' + 10;
    return d < radix ? d : -1;
}

// The characters of a text with the ignored blanks left out, one at a time,
// without copying the text (a field may be megabytes long).
class Cursor {
public:
    explicit Cursor(QStringView text) : p_(text.utf16()), end_(text.utf16() + text.size()) { skip(); }
    char16_t peek() const { return p_ != end_ ? *p_ : u'\0'; }
    void take()
    {
        if (p_ != end_)
            ++p_;
        skip();
    }

private:
    void skip()
    {
        while (p_ != end_ && *p_ <= u' ' && IsIgnoredBlank(*p_))
            ++p_;
    }
    const char16_t* p_;
    const char16_t* end_;
};

// &H and &O read as plain non-negative integers; a value too large for a
// double becomes inf, which every caller refuses like any other bad number.
double RadixPrefix(Cursor c, int radix)
{
    double value = 0;
    for (int d; (d = DigitValue(c.peek(), radix)) >= 0; c.take())
        value = value * radix + d;
    return value;
}

// Powers of ten that a double holds exactly.
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// strtod follows LC_NUMERIC, which the application sets from the user's
// environment; tables always use a period, so parse under the C locale.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

bool IsExponentMark(char16_t c)
{
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// Most fields are short decimals without an exponent ("0", "-1.125"): their
// digits and the power of ten are both exact doubles, so one division rounds
// correctly, as strtod would. False for anything else.
bool ExactDecimal(Cursor c, double& value)
{
    const bool negative = c.peek() == u'-';
    if (c.peek() == u'+' || c.peek() == u'-')
        c.take();
    uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    auto take = [&](bool fraction) {
        for (; IsDigit(c.peek()); c.take()) {
            if (mantissa >= (uint64_t(1) << 53) / 10)
                return false;
            mantissa = mantissa * 10 + static_cast<uint64_t>(c.peek() - u'0');
            ++digits;
            fractionDigits += fraction ? 1 : 0;
        }
        return true;
    };
    if (!take(false))
        return false;
    if (c.peek() == u'.') {
        c.take();
        if (!take(true))
            return false;
    }
    if (digits == 0) {
        value = 0;
        return true;
    }
    if (IsExponentMark(c.peek()) || fractionDigits >= static_cast<int>(std::size(kExactTens)))
        return false;
    value = static_cast<double>(mantissa) / kExactTens[fractionDigits];
    if (negative && value != 0)  // no negative zero from "-0"
        value = -value;
    return true;
}

// The longest decimal prefix copied into plain ASCII, with D turned into E,
// for strtod and its correct rounding of any length and exponent.
double StrtodPrefix(Cursor c)
{
    std::string number;
    if (c.peek() == u'+' || c.peek() == u'-') {
        number.push_back(static_cast<char>(c.peek()));
        c.take();
    }
    size_t mantissaDigits = 0;
    auto take = [&] {
        for (; IsDigit(c.peek()); c.take()) {
            number.push_back(static_cast<char>(c.peek()));
            ++mantissaDigits;
        }
    };
    take();
    if (c.peek() == u'.') {
        number.push_back('.');
        c.take();
        take();
    }
    if (mantissaDigits == 0)
        return 0;
    if (IsExponentMark(c.peek())) {
        c.take();
        std::string exponent = "e";
        if (c.peek() == u'+' || c.peek() == u'-') {
            exponent.push_back(static_cast<char>(c.peek()));
            c.take();
        }
        bool any = false;
        for (; IsDigit(c.peek()); c.take()) {
            exponent.push_back(static_cast<char>(c.peek()));
            any = true;
        }
        // "1E" or "1E+" is the number 1 followed by letters.
        if (any)
            number += exponent;
    }
    const double value = strtod_l(number.c_str(), nullptr, CLocale());
    return value == 0 ? 0.0 : value;  // no negative zero from "-0"
}

}  // namespace

double NumericPrefix(QStringView text)
{
    Cursor c(text);
    if (c.peek() == u'&') {
        c.take();
        const char16_t radix = c.peek();
        c.take();
        if (radix == u'H' || radix == u'h')
            return RadixPrefix(c, 16);
        if (radix == u'O' || radix == u'o')
            return RadixPrefix(c, 8);
        return 0;
    }

    double value = 0;
    if (ExactDecimal(c, value))
        return value;
    return StrtodPrefix(c);
}

std::optional<int16_t> RoundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole < -32768 || whole > 32767)
        return std::nullopt;
    return static_cast<int16_t>(whole);
}

int FormatSingleTo(float value, char* out)
{
    auto literal = [out](std::string_view text) {
        std::copy(text.begin(), text.end(), out);
        return static_cast<int>(text.size());
    };
    if (std::isnan(value))
        return literal("NaN");
    if (std::isinf(value))
        return literal(value < 0 ? "-Infinity" : "Infinity");
    if (value == 0)
        return literal("0");  // negative zero too

    // %G rules with 7 significant digits: exponent form below 1E-04 and from
    // 1E+07 up, trailing zeros dropped, at least two exponent digits.
    const auto result = std::to_chars(out, out + kMaxSingleText, static_cast<double>(value),
                                      std::chars_format::general, 7);
    for (char* p = out; p != result.ptr; ++p) {
        if (*p == 'e')
            *p = 'E';
    }
    return static_cast<int>(result.ptr - out);
}

QString FormatSingle(float value)
{
    char buffer[kMaxSingleText];
    return QString::fromLatin1(buffer, FormatSingleTo(value, buffer));
}

QString AsciiNumberText(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'\uFF10' && u <= u'\uFF19')
            c = QChar(u'0' + (u - u'\uFF10'));
        else if (u == u'\uFF0E')
            c = u'.';
        else if (u == u'\uFF0B')
            c = u'+';
        else if (u == u'\uFF0D' || u == u'\u2212')
            c = u'-';
    }
    return out;
}

}  // namespace oralis
