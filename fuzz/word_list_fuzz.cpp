// Any bytes as a quiz word list: every word keeps its reading and its text
// together, neither is empty, every reading can be played, and the list
// never outgrows kMaxWords.
#include "FuzzCheck.h"
#include "model/KanaParser.h"
#include "model/WordList.h"

#include <cstdint>
#include <cstdlib>

using namespace oralis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const WordList list = ParseWordList(bytes);
    Require(list.readings.size() == list.displays.size());
    Require(list.size() <= kMaxWords);
    Require(!list.cut || list.size() == kMaxWords);
    // A word and a skipped line each take a line of their own.
    Require(list.size() + list.skippedLines <= bytes.count('\n') + 1);
    Syllables syllables;
    for (int i = 0; i < list.size(); ++i) {
        for (const QString* field : {&list.readings[i], &list.displays[i]})
            Require(!field->isEmpty() && !field->contains(u'\n'));
        Require(ParseKana(list.readings[i], syllables) == -1);
    }
    return 0;
}
