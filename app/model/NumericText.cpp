#include "model/NumericText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <locale.h>
#include <string>
#include <string_view>
#include <utility>

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
// without copying the text (a field may be megabytes long). `Unit` is
// char16_t for text, unsigned char for ASCII bytes: a number is ASCII either
// way, and no byte of a multibyte character in UTF-8 or CP932 is a digit, a
// sign, a period or a blank.
template <typename Unit>
class Cursor {
public:
    Cursor(const Unit* begin, const Unit* end) : p_(begin), end_(end) { skip(); }
    char16_t peek() const { return p_ != end_ ? char16_t(*p_) : u'\0'; }
    void take()
    {
        if (p_ != end_)
            ++p_;
        skip();
    }

private:
    void skip()
    {
        while (p_ != end_ && *p_ <= Unit(' ') && IsIgnoredBlank(char16_t(*p_)))
            ++p_;
    }
    const Unit* p_;
    const Unit* end_;
};

// &H and &O read as plain non-negative integers; a value too large for a
// double becomes inf, which every caller refuses like any other bad number.
template <typename C>
double RadixPrefix(C c, int radix)
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
template <typename C>
bool ExactDecimal(C c, double& value)
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
template <typename C>
double StrtodPrefix(C c)
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

template <typename C>
double Prefix(C c)
{
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

}  // namespace

double NumericPrefix(QStringView text)
{
    const char16_t* begin = text.utf16();
    return Prefix(Cursor<char16_t>(begin, begin + text.size()));
}

double NumericPrefix(QByteArrayView bytes)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = begin + bytes.size();
    // Nearly every field of a table is a short plain decimal ("0", "-1.125",
    // "12 "): read at once, it gives what ExactDecimal would.
    const unsigned char* p = begin;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    for (; p != end && IsDigit(*p) && digits < 15; ++p, ++digits)
        mantissa = mantissa * 10 + (*p - '0');
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p) && digits < 15; ++p, ++digits, ++fractionDigits)
            mantissa = mantissa * 10 + (*p - '0');
    }
    while (p != end && IsIgnoredBlank(*p))
        ++p;
    if (p == end && digits > 0) {
        const double whole = static_cast<double>(mantissa);
        const double value = fractionDigits == 0 ? whole : whole / kExactTens[fractionDigits];
        return negative && value != 0 ? -value : value;  // no negative zero from "-0"
    }
    return Prefix(Cursor<unsigned char>(begin, end));
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

namespace {

// The %G form with 7 digits of a value from 1E-04 up to 1E+06, made the
// way %G makes it (round to 7 significant digits, drop trailing zeros) but
// without its general machinery: a float times a power of ten up to 1E+10
// fits a double's 53 bits, so the rounding is exact. -1 for a tie, or a
// rounding that reaches the next power of ten, which the slow way handles.
// Saving a large table formats millions of values.
int FormatSevenDigits(float value, char* out)
{
    const double x = std::fabs(static_cast<double>(value));
    if (!(x >= 1e-4 && x < 1e6))
        return -1;
    constexpr double kDecadeEnds[] = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5};
    int decade = -4;  // the exponent X of x = d.ddd x 10^X
    while (decade < 5 && x >= kDecadeEnds[decade + 4])
        ++decade;
    int fractionDigits = 6 - decade;
    const double scaled = x * kExactTens[fractionDigits];
    auto digits = static_cast<uint64_t>(scaled);
    const double rest = scaled - static_cast<double>(digits);
    if (rest == 0.5)
        return -1;
    digits += rest > 0.5 ? 1 : 0;
    // Seven digits exactly, or the decade was misjudged at its edge.
    if (digits < 1000000 || digits >= 10000000)
        return -1;
    // Trailing zeros of the fraction go, four, two and one at a time.
    for (const auto& [count, power] : {std::pair{4, 10000u}, std::pair{2, 100u}, std::pair{1, 10u}}) {
        if (fractionDigits >= count && digits % power == 0) {
            digits /= power;
            fractionDigits -= count;
        }
    }

    char* p = out;
    if (value < 0)
        *p++ = '-';
    const auto scale = static_cast<uint64_t>(kExactTens[fractionDigits]);
    p = std::to_chars(p, p + kMaxSingleText, digits / scale).ptr;
    if (fractionDigits > 0) {
        *p++ = '.';
        uint64_t fraction = digits % scale;
        for (int d = fractionDigits - 1; d >= 0; --d, fraction /= 10)
            p[d] = static_cast<char>('0' + fraction % 10);
        p += fractionDigits;
    }
    return static_cast<int>(p - out);
}

}  // namespace

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
    if (const int n = FormatSevenDigits(value, out); n >= 0)
        return n;

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
