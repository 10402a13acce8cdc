// Readings of kanji text from MeCab with the IPA dictionary.
#pragma once

#include "model/SpokenReading.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace oralis {

// Debian's default dictionary link may point at UniDic, whose fields are laid
// out differently, so the IPA dictionary is always named.
inline const QString kIpadicFolder = QStringLiteral("/var/lib/mecab/dic/ipadic-utf8");

// Reads text with libmecab, which is loaded on the first reading, not before.
class MecabReader {
public:
    explicit MecabReader(QString dictionaryFolder = kIpadicFolder);
    ~MecabReader();
    MecabReader(const MecabReader&) = delete;
    MecabReader& operator=(const MecabReader&) = delete;

    // The spoken reading of `text` in half-width katakana (SpokenReading:
    // は as ﾜ, 今日 as ｷｮｰ, 先生 as ｾﾝｾｰ); punctuation adds nothing. Empty
    // when a word has no kana reading, or when MeCab cannot be used: then
    // unavailable() turns true and later calls fail at once.
    std::optional<QString> reading(const QString& text);

    // MeCab's words of `text`, or empty when MeCab cannot be used.
    std::optional<QList<Morpheme>> analyse(const QString& text);

    // The spoken readings `text` may have: reading() first, then those of the
    // words written alike that the dictionary holds too (辛い as ﾂﾗｲ, then
    // ｶﾗｲ; 市場 as ｼｼﾞｮｰ, then ｲﾁﾊﾞ). Empty when reading() is.
    QStringList readings(const QString& text);

    // The spoken reading of kana as it is written (half-width or full-width):
    // ｿﾚﾊﾅﾆﾃﾞｽｶ as ｿﾚﾜﾅﾝﾃﾞｽｶ, the dictionary finding the particles and words
    // in it. Empty when `kana` is not kana or MeCab cannot be used.
    std::optional<QString> spokenKana(QStringView kana);

    bool unavailable() const { return failed_; }
    // Why MeCab could not be used (library or dictionary); empty before that.
    QString failure() const { return failure_; }

private:
    bool load();

    QString folder_;
    void* library_ = nullptr;
    struct Api;
    Api* api_ = nullptr;
    void* tagger_ = nullptr;
    bool failed_ = false;
    QString failure_;
};

// The spoken readings of a text as a word list holds it: numbers in digits
// and their counters as the word box reads them (ReadTypedText), everything
// else, kana too, through `mecab` (MecabReader::readings). The readings come
// best first, then those of words written alike; empty with `whyNot` saying
// why when the text has none (a number refused, MeCab missing, a word
// without kana).
struct SpokenText {
    QStringList readings;
    QString whyNot;
};
SpokenText SpokenReadingsOfText(QStringView text, MecabReader& mecab);

// The reader the word box uses, for the whole run.
MecabReader& SharedMecabReader();

// What the learner reads when kanji cannot be read for want of MeCab.
inline const QString kNoDictionaryMessage = QStringLiteral(
    "No dictionary for kanji readings was found. Type the word in kana or romaji "
    "(for example さかな or sakana).");

}  // namespace oralis
