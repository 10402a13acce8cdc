// Splits a half-width katakana reading into syllable entries.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace oralis {

constexpr int kSyllableSlots = 33;  // entries 0..32

constexpr int16_t kPalatalFlag = 0x20;
constexpr int16_t kGeminateFlag = 0x40;
constexpr int16_t kLongFlag = 0x80;
constexpr int16_t kClassMask = 0x1F;

struct Syllables {
    std::array<int16_t, kSyllableSlots> SyllableVowel{};
    std::array<int16_t, kSyllableSlots> SyllableClass{};
    int16_t SyllableCount = 0;
};

enum class ParseFailure { None, UnsupportedCharacter, TooManySyllables };

// Returns -1 when the whole reading is accepted, 0 otherwise. On 0 only entry 0
// has been set; SyllableCount and entries 1..32 keep their values. `why`, when
// given, tells an unsupported character from a reading that needs more than 32
// syllable entries.
int16_t ParseKana(const QString& reading, Syllables& out, ParseFailure* why = nullptr);

// The JIS X 0201 code (166..223) of a half-width katakana character, or -1.
int KanaCode(QChar c);

}  // namespace oralis
