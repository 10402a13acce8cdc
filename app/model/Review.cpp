#include "model/Review.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace oralis {

namespace {

constexpr int kWeakShapesDrawnFor = 2;

double ErrorRate(const ShapeAccuracy& a)
{
    return a.syllables > 0 ? static_cast<double>(a.wrong()) / a.syllables : 0.0;
}

}  // namespace

int BoxInterval(int box)
{
    return 1 << (std::clamp(box, kFirstBox, kLastBox) - kFirstBox);
}

ReviewCard Advance(const ReviewCard* card, bool right, int session)
{
    if (!right)
        return {kFirstBox, session + BoxInterval(kFirstBox)};
    // A new word read right has shown it needs no drill: it starts one box up.
    const int box = std::min(kLastBox, (card ? card->box : kFirstBox) + 1);
    return {box, session + BoxInterval(box)};
}

std::vector<int> DrawSession(const std::vector<DrawCandidate>& words, int count,
                             const ReviewCards& cards, int session,
                             const std::vector<ShapeAccuracy>& accuracy, QRandomGenerator& random)
{
    const int n = static_cast<int>(words.size());
    std::vector<const ReviewCard*> card(static_cast<size_t>(n), nullptr);
    std::vector<quint32> tie(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const DrawCandidate& w = words[static_cast<size_t>(i)];
        const auto it = cards.find({w.reading, w.display});
        if (it != cards.end())
            card[static_cast<size_t>(i)] = &it->second;
        tie[static_cast<size_t>(i)] = random.generate();
    }

    std::vector<int> drawn;
    std::vector<bool> taken(static_cast<size_t>(n), false);
    auto takeBest = [&](auto eligible, auto rank, int limit) {
        std::vector<int> pool;
        for (int i = 0; i < n; ++i) {
            if (!taken[static_cast<size_t>(i)] && eligible(i))
                pool.push_back(i);
        }
        std::sort(pool.begin(), pool.end(), [&](int a, int b) {
            return std::make_tuple(rank(a), tie[static_cast<size_t>(a)]) <
                   std::make_tuple(rank(b), tie[static_cast<size_t>(b)]);
        });
        for (int i : pool) {
            if (limit <= 0 || static_cast<int>(drawn.size()) >= count)
                break;
            drawn.push_back(i);
            taken[static_cast<size_t>(i)] = true;
            --limit;
        }
    };
    auto cardOf = [&](int i) { return card[static_cast<size_t>(i)]; };

    takeBest([&](int i) { return cardOf(i) && cardOf(i)->due <= session; },
             [&](int i) { return std::make_pair(cardOf(i)->due, cardOf(i)->box); }, count);

    std::vector<ShapeAccuracy> weak;
    for (const ShapeAccuracy& a : accuracy) {
        if (a.shape != BasicShape::Rest && a.wrong() > 0)
            weak.push_back(a);
    }
    std::sort(weak.begin(), weak.end(), [](const ShapeAccuracy& a, const ShapeAccuracy& b) {
        return std::make_pair(ErrorRate(a), a.wrong()) > std::make_pair(ErrorRate(b), b.wrong());
    });
    if (weak.size() > kWeakShapesDrawnFor)
        weak.resize(kWeakShapesDrawnFor);
    auto weakness = [&](int i) {
        double score = 0;
        for (BasicShape s : words[static_cast<size_t>(i)].shapes) {
            for (const ShapeAccuracy& a : weak) {
                if (a.shape == s)
                    score += ErrorRate(a);
            }
        }
        return score;
    };
    const int open = count - static_cast<int>(drawn.size());
    takeBest([&](int i) { return weakness(i) > 0; }, [&](int i) { return -weakness(i); }, open / 2);

    takeBest([&](int i) { return !cardOf(i); }, [](int) { return 0; }, count);
    takeBest([&](int i) { return cardOf(i) != nullptr; }, [&](int i) { return cardOf(i)->due; }, count);
    return drawn;
}

std::vector<BasicShape> MostMissedShapes(std::vector<ShapeAccuracy> accuracy, int n)
{
    std::stable_sort(accuracy.begin(), accuracy.end(),
                     [](const ShapeAccuracy& a, const ShapeAccuracy& b) { return a.wrong() > b.wrong(); });
    std::vector<BasicShape> shapes;
    for (const ShapeAccuracy& a : accuracy) {
        if (static_cast<int>(shapes.size()) >= n || a.wrong() <= 0)
            break;
        shapes.push_back(a.shape);
    }
    return shapes;
}

}  // namespace oralis
