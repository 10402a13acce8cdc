#include "model/history/HistoryCsv.h"

#include <QCoreApplication>
#include <QStringList>

namespace oralis::history {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::History)
};

QString Field(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text[0]))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

}  // namespace

QString VerdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Correct:
        return Text::tr("correct");
    case Verdict::Lookalike:
        return Text::tr("looks the same");
    case Verdict::Wrong:
        return Text::tr("wrong");
    case Verdict::Skipped:
        break;
    }
    return Text::tr("skipped");
}

QByteArray AttemptsCsv(const std::vector<AttemptRow>& rows, bool withLearner)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QStringList header;
    if (withLearner)
        header << Field(Text::tr("learner"));
    static const char* const kColumns[] = {
        QT_TRANSLATE_NOOP("oralis::History", "date"),    QT_TRANSLATE_NOOP("oralis::History", "list"),
        QT_TRANSLATE_NOOP("oralis::History", "word"),    QT_TRANSLATE_NOOP("oralis::History", "reading"),
        QT_TRANSLATE_NOOP("oralis::History", "answer"),  QT_TRANSLATE_NOOP("oralis::History", "verdict"),
        QT_TRANSLATE_NOOP("oralis::History", "replays"), QT_TRANSLATE_NOOP("oralis::History", "speed"),
    };
    for (const char* name : kColumns)
        header << Field(Text::tr(name));
    QString text = header.join(u',') + lineEnd;
    for (const AttemptRow& r : rows) {
        QStringList fields = {r.at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                    Field(r.list),
                                    Field(r.word),
                                    Field(r.reading),
                                    Field(r.answer),
                                    Field(VerdictWord(r.verdict)),
                                    QString::number(r.replays),
                                    Field(r.speed)};
        if (withLearner)
            fields.prepend(Field(r.learner));
        text += fields.join(u',') + lineEnd;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace oralis::history
