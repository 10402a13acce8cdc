// Readings of text that carries its own pronunciation: kana of any width and
// romaji. Every reading comes out as half-width katakana, the form the syllable
// parser reads.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace oralis {

// Hiragana become katakana; everything else is kept.
QString HiraganaToKatakana(QStringView text);

// Full-width hiragana of kana of any width (ｶﾞｯｺｰ → がっこー), the long-vowel
// mark kept; everything else is kept as well.
QString FullWidthHiragana(QStringView text);

// Half-width katakana of a text made of hiragana, katakana of either width,
// the long-vowel mark and voicing marks (ガ → ｶﾞ, ヴ → ｳﾞ, ヮ → ﾜ, ヰ → ｲ).
// Blanks are dropped. Empty when any other character is present.
std::optional<QString> KanaToHalfWidth(QStringView text);
bool IsKanaText(QStringView text);

// Half-width katakana of romaji, Hepburn or Kunrei, in either case and in
// half- or full-width letters: "shi"/"si", "tsu"/"tu", n' for a syllabic n
// before a vowel, doubled consonants as a small tsu, "-" and macrons as the
// long-vowel mark. Blanks are dropped. Empty when the text holds anything that
// is not romaji or ends in a consonant that starts no syllable.
std::optional<QString> RomajiToHalfWidth(QStringView text);
bool IsRomajiText(QStringView text);

// The reading a text gives by itself: kana first, then romaji. Empty for a
// text that is neither (kanji, digits, punctuation); an empty text reads as
// an empty reading.
std::optional<QString> OwnReading(QStringView text);

// Follows one input-method composition and tells the reading of what it
// commits. The last preedit made only of kana is taken as the reading of the
// conversion that follows it, since no input method hands over its reading.
class CompositionReading {
public:
    // The input method showed `preedit` (empty when the composition ended
    // without a commit).
    void preedit(QStringView preedit);
    // The input method committed `text`, leaving `preeditAfter` in place.
    // Returns the reading of `text`, or empty when the composition gives none
    // (the caller then reads the committed text some other way).
    std::optional<QString> commit(QStringView text, QStringView preeditAfter);

private:
    QString kana_;  // last preedit of pure kana in the running composition
};

}  // namespace oralis
