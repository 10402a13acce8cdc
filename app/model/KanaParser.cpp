#include "model/KanaParser.h"

namespace oralis {

namespace {

constexpr int kFirstCode = 166;   // ｦ

// A new entry for code `c`, as vowel and class; false for the codes that only
// modify the entry before them.
bool EntryFor(int c, int16_t& vowel, int16_t& cls)
{
    struct Row {
        int first;
        int16_t cls;
    };
    static constexpr Row kRows[] = {
        {182, kKRow}, {187, kSRow}, {192, kTRow}, {197, kNRow}, {202, kHRow}, {207, kMRow}, {215, kYRRow},
    };
    for (const Row& row : kRows) {
        if (c >= row.first && c < row.first + 5) {
            vowel = static_cast<int16_t>(c - row.first);
            cls = row.cls;
            return true;
        }
    }
    switch (c) {
    case 212: vowel = 0; cls = kYRRow; return true;  // ﾔ
    case 213: vowel = 2; cls = kYRRow; return true;  // ﾕ
    case 214: vowel = 4; cls = kYRRow; return true;  // ﾖ
    case 220: vowel = 0; cls = kWa; return true;     // ﾜ
    case 166: vowel = 0; cls = kVowelClass; return true;  // ｦ sounds as o but is mouthed as a vowel entry
    default: return false;
    }
}

}  // namespace

int KanaCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0xFF66 || u > 0xFF9F)
        return -1;
    return kFirstCode + (u - 0xFF66);
}

int16_t ParseKana(const QString& reading, Syllables& out, ParseFailure* why)
{
    auto result = [why](ParseFailure f) -> int16_t {
        if (why)
            *why = f;
        return f == ParseFailure::None ? -1 : 0;
    };

    out.SyllableClass[0] = kRestEntryClass;
    out.SyllableVowel[0] = -1;
    for (QChar ch : reading) {
        if (KanaCode(ch) < 0)
            return result(ParseFailure::UnsupportedCharacter);
    }

    // Entries 1..32 change only when the whole reading fits.
    Syllables work = out;
    auto& vowel = work.SyllableVowel;
    auto& cls = work.SyllableClass;
    int p = 1;
    auto append = [&](int16_t v, int16_t c) {
        if (p >= kSyllableSlots)
            return false;
        vowel[static_cast<size_t>(p)] = v;
        cls[static_cast<size_t>(p)] = c;
        ++p;
        return true;
    };

    for (QChar ch : reading) {
        const int c = KanaCode(ch);
        const size_t prev = static_cast<size_t>(p - 1);
        bool fits = true;
        switch (c) {
        case 223:  // ﾟ
            cls[prev] = kPRow;
            break;
        case 222:  // ﾞ: only the h-row changes its mouth shape when voiced
            if (cls[prev] == kHRow)
                cls[prev] = kBRow;
            break;
        case 172:  // ｬ
            cls[prev] |= kPalatalFlag;
            vowel[prev] = 0;
            break;
        case 173:  // ｭ
            cls[prev] |= kPalatalFlag;
            vowel[prev] = 2;
            break;
        case 174:  // ｮ
            cls[prev] |= kPalatalFlag;
            vowel[prev] = 4;
            break;
        case 175:  // ｯ holds the mouth of the vowel before it
            fits = append(vowel[prev], kGeminateFlag);
            break;
        case 176:  // ｰ
            cls[prev] |= kLongFlag;
            break;
        case 221:  // ﾝ
            fits = append(vowel[prev], kSyllabicN);
            break;
        default:
            if (c >= 177 && c <= 181) {
                const int16_t v = static_cast<int16_t>(c - 177);
                // e-i and o-u are spoken as long e and long o.
                if ((v == 1 && vowel[prev] == 3) || (v == 2 && vowel[prev] == 4) || v == vowel[prev])
                    cls[prev] |= kLongFlag;
                else
                    fits = append(v, kVowelClass);
            } else {
                int16_t v = 0;
                int16_t k = kNoClass;
                if (EntryFor(c, v, k))
                    fits = append(v, k);
            }
            break;
        }
        if (!fits)
            return result(ParseFailure::TooManySyllables);
    }

    work.SyllableCount = static_cast<int16_t>(p);
    out = work;
    return result(ParseFailure::None);
}

}  // namespace oralis
