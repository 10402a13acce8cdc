// Every text of the code has its finished Japanese: lupdate reads the code
// into a scratch copy of the translation, where a text the translation lacks
// comes out new and unfinished.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.insert(m.captured());
    return found;
}

// "context: source" for each text of `sources` that `ts` does not translate,
// or translates without one of its placeholders; a failure to run lupdate is
// reported as such.
QStringList Untranslated(const QString& sources, const QString& ts)
{
    QTemporaryDir dir;
    const QString scratch = dir.filePath(QStringLiteral("scratch_ja.ts"));
    if (!dir.isValid() || !QFile::copy(ts, scratch))
        return {QStringLiteral("cannot copy %1").arg(ts)};
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORALIS_LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                                   QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                                                   sources, QStringLiteral("-ts"), scratch});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0)
        return {QStringLiteral("lupdate failed: %1").arg(QString::fromLocal8Bit(lupdate.readAllStandardError()))};

    QFile file(scratch);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read %1").arg(scratch)};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            // A plural text holds its forms in numerusform elements.
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString where = QStringLiteral("%1: %2").arg(context, source);
            if (unfinished || text.isEmpty())
                faults << QStringLiteral("untranslated: ") + where;
            else if (Placeholders(source) != Placeholders(text))
                faults << QStringLiteral("placeholders differ: ") + where;
        }
    }
    if (xml.hasError())
        faults << QStringLiteral("%1: %2").arg(scratch, xml.errorString());
    return faults;
}

class Translation : public ::testing::Test {
protected:
    int argc_ = 1;
    char name_[12] = "translation";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_{argc_, argv_};
};

TEST_F(Translation, EveryTextOfTheCodeIsTranslated)
{
    const QStringList faults = Untranslated(QStringLiteral(ORALIS_APP_SOURCES), QStringLiteral(ORALIS_TS));
    EXPECT_TRUE(faults.isEmpty()) << "Bring translations/oralis_ja.ts up to date (cmake --build build --target "
                                     "update_translations) and translate:\n"
                                  << faults.join(u'\n').toStdString();
}

TEST_F(Translation, CatchesANewTextAndALostPlaceholder)
{
    const QString planted = QStringLiteral(ORALIS_PLANTED);
    QStringList faults = Untranslated(planted, planted + QStringLiteral("/planted_ja.ts"));
    faults.sort();
    EXPECT_EQ(faults.join(u'\n').toStdString(), "placeholders differ: Planted: Cannot open %1: %2\n"
                                                 "untranslated: Planted: A text nobody has translated yet");
}

}  // namespace
