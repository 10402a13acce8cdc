#include "model/NumberReading.h"

#include "model/KanaReading.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

// Sources of the readings. Words and their spelling (二 ﾆ, 四 ﾖﾝ, 七 ﾅﾅ, 九 ｷｭｰ,
// 十 ｼﾞｭｰ, 千 ｾﾝ, 兆 ﾁｮｰ, 零 ﾚｲ, 四月 ｼｶﾞﾂ, 七月 ｼﾁｶﾞﾂ, 九月 ｸｶﾞﾂ, 千本 ｾﾝﾎﾞﾝ) are
// the MeCab IPA dictionary's pronunciations, as `mecab -d ipadic-utf8` gives
// them for the kanji numerals. The dictionary reads 三百 or 一本 word by word,
// without the sound changes, so those (びゃく ぴゃく ぜん っせん っちょう and
// the counter forms) follow the counter tables of the NHK日本語発音アクセント
// 新辞典 (NHK放送文化研究所, 2016). Where it gives two forms the one chosen is
// named at its rule.

namespace oralis {

namespace {

// What the last spoken word of a number is: it takes a counter's sound change.
enum Tail : int {
    kZero = 0,
    // 1..9: the ones digit
    kTen = 10,
    kHundred,
    kThousand,
    kMan,
    kOku,
    kCho,
    kCounted,
};

// The spoken words of a number, appended to a reading.
struct Words {
    explicit Words(QString& out) : text(out), lastAt(out.size()) {}

    QString& text;
    qsizetype lastAt;  // where the last word starts
    int tail = kZero;

