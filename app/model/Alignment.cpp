#include "model/Alignment.h"

#include <algorithm>

namespace oralis {

std::vector<AlignedPair> AlignSequences(int lengthA, int lengthB, const std::function<int(int, int)>& cost,
                                        int gap)
{
    const int n = std::max(0, lengthA);
    const int m = std::max(0, lengthB);
    const size_t width = static_cast<size_t>(m) + 1;
    std::vector<int> d((static_cast<size_t>(n) + 1) * width);
    auto at = [&](int i, int j) -> int& { return d[static_cast<size_t>(i) * width + static_cast<size_t>(j)]; };
    // Asked once per cell and kept, since the walk back needs the answer again.
    std::vector<int> pairCost(static_cast<size_t>(n) * static_cast<size_t>(m));
    auto paired = [&](int i, int j) -> int& {
        return pairCost[static_cast<size_t>(i) * static_cast<size_t>(m) + static_cast<size_t>(j)];
    };

    for (int i = 0; i <= n; ++i)
        at(i, 0) = i * gap;
    for (int j = 0; j <= m; ++j)
        at(0, j) = j * gap;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            paired(i - 1, j - 1) = cost(i - 1, j - 1);
            at(i, j) = std::min({at(i - 1, j - 1) + paired(i - 1, j - 1), at(i - 1, j) + gap, at(i, j - 1) + gap});
        }
    }

    std::vector<AlignedPair> pairs;
    int i = n;
    int j = m;
    while (i > 0 || j > 0) {
        if (i > 0 && j > 0 && at(i, j) == at(i - 1, j - 1) + paired(i - 1, j - 1)) {
            --i;
            --j;
            pairs.push_back({paired(i, j) == 0 ? PairKind::Match : PairKind::Substitution, i, j});
        } else if (i > 0 && at(i, j) == at(i - 1, j) + gap) {
            --i;
            pairs.push_back({PairKind::Deletion, i, -1});
        } else {
            --j;
            pairs.push_back({PairKind::Insertion, -1, j});
        }
    }
    std::reverse(pairs.begin(), pairs.end());
    return pairs;
}

int EditDistance(const std::vector<AlignedPair>& pairs)
{
    return static_cast<int>(std::count_if(pairs.begin(), pairs.end(),
                                          [](const AlignedPair& p) { return p.kind != PairKind::Match; }));
}

}  // namespace oralis
