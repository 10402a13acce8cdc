#include "model/HistoryOverview.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::History)
};

int Percent(int part, int whole)
{
    return whole > 0 ? (200 * part + whole) / (2 * whole) : 0;
}

}  // namespace

std::vector<LearnerOverview> BuildOverview(const OverviewRows& rows)
{
    std::map<QString, LearnerOverview> byName;
    for (const QString& name : rows.learners)
        byName[name].name = name;
    for (const OverviewRows::Score& s : rows.scores) {
        LearnerOverview& l = byName[s.learner];
        l.name = s.learner;
        ++l.sessions;
        l.attempts += s.attempts;
        l.lastPractice = std::max(l.lastPractice, s.last);
        l.recentScores.push_back(Percent(s.right, s.attempts));
    }
    std::map<QString, std::vector<ShapeAccuracy>> accuracy;
    for (const OverviewRows::Shape& s : rows.shapes)
        accuracy[s.learner].push_back(s.accuracy);
    for (auto& [name, shapes] : accuracy) {
        LearnerOverview& l = byName[name];
        l.name = name;
        // By the share read wrongly, so that a shape met less often is not
        // hidden behind a frequent one.
        std::erase_if(shapes, [](const ShapeAccuracy& a) { return a.wrong() <= 0; });
        std::sort(shapes.begin(), shapes.end(), [](const ShapeAccuracy& a, const ShapeAccuracy& b) {
            const qint64 left = qint64(a.wrong()) * b.syllables, right = qint64(b.wrong()) * a.syllables;
            return left != right ? left > right : a.shape < b.shape;
        });
        l.weakest.assign(shapes.begin(), shapes.begin() + std::min<size_t>(shapes.size(), kOverviewShapes));
    }
    for (const OverviewRows::Mistake& m : rows.confusions) {
        LearnerOverview& l = byName[m.learner];
        l.name = m.learner;
        l.confusions.push_back(m.confusion);
    }
    std::vector<LearnerOverview> overview;
    for (auto& [name, l] : byName) {
        if (l.recentScores.size() > static_cast<size_t>(kOverviewSessions))
            l.recentScores.erase(l.recentScores.begin(), l.recentScores.end() - kOverviewSessions);
        std::stable_sort(l.confusions.begin(), l.confusions.end(), [](const Confusion& a, const Confusion& b) {
            return a.times != b.times ? a.times > b.times
                                      : std::pair(a.shape, a.readAs) < std::pair(b.shape, b.readAs);
        });
        if (l.confusions.size() > static_cast<size_t>(kOverviewConfusions))
            l.confusions.resize(kOverviewConfusions);
        overview.push_back(std::move(l));
    }
    return overview;
}

QStringList OverviewColumns()
{
    return {Text::tr("Learner"),     Text::tr("Sessions"),       Text::tr("Last practice"),
            Text::tr("Score trend"), Text::tr("Weakest shapes"), Text::tr("Most frequent confusions")};
}

QStringList OverviewCells(const LearnerOverview& learner)
{
    QStringList scores;
    for (int percent : learner.recentScores)
        scores << QString::number(percent);
    QStringList weakest;
    for (const ShapeAccuracy& a : learner.weakest)
        weakest << Text::tr("%1 %2 %").arg(ShapeName(a.shape)).arg(Percent(a.right, a.syllables));
    QStringList confusions;
    for (const Confusion& c : learner.confusions)
        confusions << Text::tr("%1 as %2 (%3)").arg(ShapeName(c.shape), ShapeName(c.readAs)).arg(c.times);
    return {learner.name,
            QString::number(learner.sessions),
            learner.lastPractice.isValid()
                ? learner.lastPractice.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                : Text::tr("never"),
            scores.isEmpty() ? QString() : Text::tr("%1 %").arg(scores.join(QStringLiteral(" → "))),
            weakest.join(QStringLiteral(", ")),
            confusions.join(QStringLiteral(", "))};
}

}  // namespace oralis
