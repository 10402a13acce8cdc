#include "playback/Verdict.h"

#include "model/MecabReading.h"

#include <QCoreApplication>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::Verdict)
};

QString Labelled(const LipPattern& p, int syllable)
{
    const PatternSyllable& s = p.syllables[static_cast<size_t>(syllable)];
    return Text::tr("%1 (%2)", "a syllable and its mouth shape").arg(s.kana, ShapeName(s.shape));
}

std::vector<SyllableOutcome> AllRead(const LipPattern& word, bool right)
{
    std::vector<SyllableOutcome> out;
    for (int i = 1; i <= word.spoken(); ++i) {
        const BasicShape shape = word.syllables[static_cast<size_t>(i)].shape;
        out.push_back({shape, right ? std::optional(shape) : std::nullopt, right});
    }
    return out;
}

QList<LookalikeIndex::Word> LookalikesOf(const LipPattern& word, const LookalikeIndex* index)
{
    return index ? index->lookingLike(word) : QList<LookalikeIndex::Word>();
}

}  // namespace

AnswerVerdict JudgeAnswer(const LipPattern& word, const QString& display, const QString& answerText,
                          const QString& answerReading, const SignTable& table,
                          const LookalikeIndex* index)
{
    if (answerText.trimmed().isEmpty() && answerReading.isEmpty())
        return SkippedAnswer(word, index);

    AnswerVerdict v;
    v.word = word;
    v.lookalikes = LookalikesOf(word, index);
    if (!answerReading.isEmpty())
        v.answer = PatternOfReading(answerReading, table, word.plan);
    if (v.answer)
        v.alignment = AlignPatterns(word, *v.answer, PairedBy::Reading);

    // Kana typed as it is spelled (それは, なにですか) is read as it is spoken.
    const auto sameSpoken = [&] {
        const std::optional<QString> spoken = SharedMecabReader().spokenKana(answerReading);
        return spoken && SameReading(*spoken, word.reading);
    };
    const bool exact = (!answerReading.isEmpty() && (SameReading(answerReading, word.reading) || sameSpoken()))
        || (!display.trimmed().isEmpty() && answerText.trimmed() == display.trimmed());
    if (exact || (v.answer && LooksSame(word, *v.answer))) {
        v.kind = exact ? Verdict::Correct : Verdict::Lookalike;
        v.outcomes = AllRead(word, true);
        return v;
    }

    v.kind = Verdict::Wrong;
    if (!v.answer) {
        v.outcomes = AllRead(word, false);
        return v;
    }
    for (const SyllablePair& p : v.alignment) {
        if (p.a < 0)
            continue;
        const BasicShape shape = word.syllables[static_cast<size_t>(p.a)].shape;
        switch (p.kind) {
        case PairKind::Match:
            v.outcomes.push_back({shape, shape, true});
            break;
        case PairKind::Substitution:
            v.outcomes.push_back({shape, v.answer->syllables[static_cast<size_t>(p.b)].shape, false});
            break;
        default:
            v.outcomes.push_back({shape, std::nullopt, false});
            break;
        }
    }
    return v;
}

AnswerVerdict SkippedAnswer(const LipPattern& word, const LookalikeIndex* index)
{
    AnswerVerdict v;
    v.kind = Verdict::Skipped;
    v.word = word;
    v.lookalikes = LookalikesOf(word, index);
    v.outcomes = AllRead(word, false);
    return v;
}

QStringList MistakeLines(const AnswerVerdict& v)
{
    QStringList lines;
    if (v.kind != Verdict::Wrong)
        return lines;
    if (!v.answer) {
        for (int i = 1; i <= v.word.spoken(); ++i)
            lines << Text::tr("%1 not seen").arg(Labelled(v.word, i));
        return lines;
    }
    for (const SyllablePair& p : v.alignment) {
        switch (p.kind) {
        case PairKind::Substitution:
            lines << Text::tr("%1 read as %2").arg(Labelled(v.word, p.a), Labelled(*v.answer, p.b));
            break;
        case PairKind::Deletion:
            lines << Text::tr("%1 not seen").arg(Labelled(v.word, p.a));
            break;
        case PairKind::Insertion:
            lines << Text::tr("%1 added").arg(Labelled(*v.answer, p.b));
            break;
        case PairKind::Match:
            break;
        }
    }
    return lines;
}

QString CompareText(const LipPattern& a, const LipPattern& b)
{
    if (LooksSame(a, b))
        return Text::tr("同じ口の形");
    const QString none = QStringLiteral("—");
    QStringList lines;
    for (const SyllablePair& p : AlignPatterns(a, b)) {
        if (p.kind == PairKind::Match)
            continue;
        lines << QStringLiteral("%1 / %2").arg(p.a < 0 ? none : Labelled(a, p.a), p.b < 0 ? none : Labelled(b, p.b));
    }
    return lines.join(u'\n');
}

}  // namespace oralis
