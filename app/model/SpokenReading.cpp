#include "model/SpokenReading.h"

#include "model/KanaReading.h"

#include <QHash>
#include <QStringList>
#include <QStringView>

namespace oralis {

namespace {

// Kanji whose on-reading (the Sino-Japanese reading) ends in エイ, by that
// reading. From KANJIDIC (EDRDG, Creative Commons Attribution-ShareAlike 3.0,
// Debian package kanjidic 2022.08.23), kanji of the Joyo and Jinmeiyo lists;
// written by tools/wordlist/ei_kanji.py.
constexpr struct {
    const char16_t* reading;
    const char16_t* kanji;
} kEiKanji[] = {
    {u"エイ", u"叡営影映曳栄永泳瑛英衛詠鋭榮衞"},
    {u"ケイ", u"馨掛京競卿境鏡係傾刑兄啓圭型契形径恵慶慧憩掲携敬景桂渓稽系経継茎蛍計詣警軽鶏頃勁奎彗惠憬鷄"},
    {u"ゲイ", u"詣芸迎鯨児兒藝"},
    {u"セイ", u"井甥歳済犀剤錆省城情浄蒸世凄制勢姓征性成政整星晴棲栖正清牲生盛精聖声製西誠誓請逝醒青静斉婿貰靖丼彗惺晟淨靜齊"},
    {u"ゼイ", u"勢税説"},
    {u"テイ", u"鵜体滞第醍丁庁聴綴亭低停偵貞呈堤定帝底庭廷弟悌抵挺提梯汀禎程締艇訂諦蹄逓邸鄭釘鼎砥薙廳滯逞"},
    {u"デイ", u"泥禰祢"},
    {u"ネイ", u"寧"},
    {u"ヘイ", u"坪病丙併兵塀幣平弊柄並蔽閉陛餅"},
    {u"ベイ", u"皿謎塀米"},
    {u"メイ", u"謎冥名命明盟迷銘鳴"},
    {u"レイ", u"戻涙令伶例冷励嶺怜玲礼鈴隷零霊麗齢澪禮羚莉黎"},
};

const QHash<char16_t, QStringList>& EiReadings()
{
    static const QHash<char16_t, QStringList> table = [] {
        QHash<char16_t, QStringList> t;
        for (const auto& row : kEiKanji)
            for (QChar k : QStringView(row.kanji))
                t[k.unicode()] << QString::fromUtf16(row.reading);
        return t;
    }();
    return table;
}

bool IsKanaChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x3041 && u <= 0x309F) || (u >= 0x30A1 && u <= 0x30FF);
}

bool AllKana(QStringView text)
{
    for (QChar c : text)
        if (!IsKanaChar(c))
            return false;
    return true;
}

// Speech lengthens the エイ of a Sino-Japanese word into a long e (先生
// センセー, 時計 トケー, 映画 エーガ, 丁寧 テーネー): "in the common language the
// vowel sequence エイ is normally pronounced as the long vowel エー"
// (『NHK編 日本語発音アクセント辞典』, 全日本の発音とアクセント), and the
// official spelling keeps い for these words however they are said (現代仮名遣い,
// 内閣告示第1号 1986, 付記: えいが, とけい, ていねい; the 国語審議会 notes that
// they are chiefly 字音語, Sino-Japanese words). Where e and i belong to two
// native parts (手入れ テ+イレ, 目医者 メ+イシャ) both vowels are said. So only
// the エイ that is the on-reading of one kanji of the word is lengthened. The
// dictionary does not say which kana of a word's reading belong to which
// kanji: a kanji is placed by the kana before it, or after it, when those
// are all kana; between other kanji, by its reading occurring only once.
void LengthenSinoJapaneseEi(const QString& surface, QString& pron)
{
    const QHash<char16_t, QStringList>& table = EiReadings();
    for (qsizetype i = 0; i < surface.size(); ++i) {
        const auto it = table.constFind(surface[i].unicode());
        if (it == table.constEnd())
            continue;
        const QStringView before = QStringView(surface).left(i);
        const QStringView after = QStringView(surface).mid(i + 1);
        for (const QString& on : *it) {
            qsizetype at = -1;
            if (AllKana(before))
                at = before.size();
            else if (AllKana(after))
                at = pron.size() - after.size() - on.size();
            else if (pron.count(on) == 1)
                at = pron.indexOf(on);
            if (at >= 0 && QStringView(pron).mid(at, on.size()) == on) {
                pron[at + on.size() - 1] = u'ー';
                break;
            }
        }
    }
}

