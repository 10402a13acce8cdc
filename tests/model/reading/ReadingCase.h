// What the tests of the readings share: a text with the reading it should
// get, and an expected reading written inline.
#pragma once

#include <QString>
#include <optional>
#include <ostream>

namespace oralis::tests {

inline std::optional<QString> Some(const char16_t* text)
{
    return QString::fromUtf16(text);
}

struct ReadingCase {
    const char16_t* text;
    const char16_t* reading;  // nullptr: no reading of its own
};

// A parameterised test names its case by the text.
inline void PrintTo(const ReadingCase& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.text).toStdString();
}

}  // namespace oralis::tests
