// Lines up two sequences by edit distance (Levenshtein: every substitution,
// insertion and deletion costs one), so two words can be shown syllable by
// syllable with their differences marked.
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

// The pairs in order, covering every element of both sequences once.
// `same(i, j)` tells whether element i of the first equals element j of the
// second. Among alignments of equal cost the one that pairs elements
// (substitutes) rather than dropping and adding them is taken, so that a
// misread syllable is shown against what it was taken for.
std::vector<AlignedPair> AlignSequences(int lengthA, int lengthB,
                                        const std::function<bool(int, int)>& same);

// The number of pairs that are not matches: the edit distance.
int EditDistance(const std::vector<AlignedPair>& pairs);

}  // namespace oralis