// Katakana whose vowel is o.
bool EndsInO(QStringView kana)
{
    return !kana.isEmpty() && QStringView(u"オォコゴソゾトドノホボポモヨョロヲ").contains(kana.back());
}

struct Word {
    QString surface;
    QStringList fields;
    QString pron;  // full-width katakana; empty for a word the dictionary lacks
    bool is(int field, const char16_t* value) const { return fields.value(field) == QStringView(value); }
};

// The pronunciation field, after the part of speech (0..5), the base form
// and the reading.
constexpr int kPronunciationField = 8;

Word Analysed(const Morpheme& m)
{
    Word w{m.surface, m.features.split(u','), QString()};
    if (w.fields.size() > kPronunciationField && w.fields[kPronunciationField] != u"*")
        w.pron = w.fields[kPronunciationField];
    return w;
}

}  // namespace

std::optional<QString> SpokenReading(const QList<Morpheme>& morphemes)
{
    QList<Word> words;
    for (const Morpheme& m : morphemes) {
        Word w = Analysed(m);
        if (!w.is(0, u"記号"))  // punctuation is not spoken
            words << w;
    }
    QString out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        Word& w = words[i];
        const Word* prev = i > 0 ? &words[i - 1] : nullptr;
        const Word* next = i + 1 < words.size() ? &words[i + 1] : nullptr;

        // The dictionary reads 一人 and 二人 as a number and a counter (イチニン);
        // alone they are ひとり and ふたり (常用漢字表, 付表), though 十一人 is
        // じゅういちにん.
        if ((w.surface == u"一" || w.surface == u"二") && w.is(1, u"数") && next &&
            next->surface == u"人" && next->is(2, u"助数詞") && !(prev && prev->is(1, u"数"))) {
            out += QStringView(w.surface == u"一" ? u"ﾋﾄﾘ" : u"ﾌﾀﾘ");
            ++i;
            continue;
        }
        // 四人 is よにん, however large the number (常用漢字表: 四 よ).
        if (w.surface == u"四" && w.is(1, u"数") && next && next->surface == u"人" && next->is(2, u"助数詞"))
            w.pron = QStringLiteral("ヨ");
        // 何 is なん before the sounds d, t and n (なんですか, なんと, なんの), as
        // the NHK 放送文化研究所 advises, and before 曜日 and the counter 名
        // (なんようび, なんめい); the dictionary keeps なに there when they are
        // words of their own.
        if ((w.surface == u"何" || w.surface == u"なに") && w.pron == u"ナニ" && next) {
            for (const char16_t* start : {u"で", u"だ", u"と", u"の", u"曜"})
                if (next->surface.startsWith(QStringView(start)))
                    w.pron = QStringLiteral("ナン");
            if (next->surface == u"名" && next->is(1, u"接尾"))
                w.pron = QStringLiteral("ナン");
        }
        // The particle を is said お, as は and へ are said わ and え; the
        // dictionary pronounces those two so, but を as ヲ (現代仮名遣い, 第2).
        if (w.is(0, u"助詞") && w.surface == u"を")
            w.pron = QStringLiteral("オ");
        // After a noun MeCab takes "はいり" for the verb 入る written in kana
        // rather than the topic particle and いる (袋はいりません, お金はいり
        // ません): its connection costs favour noun + verb over noun +
        // particle + verb. A noun followed by a verb without any particle is
        // rare in writing, so は is read as the particle there.
        if (w.is(0, u"動詞") && w.is(6, u"はいる") && w.surface.startsWith(u"はい") && prev &&
            prev->is(0, u"名詞") && !w.pron.isEmpty())
            w.pron = QStringLiteral("ワ") + w.pron.mid(1);
        // The auxiliary う after an o (行こう, ましょう, でしょう, だろう, split by
        // the dictionary as イコ + ウ) lengthens the o: 現代仮名遣い writes
        // these as the long o with う (あそぼう, よいでしょう).
        if (w.is(0, u"助動詞") && w.surface == u"う" && prev && EndsInO(prev->pron))
            w.pron = QStringLiteral("ー");
        LengthenSinoJapaneseEi(w.surface, w.pron);

        std::optional<QString> kana;
        if (!w.pron.isEmpty())
            kana = KanaToHalfWidth(w.pron);
        if (!kana)
            kana = OwnReading(w.surface);
        if (!kana)
            return std::nullopt;
        out += *kana;
    }
    return out;
}

}  // namespace oralis
