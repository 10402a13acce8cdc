#include "model/DataPlaces.h"
#include "playback/StartupTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oralis {
namespace {

using C = StartupChoice;

TEST(StartupTable, ADamagedTableOffersAShippedOneOnlyWhenThereIsAnother)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString user = dir.filePath(QStringLiteral("user/"));
    const QString shipped = dir.filePath(QStringLiteral("share/"));
    const QString empty = dir.filePath(QStringLiteral("nothing/"));
    for (const QString& folder : {user, shipped, empty})
        ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& folder : {user, shipped}) {
        QFile f(folder + kLipTableName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(shipped + kLipTableName, dir.filePath(QStringLiteral("link.csv"))));

    const struct {
        const char* name;
        QString failed;
        QStringList shippedFolders;
        bool ask;
        QString offered;
        std::vector<C> choices;
    } cases[] = {
        {"the user's table", user + kLipTableName, {empty, shipped}, true, shipped + kLipTableName,
         {C::ShippedTable, C::Chooser, C::NoTable}},
        {"no shipped table", user + kLipTableName, {empty}, true, {}, {C::Chooser, C::NoTable}},
        {"the shipped table itself", shipped + kLipTableName, {shipped}, true, {}, {C::Chooser, C::NoTable}},
        {"the shipped table by a link", dir.filePath(QStringLiteral("link.csv")), {shipped}, true, {},
         {C::Chooser, C::NoTable}},
        {"no table at all", empty + kLipTableName, {empty, shipped}, false, shipped + kLipTableName,
         {C::ShippedTable, C::Chooser, C::NoTable}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StartupTableFailure f = StartupTableFailed(c.failed, QStringLiteral("line 3: too few fields"),
                                                         c.shippedFolders);
        EXPECT_EQ(f.ask, c.ask);
        EXPECT_EQ(f.shipped, c.offered);
        EXPECT_EQ(f.choices(), c.choices);
        EXPECT_TRUE(f.text().contains(QDir::toNativeSeparators(c.failed))) << f.text().toStdString();
        EXPECT_TRUE(f.text().contains(QStringLiteral("line 3: too few fields")));
    }
}

}  // namespace
}  // namespace oralis
