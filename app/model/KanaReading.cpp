#include "model/KanaReading.h"

#include "model/TextFile.h"

#include <QHash>
#include <array>

namespace oralis {

namespace {

constexpr char16_t kFirstKatakana = 0x30A1;  // ァ
constexpr char16_t kLastKatakana = 0x30F6;   // ヶ

// ァ..ヶ in code order. Kana that half-width katakana lacks take the nearest
// sound the lips show: ヮ as ﾜ, ヰ as ｲ, ヱ as ｴ, the small ヵ ヶ as ｶ ｹ.
constexpr std::array<const char16_t*, kLastKatakana - kFirstKatakana + 1> kHalfWidth{
    u"ｧ", u"ｱ", u"ｨ", u"ｲ", u"ｩ", u"ｳ", u"ｪ", u"ｴ", u"ｫ", u"ｵ",
    u"ｶ", u"ｶﾞ", u"ｷ", u"ｷﾞ", u"ｸ", u"ｸﾞ", u"ｹ", u"ｹﾞ", u"ｺ", u"ｺﾞ",
    u"ｻ", u"ｻﾞ", u"ｼ", u"ｼﾞ", u"ｽ", u"ｽﾞ", u"ｾ", u"ｾﾞ", u"ｿ", u"ｿﾞ",
    u"ﾀ", u"ﾀﾞ", u"ﾁ", u"ﾁﾞ", u"ｯ", u"ﾂ", u"ﾂﾞ", u"ﾃ", u"ﾃﾞ", u"ﾄ", u"ﾄﾞ",
    u"ﾅ", u"ﾆ", u"ﾇ", u"ﾈ", u"ﾉ",
    u"ﾊ", u"ﾊﾞ", u"ﾊﾟ", u"ﾋ", u"ﾋﾞ", u"ﾋﾟ", u"ﾌ", u"ﾌﾞ", u"ﾌﾟ",
    u"ﾍ", u"ﾍﾞ", u"ﾍﾟ", u"ﾎ", u"ﾎﾞ", u"ﾎﾟ",
    u"ﾏ", u"ﾐ", u"ﾑ", u"ﾒ", u"ﾓ",
    u"ｬ", u"ﾔ", u"ｭ", u"ﾕ", u"ｮ", u"ﾖ",
    u"ﾗ", u"ﾘ", u"ﾙ", u"ﾚ", u"ﾛ",
    u"ﾜ", u"ﾜ", u"ｲ", u"ｴ", u"ｦ", u"ﾝ", u"ｳﾞ", u"ｶ", u"ｹ",
};

// Appends the half-width form of one kana character; false for anything else.
bool AppendHalfWidth(char16_t c, QString& out)
{
    if (c >= 0x3041 && c <= 0x3096)  // hiragana sits 0x60 below its katakana
        c = static_cast<char16_t>(c + 0x60);
    if (c >= kFirstKatakana && c <= kLastKatakana) {
        out += QStringView(kHalfWidth[c - kFirstKatakana]);
        return true;
    }
    switch (c) {
    case 0x30F7: out += u"ﾜﾞ"; return true;  // ヷ
    case 0x30F8: out += u"ｲﾞ"; return true;  // ヸ
    case 0x30F9: out += u"ｴﾞ"; return true;  // ヹ
    case 0x30FA: out += u"ｦﾞ"; return true;  // ヺ
    case 0x30FC: out += u"ｰ"; return true;
    case 0x3099:
    case 0x309B: out += u"ﾞ"; return true;
    case 0x309A:
    case 0x309C: out += u"ﾟ"; return true;
    default: break;
    }
    if (c >= 0xFF66 && c <= 0xFF9F) {
        out += QChar(c);
        return true;
    }
    return false;
}

// Up to four lower-case ASCII letters in one number, so that looking up a
// syllable needs no string of its own.
quint32 RomajiKey(QStringView letters)
{
    quint32 key = 0;
    for (qsizetype i = 0; i < letters.size(); ++i)
        key |= quint32(letters[i].unicode() & 0xFF) << (8 * i);
    return key;
}

// Romaji syllables in katakana. Besides Hepburn and Kunrei the table holds the
// spellings Japanese keyboards accept (ca, cya, x- and l- for small kana), so
// romaji typed out of habit reads the same as through an input method.
const QHash<quint32, QString>& RomajiTable()
{
    static const QHash<quint32, QString> table = [] {
        struct Pair {
            const char* romaji;
            const char16_t* kana;
        };
        static constexpr Pair pairs[] = {
            {"a", u"ア"}, {"i", u"イ"}, {"u", u"ウ"}, {"e", u"エ"}, {"o", u"オ"},
            {"ka", u"カ"}, {"ki", u"キ"}, {"ku", u"ク"}, {"ke", u"ケ"}, {"ko", u"コ"},
            {"kya", u"キャ"}, {"kyu", u"キュ"}, {"kyo", u"キョ"},
            {"ga", u"ガ"}, {"gi", u"ギ"}, {"gu", u"グ"}, {"ge", u"ゲ"}, {"go", u"ゴ"},
            {"gya", u"ギャ"}, {"gyu", u"ギュ"}, {"gyo", u"ギョ"},
            {"sa", u"サ"}, {"si", u"シ"}, {"shi", u"シ"}, {"su", u"ス"}, {"se", u"セ"}, {"so", u"ソ"},
            {"sha", u"シャ"}, {"shu", u"シュ"}, {"she", u"シェ"}, {"sho", u"ショ"},
            {"sya", u"シャ"}, {"syu", u"シュ"}, {"sye", u"シェ"}, {"syo", u"ショ"},
            {"za", u"ザ"}, {"zi", u"ジ"}, {"ji", u"ジ"}, {"zu", u"ズ"}, {"ze", u"ゼ"}, {"zo", u"ゾ"},
            {"ja", u"ジャ"}, {"ju", u"ジュ"}, {"je", u"ジェ"}, {"jo", u"ジョ"},
            {"jya", u"ジャ"}, {"jyu", u"ジュ"}, {"jye", u"ジェ"}, {"jyo", u"ジョ"},
            {"zya", u"ジャ"}, {"zyu", u"ジュ"}, {"zye", u"ジェ"}, {"zyo", u"ジョ"},
            {"ta", u"タ"}, {"ti", u"チ"}, {"chi", u"チ"}, {"tu", u"ツ"}, {"tsu", u"ツ"},
            {"te", u"テ"}, {"to", u"ト"},
            {"cha", u"チャ"}, {"chu", u"チュ"}, {"che", u"チェ"}, {"cho", u"チョ"},
            {"tya", u"チャ"}, {"tyu", u"チュ"}, {"tye", u"チェ"}, {"tyo", u"チョ"},
            {"cya", u"チャ"}, {"cyu", u"チュ"}, {"cye", u"チェ"}, {"cyo", u"チョ"},
            {"tsa", u"ツァ"}, {"tsi", u"ツィ"}, {"tse", u"ツェ"}, {"tso", u"ツォ"},
            {"thi", u"ティ"}, {"dhi", u"ディ"},
            {"ca", u"カ"}, {"ci", u"シ"}, {"cu", u"ク"}, {"ce", u"セ"}, {"co", u"コ"},
            {"da", u"ダ"}, {"di", u"ヂ"}, {"du", u"ヅ"}, {"de", u"デ"}, {"do", u"ド"},
            {"dya", u"ヂャ"}, {"dyu", u"ヂュ"}, {"dyo", u"ヂョ"},
            {"na", u"ナ"}, {"ni", u"ニ"}, {"nu", u"ヌ"}, {"ne", u"ネ"}, {"no", u"ノ"},
            {"nya", u"ニャ"}, {"nyu", u"ニュ"}, {"nyo", u"ニョ"},
            {"ha", u"ハ"}, {"hi", u"ヒ"}, {"hu", u"フ"}, {"fu", u"フ"}, {"he", u"ヘ"}, {"ho", u"ホ"},
            {"hya", u"ヒャ"}, {"hyu", u"ヒュ"}, {"hyo", u"ヒョ"},
            {"fa", u"ファ"}, {"fi", u"フィ"}, {"fe", u"フェ"}, {"fo", u"フォ"}, {"fyu", u"フュ"},
            {"ba", u"バ"}, {"bi", u"ビ"}, {"bu", u"ブ"}, {"be", u"ベ"}, {"bo", u"ボ"},
            {"bya", u"ビャ"}, {"byu", u"ビュ"}, {"byo", u"ビョ"},
            {"pa", u"パ"}, {"pi", u"ピ"}, {"pu", u"プ"}, {"pe", u"ペ"}, {"po", u"ポ"},
            {"pya", u"ピャ"}, {"pyu", u"ピュ"}, {"pyo", u"ピョ"},
            {"ma", u"マ"}, {"mi", u"ミ"}, {"mu", u"ム"}, {"me", u"メ"}, {"mo", u"モ"},
            {"mya", u"ミャ"}, {"myu", u"ミュ"}, {"myo", u"ミョ"},
            {"ya", u"ヤ"}, {"yu", u"ユ"}, {"ye", u"イェ"}, {"yo", u"ヨ"},
            {"ra", u"ラ"}, {"ri", u"リ"}, {"ru", u"ル"}, {"re", u"レ"}, {"ro", u"ロ"},
            {"rya", u"リャ"}, {"ryu", u"リュ"}, {"ryo", u"リョ"},
            {"wa", u"ワ"}, {"wi", u"ウィ"}, {"wu", u"ウ"}, {"we", u"ウェ"}, {"wo", u"ヲ"},
            {"va", u"ヴァ"}, {"vi", u"ヴィ"}, {"vu", u"ヴ"}, {"ve", u"ヴェ"}, {"vo", u"ヴォ"},
            {"xa", u"ァ"}, {"xi", u"ィ"}, {"xu", u"ゥ"}, {"xe", u"ェ"}, {"xo", u"ォ"},
            {"la", u"ァ"}, {"li", u"ィ"}, {"lu", u"ゥ"}, {"le", u"ェ"}, {"lo", u"ォ"},
            {"xya", u"ャ"}, {"xyu", u"ュ"}, {"xyo", u"ョ"},
            {"lya", u"ャ"}, {"lyu", u"ュ"}, {"lyo", u"ョ"},
            {"xtu", u"ッ"}, {"xtsu", u"ッ"}, {"ltu", u"ッ"}, {"ltsu", u"ッ"},
            {"xwa", u"ヮ"}, {"lwa", u"ヮ"}, {"xka", u"ヵ"}, {"xke", u"ヶ"},
        };
        QHash<quint32, QString> t;
        for (const Pair& p : pairs)
            t.insert(RomajiKey(QString::fromLatin1(p.romaji)), QString::fromUtf16(p.kana));
        return t;
    }();
    return table;
}

constexpr int kLongestRomaji = 4;

bool IsVowel(QChar c)
{
    return c == u'a' || c == u'i' || c == u'u' || c == u'e' || c == u'o';
}

// Lower-case ASCII romaji, with full-width letters folded and each vowel with
// a macron or circumflex spelled out as the vowel and "-". Empty when the
// text holds a character romaji never uses.
std::optional<QString> FoldRomaji(QStringView text)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 20> kLongVowels{{
        {0x0101, 'a'}, {0x012B, 'i'}, {0x016B, 'u'}, {0x0113, 'e'}, {0x014D, 'o'},
        {0x0100, 'a'}, {0x012A, 'i'}, {0x016A, 'u'}, {0x0112, 'e'}, {0x014C, 'o'},
        {0x00E2, 'a'}, {0x00EE, 'i'}, {0x00FB, 'u'}, {0x00EA, 'e'}, {0x00F4, 'o'},
        {0x00C2, 'a'}, {0x00CE, 'i'}, {0x00DB, 'u'}, {0x00CA, 'e'}, {0x00D4, 'o'},
    }};
    QString folded;
    folded.reserve(text.size());
    for (QChar ch : text) {
        char16_t c = ch.unicode();
        if (c >= 0xFF01 && c <= 0xFF5E)
            c = static_cast<char16_t>(c - 0xFEE0);
        if (c == 0x3000)
            c = u' ';
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) {
            folded += QChar(c).toLower();
            continue;
        }
        if (c == u'-' || c == u'\'' || c == u' ' || c == u'\t') {
            folded += QChar(c);
            continue;
        }
        bool found = false;
        for (const auto& [longVowel, vowel] : kLongVowels) {
            if (c == longVowel) {
                folded += QChar(vowel);
                folded += u'-';
                found = true;
                break;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return folded;
}

// Full-width katakana of folded romaji, or empty when a letter starts no
// syllable.
std::optional<QString> RomajiToKatakana(const QString& s)
{
    const QHash<quint32, QString>& table = RomajiTable();
    auto at = [&s](qsizetype i) { return i < s.size() ? s[i] : QChar(); };
    QString out;
    bool anyLetter = false;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        const QChar next = at(i + 1);
        if (IsBlank(c) || c == u'\'') {
            ++i;
            continue;
        }
        if (c == u'-') {
            out += u'ー';
            ++i;
            continue;
        }
        anyLetter = true;
        if (c == u'n' && !IsVowel(next) && next != u'y') {
            // "nn" is a syllabic n, unless a vowel follows: then, as in
            // "onna" or "konnichiwa", the second n starts the next syllable.
            out += u'ン';
            const bool nnBeforeSyllable = next == u'n' && (IsVowel(at(i + 2)) || at(i + 2) == u'y');
            const bool twoLetters = (next == u'n' && !nnBeforeSyllable) || next == u'\'';
            i += twoLetters ? 2 : 1;
            continue;
        }
        if (c == u'm' && (next == u'b' || next == u'p' || next == u'm')) {
            out += u'ン';  // Hepburn's "shimbun", "tempura"
            ++i;
            continue;
        }
        if (!IsVowel(c) && c != u'n' &&
            (next == c || (c == u't' && next == u'c' && at(i + 2) == u'h'))) {
            out += u'ッ';
            ++i;
            continue;
        }
        bool matched = false;
        for (int len = kLongestRomaji; len >= 1 && !matched; --len) {
            if (i + len > s.size())
                continue;
            const auto it = table.constFind(RomajiKey(QStringView(s).mid(i, len)));
            if (it != table.constEnd()) {
                out += *it;
                i += len;
                matched = true;
            }
        }
        if (!matched)
            return std::nullopt;
    }
    if (!anyLetter)
        return std::nullopt;
    return out;
}

}  // namespace

QString HiraganaToKatakana(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out += (u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E
                   ? QChar(static_cast<char16_t>(u + 0x60))
                   : c;
    }
    return out;
}

QString FullWidthHiragana(QStringView text)
{
    // Compatibility composition turns ｶﾞ into ガ.
    QString out = text.toString().normalized(QString::NormalizationForm_KC);
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F6)
            c = QChar(static_cast<char16_t>(u - 0x60));
    }
    return out;
}

