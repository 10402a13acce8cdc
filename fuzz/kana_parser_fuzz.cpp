// Any text as a reading: the parser must never write past entry 32, and a
// refused reading must leave the earlier result alone.
#include "model/KanaParser.h"

#include <cstdint>
#include <cstdlib>

using namespace oralis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reading = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Syllables s;
    s.SyllableCount = 5;
    s.SyllableClass[32] = 77;
    ParseFailure why = ParseFailure::None;
    const int16_t ok = ParseKana(reading, s, &why);
    if (ok == -1) {
        if (why != ParseFailure::None || s.SyllableCount < 1 || s.SyllableCount > kSyllableSlots)
            std::abort();
        if (s.SyllableCount < kSyllableSlots && s.SyllableClass[32] != 77)
            std::abort();
    } else if (ok != 0 || why == ParseFailure::None || s.SyllableCount != 5 || s.SyllableClass[32] != 77) {
        std::abort();
    }
    return 0;
}
