// Spaced repetition for the answer practice: Leitner boxes counted in
// sessions, and the draw of a session's words.
//
// Boxes are counted in sessions rather than days because practice is
// irregular: after a week away a calendar rule would make every word due at
// once, while a word read wrongly should simply come back the next time the
// learner practises.
#pragma once

#include "model/MouthShape.h"

#include <QRandomGenerator>
#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace oralis {

constexpr int kFirstBox = 1;
constexpr int kLastBox = 5;

// Where a word stands: its box, and the first session in which it is due.
struct ReviewCard {
    int box = kFirstBox;
    int due = 0;

    bool operator==(const ReviewCard&) const = default;
};

// Sessions a word waits in each box: 1, 2, 4, 8, 16.
int BoxInterval(int box);

// The card after an attempt in `session`: read right (correct or looks the
// same), one box up (at most the last) and due after that box's interval; read
// wrongly or skipped, back to the first box, due in the next session. A word
// seen for the first time has no card: pass nullptr.
ReviewCard Advance(const ReviewCard* card, bool right, int session);

// A word is known by its reading and its display text together: homophones
// (橋 and 箸) are different words of a list.
using WordKey = std::pair<QString, QString>;
using ReviewCards = std::map<WordKey, ReviewCard>;

// How often the syllables of one basic shape were read right.
struct ShapeAccuracy {
    BasicShape shape = BasicShape::A;
    int syllables = 0;
    int right = 0;

    int wrong() const { return syllables - right; }
};

struct DrawCandidate {
    QString reading;
    QString display;
    std::vector<BasicShape> shapes;  // of its syllables
};

// The indices into `words` of up to `count` words for a session numbered
// `session`, none twice:
// 1. the words due (their card's due session reached), the longest overdue
//    first, then those in lower boxes;
// 2. up to half of the places still open: the words richest in the learner's
//    two weakest shapes (the highest error rate among shapes read wrongly at
//    least once), scored by the error rates of their syllables of those shapes;
// 3. new words (no card), in random order;
// 4. when the list runs short of those, the other known words, soonest due first.
// Ties within a step are broken at random by `random`.
std::vector<int> DrawSession(const std::vector<DrawCandidate>& words, int count,
                             const ReviewCards& cards, int session,
                             const std::vector<ShapeAccuracy>& accuracy, QRandomGenerator& random);

// The shapes of `accuracy` read wrongly most often, at most `n`, most first;
// shapes never read wrongly are left out.
std::vector<BasicShape> MostMissedShapes(std::vector<ShapeAccuracy> accuracy, int n);

}  // namespace oralis
