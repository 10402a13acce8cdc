#include "model/TextFile.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

using namespace oralis;

namespace {

QByteArray Encoded(const char* encoding, const char16_t* text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(QString::fromUtf16(text));
}

// Each encoding told by the one rule, however the bytes come in pieces, and
// decoded without its byte-order mark and end-of-file marks.
TEST(TextFile, EncodingsAreToldAndDecoded)
{
    const char16_t* words = u"ｱｲ,愛\r\n";
    const struct {
        const char* what;
        QByteArray bytes;
        TextEncoding encoding;
        const char16_t* text;
    } cases[] = {
        {"kanji-only UTF-8", Encoded("UTF-8", u"漢字"), TextEncoding::Utf8, u"漢字"},
        {"UTF-8 half-width katakana", Encoded("UTF-8", u"ｻｶﾅ,魚"), TextEncoding::Utf8, u"ｻｶﾅ,魚"},
        {"CP932", Encoded("windows-31j", u"ア行,ｱ"), TextEncoding::Cp932, u"ア行,ｱ"},
        // Valid CP932 too (ﾃｩ), so only the mark tells.
        {"UTF-8 mark", "\xEF\xBB\xBF" + Encoded("UTF-8", u"café"), TextEncoding::Utf8, u"café"},
        {"UTF-16LE mark", "\xFF\xFE" + Encoded("UTF-16LE", words), TextEncoding::Utf16Le, words},
        {"UTF-16BE mark", "\xFE\xFF" + Encoded("UTF-16BE", words), TextEncoding::Utf16Be, words},
        {"UTF-16LE", Encoded("UTF-16LE", u"一,ｲﾁ\r\n"), TextEncoding::Utf16Le, u"一,ｲﾁ\r\n"},
        {"UTF-16BE", Encoded("UTF-16BE", words), TextEncoding::Utf16Be, words},
        {"end marks", QByteArray("0,a\r\n\x1a\x1a"), TextEncoding::Cp932, u"0,a\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DetectTextEncoding(c.bytes), c.encoding);
        TextEncodingDetector bytewise;
        for (char b : c.bytes)
            bytewise.feed(QByteArrayView(&b, 1));
        EXPECT_EQ(bytewise.result(), c.encoding);
        EXPECT_EQ(DecodeText(c.bytes), QString::fromUtf16(c.text));
    }
}

}  // namespace