std::optional<QString> KanaToHalfWidth(QStringView text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (IsBlank(c))
            continue;
        if (!AppendHalfWidth(c.unicode(), out))
            return std::nullopt;
    }
    return out;
}

bool IsKanaText(QStringView text)
{
    bool anyKana = false;
    QString scratch;
    for (QChar c : text) {
        if (IsBlank(c))
            continue;
        if (!AppendHalfWidth(c.unicode(), scratch))
            return false;
        anyKana = true;
    }
    return anyKana;
}

std::optional<QString> RomajiToHalfWidth(QStringView text)
{
    const std::optional<QString> folded = FoldRomaji(text);
    if (!folded)
        return std::nullopt;
    const std::optional<QString> katakana = RomajiToKatakana(*folded);
    if (!katakana)
        return std::nullopt;
    return KanaToHalfWidth(*katakana);
}

bool IsRomajiText(QStringView text)
{
    return RomajiToHalfWidth(text).has_value();
}

std::optional<QString> OwnReading(QStringView text)
{
    bool blank = true;
    for (QChar c : text)
        blank = blank && IsBlank(c);
    if (blank)
        return QString();
    if (std::optional<QString> kana = KanaToHalfWidth(text))
        return kana;
    return RomajiToHalfWidth(text);
}

void CompositionReading::preedit(QStringView preedit)
{
    if (preedit.isEmpty())
        kana_.clear();
    else if (IsKanaText(preedit))
        kana_ = preedit.toString();
    // Anything else is a conversion on show: the kana before it still holds.
}

std::optional<QString> CompositionReading::commit(QStringView text, QStringView preeditAfter)
{
    std::optional<QString> reading = OwnReading(text);
    // With part of the composition still open, the kana seen so far covers
    // more than was committed and says nothing about where the split lies.
    if (!reading && preeditAfter.isEmpty() && !kana_.isEmpty())
        reading = KanaToHalfWidth(kana_);
    kana_.clear();
    preedit(preeditAfter);
    return reading;
}

}  // namespace oralis
