// Lines up two sequences by least cost (a weighted edit distance), so two
// words can be shown syllable by syllable with their differences marked.
#pragma once

#include <functional>
#include <vector>

namespace oralis {

// Deletion: an element of the first sequence with nothing against it in the
// second; Insertion: the other way round.
enum class PairKind { Match, Substitution, Insertion, Deletion };

struct AlignedPair {
    PairKind kind = PairKind::Match;
    int a = -1;  // index into the first sequence, -1 for an insertion
    int b = -1;  // index into the second, -1 for a deletion
};

// The pairs in order, covering every element of both sequences once, of the
// least total cost: `cost(i, j)` for pairing element i of the first with
// element j of the second (0: they are the same, a match; more: a
// substitution), `gap` for an element left without a partner. Among
// alignments of equal cost the one that pairs elements rather than dropping
// and adding them is taken, so that a misread syllable is shown against what
// it was taken for.
std::vector<AlignedPair> AlignSequences(int lengthA, int lengthB, const std::function<int(int, int)>& cost,
                                        int gap);

// The number of pairs that are not matches.
int EditDistance(const std::vector<AlignedPair>& pairs);

}  // namespace oralis
