// Readings of typed text that holds numbers written in digits. A dictionary
// reads digits one by one (2024 as ﾆｾﾞﾛﾆﾖﾝ), so numbers are read here, as
// spoken Japanese cardinals with the sound changes of their counter.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

namespace oralis {

// 9999兆9999億9999万9999, the largest number read.
constexpr uint64_t kLargestReadNumber = 9'999'999'999'999'999ULL;

struct TextReading {
    std::optional<QString> reading;  // none when some part of the text has none
    QString refusal;                 // a number that cannot be read, and what to do
};

// Reads a text that came without a composition behind it. Numbers in ASCII or
// full-width digits, with or without thousands separators, are read as spoken
// Japanese cardinals (2024 as ﾆｾﾝﾆｼﾞｭｰﾖﾝ, long vowels written ｰ as the IPA
// dictionary writes them), together with a counter kanji right after them (one
// of 円 年 月 時 分 人 本 個 回 歳, with the sound changes the pair takes: 3本
// ｻﾝﾎﾞﾝ, 1人 ﾋﾄﾘ); a digit group may carry 万 億 兆 (1万2000). Every other
// stretch reads as its own kana or romaji; failing that, `dictionary` reads
// it, unless it is plain ASCII. The pieces are joined in order.
// A number with a decimal point, with another kanji after it, or above
// kLargestReadNumber is refused: `refusal` tells the learner to type it in
// kana, and no reading is given.
using DictionaryReading = std::function<std::optional<QString>(const QString&)>;
TextReading ReadTypedText(QStringView text, const DictionaryReading& dictionary);

}  // namespace oralis
