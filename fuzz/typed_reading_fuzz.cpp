// Any text as typed into the word box, with a stand-in for the dictionary:
// every reading handed out is half-width katakana that the syllable parser
// takes, a refused number gives no reading, the dictionary never sees a
// digit, and digits read the same in either width.
#include "FuzzCheck.h"
#include "model/KanaParser.h"
#include "model/NumberReading.h"

#include <cstdint>
#include <cstdlib>

using namespace oralis;

namespace {

bool IsDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says what the dictionary knows: nothing, everything, or
    // all but text with ASCII in it.
    const int knows = data[0] % 3;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const DictionaryReading dictionary = [knows](const QString& piece) -> std::optional<QString> {
        Require(!piece.isEmpty());
        bool ascii = false;
        for (QChar c : piece) {
            Require(!IsDigit(c));
            ascii = ascii || c.unicode() < 0x80;
        }
        if (knows == 0 || (knows == 2 && ascii))
            return std::nullopt;
        return QStringLiteral("ｶﾅ");
    };

    const TextReading r = ReadTypedText(text, dictionary);
    Require(r.refusal.isEmpty() || !r.reading);
    if (r.reading) {
        for (QChar c : *r.reading)
            Require(KanaCode(c) >= 0);
        Syllables s;
        ParseFailure why = ParseFailure::None;
        Require(ParseKana(*r.reading, s, &why) == -1 || why == ParseFailure::TooManySyllables);
    }

    QString wide = text;
    bool widened = false;
    for (QChar& c : wide) {
        if (c >= u'0' && c <= u'9') {
            c = QChar(static_cast<char16_t>(c.unicode() - u'0' + u'０'));
            widened = true;
        }
    }
    if (!widened)
        return 0;
    const TextReading w = ReadTypedText(wide, dictionary);
    Require(w.reading == r.reading && w.refusal == r.refusal);
    return 0;
}
