// Splits a half-width katakana reading into syllable entries.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace oralis {

constexpr int kSyllableSlots = 33;  // entries 0..32

// The class of a syllable entry: bits 0..4 of its class code (kClassMask).
enum SyllableClassCode : int16_t {
    kNoClass = 0,  // entry 0, and a small-tsu entry (which carries kGeminateFlag)
    kVowelClass = 1,  // ｱ..ｵ, and ｦ
    kKRow = 2,
    kSRow = 3,
    kTRow = 4,
    kNRow = 5,
    kHRow = 6,
    kMRow = 7,
    kYRRow = 8,  // y-row and r-row
    kYRRowOld = 9,  // never produced; played as kYRRow
    kWa = 10,
    kBRow = 11,  // h-row with the voiced mark
    kPRow = 12,  // any entry followed by the semi-voiced mark
    kSyllabicN = 13,
};

// Entry 0, the rest before a reading: class kNoClass and no flags, in a bit of its own.
constexpr int16_t kRestEntryClass = 0x1000;

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
