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

TEST(Alignment, PairsByLeastEdits)
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        const std::string a = c.a, b = c.b;
        const auto pairs = AlignSequences(static_cast<int>(a.size()), static_cast<int>(b.size()),
                                          [&](int i, int j) { return a[static_cast<size_t>(i)] == b[static_cast<size_t>(j)]; });
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
    EXPECT_EQ(EditDistance(AlignSequences(6, 7, [](int i, int j) {
                  return "kitten"[i] == "sitting"[j];
              })),
              3);
}

}  // namespace
