// Any bytes given as a lip position table: the reader must never crash, a load
// must either succeed whole or leave the table alone, and what the writer makes
// of a loaded table must read back to a table that it writes the same bytes
// for, names, counts and values alike.
#include "FuzzCheck.h"
#include "model/LipTableFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace oralis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SignTable table;
    table.SignCount = 99;
    QString why;
    if (!LoadLipTableFromBytes(bytes, table, &why)) {
        Require(!why.isEmpty() && table.SignCount == 99 && table[0].FrameCount() == 0);
        return 0;
    }

    Require(table.SignCount >= 1 && table.SignCount <= kSignSlots);
    bool quoted = false;
    bool any = false;
    for (int s = 0; s < kSignSlots; ++s) {
        const SignEntry& sign = table[s];
        Require(sign.SignName.size() == kSignNameLength);
        for (const LipFrame& f : sign.Frames)
            for (float v : f.v)
                Require(std::isfinite(v));
        quoted = quoted || sign.SignName.contains(QLatin1Char('"'));
        any = any || sign.FrameCount() > 0;
    }
    // The count comes from the highest sign number read, and every header brings frames.
    Require(any ? table[table.SignCount - 1].FrameCount() >= 1 : table.SignCount == 1);

    // A double quote in a name is the one thing the file format cannot carry
    // (saving refuses it), so only then may the written form fail to read.
    if (quoted)
        return 0;
    const QByteArray written = FormatLipTable(table);
    SignTable again;
    Require(LoadLipTableFromBytes(written, again, &why) == -1);
    Require(again.SignCount == table.SignCount);
    // Only signs below the count are written.
    for (int s = 0; s < kSignSlots; ++s)
        Require(again[s].FrameCount() == (s < table.SignCount ? table[s].FrameCount() : 0));
    // Values are written to seven digits, so the first writing may round
    // them; from then on nothing may change, the choice of encoding included.
    Require(FormatLipTable(again) == written);
    return 0;
}
