// The reading of analysed text as people say it, which is what the lips show:
// a dictionary spells many words otherwise than they are spoken.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace oralis {

// One word of MeCab's analysis with the IPA dictionary: its text and its
// comma-separated features (part of speech 0..5, base form 6, reading 7,
// pronunciation 8; an unknown word has fewer).
struct Morpheme {
    QString surface;
    QString features;
};

// The spoken reading of `words` in half-width katakana: the dictionary's
// pronunciation (は as ﾜ, 学校 as ｶﾞｯｺｰ), with the sound changes speech makes
// that the dictionary leaves out (先生 ｾﾝｾｰ, 何ですか ﾅﾝﾃﾞｽｶ, ましょう ﾏｼｮｰ,
// を ｵ). Punctuation adds nothing; a word the dictionary does not know reads
// as its own kana or romaji. Empty when some word has no kana reading.
std::optional<QString> SpokenReading(const QList<Morpheme>& words);

}  // namespace oralis
