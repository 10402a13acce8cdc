// The teacher's overview of a class whose history is on a server: one line
// per learner with how much and how well they practise, and the texts its
// table shows.
#pragma once

#include "model/Review.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace oralis {

// How many of the last sessions the trend shows, and how many shapes and
// confusions a line names.
constexpr int kOverviewSessions = 5;
constexpr int kOverviewShapes = 2;
constexpr int kOverviewConfusions = 3;

// A shape taken for another, and how often.
struct Confusion {
    BasicShape shape = BasicShape::A;
    BasicShape readAs = BasicShape::A;
    int times = 0;
};

struct LearnerOverview {
    QString name;
    int sessions = 0;  // sessions with attempts
    int attempts = 0;
    QDateTime lastPractice;  // the last attempt; invalid before the first
    // Percent read right (correct or looks the same) in each of the last
    // sessions, oldest first.
    std::vector<int> recentScores;
    // The shapes with the largest share of syllables read wrongly, the
    // weakest first; never-missed shapes are left out.
    std::vector<ShapeAccuracy> weakest;
    std::vector<Confusion> confusions;  // most frequent first
};

// The overview built from its rows: `scores` one per session with attempts
// (learner, attempts, read right, last attempt), in session order within a
// learner; `shapes` and `confusions` per learner in any order. Every learner
// named in `learners` has a line, sorted by name.
struct OverviewRows {
    struct Score {
        QString learner;
        int attempts = 0;
        int right = 0;
        QDateTime last;
    };
    struct Shape {
        QString learner;
        ShapeAccuracy accuracy;
    };
    struct Mistake {
        QString learner;
        Confusion confusion;
    };
    QStringList learners;
    std::vector<Score> scores;
    std::vector<Shape> shapes;
    std::vector<Mistake> confusions;
};
std::vector<LearnerOverview> BuildOverview(const OverviewRows& rows);

// The column captions and one learner's cells: name, sessions, last practice
// (local time), score trend ("55 → 62 → 80 %"), weakest shapes ("お 40 %,
// う 55 %"), most frequent confusions ("お as う (12), え as い (4)").
QStringList OverviewColumns();
QStringList OverviewCells(const LearnerOverview& learner);

}  // namespace oralis
