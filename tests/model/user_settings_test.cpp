#include "model/UserSettings.h"

#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

TEST(UserSettings, KeptInTheUsersConfigFolderAndSaysWhenTheyCannotBe)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    EXPECT_EQ(UserSettingsPath(), dir.filePath(QStringLiteral("config/oralis/oralis.conf")));
    EXPECT_EQ(ReadSetting(setting::kPracticeCloseUp, true).toBool(), true);
    EXPECT_TRUE(WriteSetting(setting::kPracticeCloseUp, false));
    EXPECT_TRUE(WriteSetting(setting::WindowPlace(QStringLiteral("frmStudy")), QPoint(571, 20)));
    EXPECT_TRUE(QFile::exists(UserSettingsPath()));
    EXPECT_EQ(ReadSetting(setting::kPracticeCloseUp, true).toBool(), false);
    EXPECT_EQ(ReadSetting(setting::WindowPlace(QStringLiteral("frmStudy"))).toPoint(), QPoint(571, 20));
    EXPECT_TRUE(WriteSetting(setting::kPracticeCloseUp, QVariant()));
    EXPECT_FALSE(ReadSetting(setting::kPracticeCloseUp).isValid());

    // A file where the folder should be: nothing can be written there.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toUtf8());
    QString why;
    EXPECT_FALSE(WriteSetting(setting::kStudyCloseUp, true, &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("Settings cannot be written to "))) << why.toStdString();
}

}  // namespace
