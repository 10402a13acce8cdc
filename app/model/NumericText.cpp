#include "model/NumericText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

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

// &H and &O read as plain non-negative integers; a value too large for a
// double becomes inf, which every caller refuses like any other bad number.
double RadixPrefix(const std::u16string& s, size_t from, int radix)
{
    double value = 0;
    for (size_t i = from; i < s.size(); ++i) {
        const int d = DigitValue(s[i], radix);
        if (d < 0)
            break;
        value = value * radix + d;
    }
    return value;
}

// strtod follows LC_NUMERIC, which the application sets from the user's
// environment; tables always use a period, so parse under the C locale.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

}  // namespace

double NumericPrefix(QStringView text)
{
    std::u16string s;
    s.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        if (!IsIgnoredBlank(ch.unicode()))
            s.push_back(ch.unicode());
    }

    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return RadixPrefix(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return RadixPrefix(s, 2, 8);
        return 0;
    }

    // Copy the longest decimal prefix into plain ASCII, with D turned into E,
    // and leave the arithmetic (and its correct rounding) to strtod.
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.push_back(static_cast<char>(s[i++]));
    size_t mantissaDigits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        number.push_back(static_cast<char>(s[i++]));
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == u'.') {
        number.push_back('.');
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            number.push_back(static_cast<char>(s[i++]));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.push_back(static_cast<char>(s[j++]));
        bool any = false;
        while (j < s.size() && IsDigit(s[j])) {
            exponent.push_back(static_cast<char>(s[j++]));
            any = true;
        }
        // "1E" or "1E+" is the number 1 followed by letters.
        if (any)
            number += exponent;
    }

    const double value = strtod_l(number.c_str(), nullptr, CLocale());
    return value == 0 ? 0.0 : value;  // no negative zero from "-0"
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

QString FormatSingle(float value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0");  // negative zero too

    // %G rules with 7 significant digits: exponent form below 1E-04 and from
    // 1E+07 up, trailing zeros dropped, at least two exponent digits.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, 7);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
    return text.toUpper();
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
