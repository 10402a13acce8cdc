#include "model/Alignment.h"

#include <QString>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

// One letter per pair: = match, ~ substitution, + insertion, - deletion.
QString Shape(const std::vector<AlignedPair>& pairs)
{
    QString s;
    for (const AlignedPair& p : pairs)
        s += QLatin1Char("=~+-"[static_cast<int>(p.kind)]);
    return s;
}

// The same letter costs nothing, the same letter in the other case 1,
// another letter 3, a letter left without a partner 2.
int LetterCost(char a, char b)
{
    return a == b ? 0 : (a | 0x20) == (b | 0x20) ? 1 : 3;
}

TEST(Alignment, PairsByLeastCost)
{
    const struct {
        const char* a;
        const char* b;
        const char* shape;
    } cases[] = {
        {"", "", ""},
        {"", "ab", "++"},
        {"ab", "", "--"},
        {"kitten", "sitting", "~===~=+"},
        {"abc", "abc", "==="},
        {"abc", "axc", "=~="},   // a substitution, not a deletion and an insertion
        {"abcd", "acd", "=-=="},
        {"Ab", "a", "~-"},       // the like letter is paired, although the last is nearer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const std::string a = c.a, b = c.b;
        const auto pairs = AlignSequences(
            static_cast<int>(a.size()), static_cast<int>(b.size()),
            [&](int i, int j) { return LetterCost(a[static_cast<size_t>(i)], b[static_cast<size_t>(j)]); }, 2);
        EXPECT_EQ(Shape(pairs), QString::fromLatin1(c.shape));
        // Every element of both sides appears once, in order.
        int nextA = 0, nextB = 0;
        for (const AlignedPair& p : pairs) {
            if (p.a >= 0) {
                EXPECT_EQ(p.a, nextA++);
            }
            if (p.b >= 0) {
                EXPECT_EQ(p.b, nextB++);
            }
        }
        EXPECT_EQ(nextA, static_cast<int>(a.size()));
        EXPECT_EQ(nextB, static_cast<int>(b.size()));
    }
    EXPECT_EQ(EditDistance(AlignSequences(6, 7, [](int i, int j) { return LetterCost("kitten"[i], "sitting"[j]); }, 2)),
              3);
}

}  // namespace
