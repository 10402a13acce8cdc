#include "model/DataPlaces.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

TEST(DataPlaces, BesideTheProgramThenTheInstalledPlacesThenTheUsersOwn)
{
    struct Case {
        const char* program;
        QStringList library;
        QStringList tables;
        QStringList words;
        QStringList translations;
    } const cases[] = {
        // The build folder: everything beside the program.
        {"/src/oralis/build/bin/",
         {"/src/oralis/build/bin/libLip.so", "/src/oralis/build/lib/oralis/libLip.so", "libLip.so"},
         {"/u/data/oralis/LipPosition.csv", "/src/oralis/build/bin/LipPosition.csv",
          "/src/oralis/build/share/oralis/LipPosition.csv"},
         {"/u/cwd/JSLdefault.txt", "/u/data/oralis/JSLdefault.txt", "/src/oralis/build/bin/JSLdefault.txt",
          "/src/oralis/build/share/oralis/JSLdefault.txt"},
         {"/src/oralis/build/bin/translations/", "/src/oralis/build/share/oralis/translations/"}},
        // An installed prefix, wherever it was moved.
        {"/opt/moved/bin/",
         {"/opt/moved/bin/libLip.so", "/opt/moved/lib/oralis/libLip.so", "libLip.so"},
         {"/u/data/oralis/LipPosition.csv", "/opt/moved/bin/LipPosition.csv",
          "/opt/moved/share/oralis/LipPosition.csv"},
         {"/u/cwd/JSLdefault.txt", "/u/data/oralis/JSLdefault.txt", "/opt/moved/bin/JSLdefault.txt",
          "/opt/moved/share/oralis/JSLdefault.txt"},
         {"/opt/moved/bin/translations/", "/opt/moved/share/oralis/translations/"}},
    };
    const QString user = QStringLiteral("/u/data/oralis/");
    for (const Case& c : cases) {
        const QString program = QString::fromLatin1(c.program);
        EXPECT_EQ(LipLibraryCandidates(program), c.library) << c.program;
        EXPECT_EQ(StartupTableCandidates(program, user), c.tables) << c.program;
        EXPECT_EQ(WordListPlaces(QStringLiteral("/u/cwd/"), program, user), c.words) << c.program;
        EXPECT_EQ(TranslationFolders(program), c.translations) << c.program;
    }
}

TEST(DataPlaces, UserFolderFollowsXdgDataHome)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/teacher/data");
    EXPECT_EQ(UserDataFolder(), QStringLiteral("/tmp/teacher/data/oralis/"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataFolder(), QDir::homePath() + QStringLiteral("/.local/share/oralis/"));
    if (!saved.isNull())
        qputenv("XDG_DATA_HOME", saved);
}

TEST(DataPlaces, StartupTableIsTheFirstThatExists)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath(QStringLiteral("bin/"));
    const QString shipped = root.filePath(QStringLiteral("share/oralis/"));
    const QString user = root.filePath(QStringLiteral("user/oralis/"));
    auto put = [](const QString& folder) {
        QDir().mkpath(folder);
        QFile f(folder + kLipTableName);
        return f.open(QIODevice::WriteOnly);
    };

    // None: the place beside the program, which the failure then names.
    EXPECT_EQ(StartupTablePath(program, user), program + kLipTableName);
    ASSERT_TRUE(put(shipped));
    EXPECT_EQ(StartupTablePath(program, user), shipped + kLipTableName);
    ASSERT_TRUE(put(program));
    EXPECT_EQ(StartupTablePath(program, user), program + kLipTableName);
    ASSERT_TRUE(put(user));
    EXPECT_EQ(StartupTablePath(program, user), user + kLipTableName);
}

TEST(DataPlaces, SaveStartsInTheUsersFolderOnlyWhenTheProgramsCannotBeWritten)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString user = root.filePath(QStringLiteral("data/oralis/"));
    EXPECT_EQ(TableSaveFolder(root.path() + QLatin1Char('/'), user), std::nullopt);
    EXPECT_FALSE(QDir(user).exists());

    // A folder that is not there cannot be written either, even by root.
    EXPECT_EQ(TableSaveFolder(root.filePath(QStringLiteral("gone/")), user), user);
    EXPECT_TRUE(QDir(user).exists());
}

}  // namespace