    void append(const char16_t* word, int kind)
    {
        lastAt = text.size();
        text += QStringView(word);
        tail = kind;
    }
};

constexpr const char16_t* kOnes[] = {u"", u"ｲﾁ", u"ﾆ", u"ｻﾝ", u"ﾖﾝ", u"ｺﾞ", u"ﾛｸ", u"ﾅﾅ", u"ﾊﾁ", u"ｷｭｰ"};
constexpr const char16_t* kTens[] = {u"",       u"ｼﾞｭｰ",   u"ﾆｼﾞｭｰ",  u"ｻﾝｼﾞｭｰ",  u"ﾖﾝｼﾞｭｰ",
                                     u"ｺﾞｼﾞｭｰ", u"ﾛｸｼﾞｭｰ", u"ﾅﾅｼﾞｭｰ", u"ﾊﾁｼﾞｭｰ", u"ｷｭｰｼﾞｭｰ"};
constexpr const char16_t* kHundreds[] = {u"",     u"ﾋｬｸ",   u"ﾆﾋｬｸ",  u"ｻﾝﾋﾞｬｸ", u"ﾖﾝﾋｬｸ",
                                         u"ｺﾞﾋｬｸ", u"ﾛｯﾋﾟｬｸ", u"ﾅﾅﾋｬｸ", u"ﾊｯﾋﾟｬｸ", u"ｷｭｰﾋｬｸ"};
constexpr const char16_t* kThousands[] = {u"",     u"ｾﾝ",   u"ﾆｾﾝ",  u"ｻﾝｾﾞﾝ", u"ﾖﾝｾﾝ",
                                          u"ｺﾞｾﾝ", u"ﾛｸｾﾝ", u"ﾅﾅｾﾝ", u"ﾊｯｾﾝ",  u"ｷｭｰｾﾝ"};

// A word after a number: the units 万 億 兆, which numbers are built of, and
// the counters read with a number.
struct Follower {
    char16_t kanji;
    const char16_t* sound;
    int tailAfter;
};

constexpr Follower kUnits[] = {{u'兆', u"ﾁｮｰ", kCho}, {u'億', u"ｵｸ", kOku}, {u'万', u"ﾏﾝ", kMan}};
constexpr uint64_t kUnitValue[] = {1'000'000'000'000ULL, 100'000'000ULL, 10'000ULL};

constexpr Follower kCounters[] = {
    {u'円', u"ｴﾝ", kCounted}, {u'年', u"ﾈﾝ", kCounted}, {u'月', u"ｶﾞﾂ", kCounted},
    {u'時', u"ｼﾞ", kCounted}, {u'分', u"ﾌﾝ", kCounted}, {u'人', u"ﾆﾝ", kCounted},
    {u'本', u"ﾎﾝ", kCounted}, {u'個', u"ｺ", kCounted},  {u'回', u"ｶｲ", kCounted},
    {u'歳', u"ｻｲ", kCounted},
};

enum class Change { Keep, Geminate, Replace };

// How the last word of the number and the word after it sound together; a
// pair not listed keeps both words as they are.
struct Sound {
    char16_t kanji;
    int tail;
    Change change;
    const char16_t* word;   // the last word's new form, for Replace
    const char16_t* sound;  // the following word's form; null: its own
};

constexpr Sound kSounds[] = {
    // 一兆 いっちょう, 八兆 はっちょう, 十兆 じゅっちょう
    {u'兆', 1, Change::Geminate, nullptr, nullptr},
    {u'兆', 8, Change::Geminate, nullptr, nullptr},
    {u'兆', kTen, Change::Geminate, nullptr, nullptr},
    // 四円 よえん
    {u'円', 4, Change::Replace, u"ﾖ", nullptr},
    // 四年 よねん; 七年 and 九年 keep なな and きゅう, as ipadic reads them
    {u'年', 4, Change::Replace, u"ﾖ", nullptr},
    // 四月 しがつ, 七月 しちがつ, 九月 くがつ (ipadic has these whole)
    {u'月', 4, Change::Replace, u"ｼ", nullptr},
    {u'月', 7, Change::Replace, u"ｼﾁ", nullptr},
    {u'月', 9, Change::Replace, u"ｸ", nullptr},
    // 四時 よじ, 七時 しちじ, 九時 くじ
    {u'時', 4, Change::Replace, u"ﾖ", nullptr},
    {u'時', 7, Change::Replace, u"ｼﾁ", nullptr},
    {u'時', 9, Change::Replace, u"ｸ", nullptr},
    // 一分 いっぷん, 三分 さんぷん, 四分 よんぷん, 六分 ろっぷん, 八分 はっぷん
    // (before はちふん), 十分 じゅっぷん (the form NHK's 2016 edition puts
    // first, before じっぷん), 百分 ひゃっぷん, 千分 せんぷん, 万分 まんぷん
    {u'分', 1, Change::Geminate, nullptr, u"ﾌﾟﾝ"},
    {u'分', 3, Change::Keep, nullptr, u"ﾌﾟﾝ"},
    {u'分', 4, Change::Keep, nullptr, u"ﾌﾟﾝ"},
    {u'分', 6, Change::Geminate, nullptr, u"ﾌﾟﾝ"},
    {u'分', 8, Change::Geminate, nullptr, u"ﾌﾟﾝ"},
    {u'分', kTen, Change::Geminate, nullptr, u"ﾌﾟﾝ"},
    {u'分', kHundred, Change::Geminate, nullptr, u"ﾌﾟﾝ"},
    {u'分', kThousand, Change::Keep, nullptr, u"ﾌﾟﾝ"},
    {u'分', kMan, Change::Keep, nullptr, u"ﾌﾟﾝ"},
    // 四人 よにん; 七人 and 九人 as ななにん and きゅうにん (ipadic's words)
    {u'人', 4, Change::Replace, u"ﾖ", nullptr},
    // 一本 いっぽん, 三本 さんぼん, 六本 ろっぽん, 八本 はっぽん (before
    // はちほん), 十本 じゅっぽん, 百本 ひゃっぽん, 千本 せんぼん, 万本 まんぼん;
    // 四本 stays よんほん
    {u'本', 1, Change::Geminate, nullptr, u"ﾎﾟﾝ"},
    {u'本', 3, Change::Keep, nullptr, u"ﾎﾞﾝ"},
    {u'本', 6, Change::Geminate, nullptr, u"ﾎﾟﾝ"},
    {u'本', 8, Change::Geminate, nullptr, u"ﾎﾟﾝ"},
    {u'本', kTen, Change::Geminate, nullptr, u"ﾎﾟﾝ"},
    {u'本', kHundred, Change::Geminate, nullptr, u"ﾎﾟﾝ"},
    {u'本', kThousand, Change::Keep, nullptr, u"ﾎﾞﾝ"},
    {u'本', kMan, Change::Keep, nullptr, u"ﾎﾞﾝ"},
    // 一個 いっこ, 六個 ろっこ, 八個 はっこ, 十個 じゅっこ, 百個 ひゃっこ
    {u'個', 1, Change::Geminate, nullptr, nullptr},
    {u'個', 6, Change::Geminate, nullptr, nullptr},
    {u'個', 8, Change::Geminate, nullptr, nullptr},
    {u'個', kTen, Change::Geminate, nullptr, nullptr},
    {u'個', kHundred, Change::Geminate, nullptr, nullptr},
    // 一回 いっかい, 六回 ろっかい, 八回 はっかい, 十回 じゅっかい, 百回 ひゃっかい
    {u'回', 1, Change::Geminate, nullptr, nullptr},
    {u'回', 6, Change::Geminate, nullptr, nullptr},
    {u'回', 8, Change::Geminate, nullptr, nullptr},
    {u'回', kTen, Change::Geminate, nullptr, nullptr},
    {u'回', kHundred, Change::Geminate, nullptr, nullptr},
    // 一歳 いっさい, 八歳 はっさい, 十歳 じゅっさい; 六歳 ろくさい, 百歳 ひゃくさい
    {u'歳', 1, Change::Geminate, nullptr, nullptr},
    {u'歳', 8, Change::Geminate, nullptr, nullptr},
    {u'歳', kTen, Change::Geminate, nullptr, nullptr},
};

// Numbers that take a word of their own with a counter.
struct Whole {
    char16_t kanji;
    uint64_t n;
    const char16_t* reading;
};

constexpr Whole kWholes[] = {
    {u'人', 1, u"ﾋﾄﾘ"},  // 一人 ひとり
    {u'人', 2, u"ﾌﾀﾘ"},  // 二人 ふたり
    {u'歳', 20, u"ﾊﾀﾁ"},  // 二十歳 はたち, which NHK gives before にじゅっさい
    {u'時', 0, u"ﾚｲｼﾞ"},  // 零時 れいじ (ipadic: 零 ﾚｲ, 時 ｼﾞ)
};

void AppendGroup(Words& w, int group)
{
    if (const int d = group / 1000)
        w.append(kThousands[d], kThousand);
    if (const int d = group / 100 % 10)
        w.append(kHundreds[d], kHundred);
    if (const int d = group / 10 % 10)
        w.append(kTens[d], kTen);
    if (const int d = group % 10)
        w.append(kOnes[d], d);
}

void Attach(Words& w, const Follower& next)
{
    const char16_t* sound = next.sound;
    for (const Sound& s : kSounds) {
        if (s.kanji != next.kanji || s.tail != w.tail)
            continue;
        if (s.change == Change::Geminate) {
            w.text.chop(1);  // ｲﾁ ﾊﾁ ﾛｸ ﾋｬｸ ｼﾞｭｰ all lose their last mora to ｯ
            w.text += u'ｯ';
        } else if (s.change == Change::Replace) {
            w.text.truncate(w.lastAt);
            w.text += QStringView(s.word);
        }
        if (s.sound)
            sound = s.sound;
        break;
    }
    w.append(sound, next.tailAfter);
}

// Appends the reading of n (at most kLargestReadNumber), followed by
// `counter` when there is one.
void Speak(uint64_t n, const Follower* counter, QString& out)
{
    if (counter) {
        for (const Whole& whole : kWholes) {
            if (whole.kanji == counter->kanji && whole.n == n) {
                out += QStringView(whole.reading);
                return;
            }
        }
    }
    Words w(out);
    if (n == 0)
        w.append(u"ｾﾞﾛ", kZero);
    for (size_t u = 0; u < std::size(kUnits); ++u) {
        if (const int group = static_cast<int>(n / kUnitValue[u] % 10'000)) {
            AppendGroup(w, group);
            Attach(w, kUnits[u]);
        }
    }
    if (const int group = static_cast<int>(n % 10'000))
        AppendGroup(w, group);
    if (counter)
        Attach(w, *counter);
}

const Follower* FindFollower(const Follower* begin, const Follower* end, char16_t c)
{
    const Follower* f = std::find_if(begin, end, [c](const Follower& x) { return x.kanji == c; });
    return f == end ? nullptr : f;
}

// --- Numbers within typed text ---

int DigitAt(QStringView t, qsizetype i)
{
    if (i >= t.size())
        return -1;
    const char16_t c = t[i].unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'０' && c <= u'９')
        return c - u'０';
    return -1;
}

// A thousands separator stands before exactly three digits.
bool SeparatorAt(QStringView t, qsizetype i)
{
    if (i >= t.size() || (t[i] != u',' && t[i] != u'，'))
        return false;
    return DigitAt(t, i + 1) >= 0 && DigitAt(t, i + 2) >= 0 && DigitAt(t, i + 3) >= 0 && DigitAt(t, i + 4) < 0;
}

bool DecimalPointAt(QStringView t, qsizetype i)
{
    return i < t.size() && (t[i] == u'.' || t[i] == u'．') && DigitAt(t, i + 1) >= 0;
}

constexpr int kMostDigits = 16;  // kLargestReadNumber has 16

struct Run {
    uint64_t value = 0;
    int digits = 0;  // significant ones; the value is only kept up to kMostDigits
    qsizetype end = 0;
};

Run ReadRun(QStringView t, qsizetype i)
{
    Run r;
    r.end = i;
    while (true) {
        if (const int d = DigitAt(t, r.end); d >= 0) {
            if (r.digits > 0 || d > 0)
                ++r.digits;
            if (r.digits <= kMostDigits)
                r.value = r.value * 10 + static_cast<uint64_t>(d);
            ++r.end;
        } else if (SeparatorAt(t, r.end)) {
            ++r.end;
        } else {
            return r;
        }
    }
}

char32_t CodePointAt(QStringView t, qsizetype i, qsizetype* units)
{
    *units = 1;
    if (i >= t.size())
        return 0;
    const QChar c = t[i];
    if (c.isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, t[i + 1]);
    }
    return c.unicode();
}

bool IsKanji(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Reading)
};

QString TooLargeAdvice()
{
    return Text::tr("Numbers above 9,999兆 cannot be read: type the number in kana");
}

struct Number {
    qsizetype begin = 0;
    qsizetype end = 0;
    uint64_t value = 0;
    const Follower* counter = nullptr;
    QString refusal;
};

// The number that starts with the digit at `i`, with its units and counter.
Number ReadNumber(QStringView t, qsizetype i)
{
    Number num;
    num.begin = i;
    uint64_t total = 0;
    qsizetype at = i;
    uint64_t bound = kLargestReadNumber + 1;  // what the next digit group must stay below
    while (true) {
        const Run run = ReadRun(t, at);
        const bool follows = at > i;
        if (run.digits > kMostDigits || run.value >= bound) {
            if (!follows) {
                num.refusal = TooLargeAdvice();
                return num;
            }
            break;  // 1万20000: the number ends at 万, the digits start the next one
        }
        if (DecimalPointAt(t, run.end)) {
            num.refusal = Text::tr("Numbers with a decimal point cannot be read: type the number in kana");
            return num;
        }
        at = run.end;
        const Follower* unit =
            at < t.size() ? FindFollower(std::begin(kUnits), std::end(kUnits), t[at].unicode()) : nullptr;
        const uint64_t unitValue = unit ? kUnitValue[unit - kUnits] : 0;
        // Each group stays below the unit before it. The first may be written
        // in more digits (12345万 for 1億2345万), as long as it stays in range.
        const bool fits = unit && unitValue < bound && run.value <= (bound - 1) / unitValue;
        if (unit && !fits && !follows) {
            num.refusal = TooLargeAdvice();
            return num;
        }
        if (!fits) {
            total += run.value;
            break;
        }
        total += run.value * unitValue;
        bound = unitValue;
        ++at;
        if (DigitAt(t, at) < 0)
            break;
    }
    num.end = at;

    qsizetype units = 1;
    const char32_t next = CodePointAt(t, at, &units);
    const Follower* counter = next <= 0xFFFF
                                  ? FindFollower(std::begin(kCounters), std::end(kCounters), static_cast<char16_t>(next))
                                  : nullptr;
    num.value = total;
    if (counter) {
        num.counter = counter;
        num.end = at + 1;
    } else if (IsKanji(next)) {
        num.refusal = Text::tr("Numbers with %1 cannot be read: type the number in kana").arg(t.mid(at, units));
    }
    return num;
}

// A stretch without digits: kana or romaji read themselves. ASCII that is
// neither is romaji on its way (a syllable half typed) or something the
// dictionary does not know; asking it would only load it early, or tell a
// learner who types romaji that romaji is what to type.
std::optional<QString> ReadStretch(QStringView text, const DictionaryReading& dictionary)
{
    if (std::optional<QString> own = OwnReading(text))
        return own;
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return std::nullopt;
    return dictionary(text.toString());
}

}  // namespace

TextReading ReadTypedText(QStringView text, const DictionaryReading& dictionary)
{
    // All numbers first: a refused one settles the answer before the
    // dictionary is asked about the rest.
    std::vector<Number> numbers;
    for (qsizetype i = 0; i < text.size();) {
        if (DigitAt(text, i) < 0) {
            ++i;
            continue;
        }
        Number num = ReadNumber(text, i);
        if (!num.refusal.isEmpty())
            return {std::nullopt, num.refusal};
        i = num.end;
        numbers.push_back(std::move(num));
    }

    QString reading;
    reading.reserve(text.size() * 2);
    qsizetype from = 0;
    auto readUpTo = [&](qsizetype end) {
        if (end > from) {
            const std::optional<QString> part = ReadStretch(text.mid(from, end - from), dictionary);
            if (!part)
                return false;
            reading += *part;
        }
        return true;
    };
    for (const Number& num : numbers) {
        if (!readUpTo(num.begin))
            return {};
        Speak(num.value, num.counter, reading);
        from = num.end;
    }
    if (!readUpTo(text.size()))
        return {};
    return {reading, QString()};
}

}  // namespace oralis
