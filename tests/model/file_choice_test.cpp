// The file chooser's decisions, without the dialog.
#include "model/FileChoice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oralis {
namespace {

TEST(FileChoice, ResultPathsFollowTheSuffixRules)
{
    struct Case {
        const char* selected;
        const char* fileName;
        const char* withoutSuffix;
    };
    const Case loads[] = {
        {"alpha.csv", "alpha.csv", "alpha"},
        {"a.b.csv", "a.b.csv", "a"},        // the first dot counts
        {"README", "README.csv", "README"},  // no dot: the type's suffix
        {"", ".csv", ""},                     // nothing selected
    };
    for (const Case& c : loads) {
        const ChosenFile f = LoadChoice(c.selected, "/data", ".csv");
        EXPECT_EQ(f.TargetFileName, c.fileName);
        EXPECT_EQ(f.FajliloSenSufikso, c.withoutSuffix);
        EXPECT_EQ(f.TargetFilePath, "/data/");
        EXPECT_EQ(f.TargetFile, QString("/data/") + c.fileName);
    }
    // A double-click hands the name back as listed, suffix or not.
    EXPECT_EQ(ListedChoice("README", "/").TargetFile, "/README");

    struct Save {
        const char* typed;
        const char* target;
    };
    const Save saves[] = {
        {"Percobaan", "/data/Percobaan.csv"},
        {"test.txt", "/data/test.txt"},
        {"x.", "/data/x."},
        {"/tmp/sub/out", "/tmp/sub/out.csv"},
        {"sub.d/x", "/data/sub.d/x.csv"},  // a dot in a folder adds no suffix
    };
    for (const Save& c : saves) {
        const std::optional<ChosenFile> f = SaveChoice(c.typed, "alpha.csv", "/data", ".csv");
        ASSERT_TRUE(f) << c.typed;
        EXPECT_EQ(f->TargetFile, c.target);
        EXPECT_EQ(f->FajliloSenSufikso, "alpha");
    }
    for (const char* typed : {"", "sub/"}) {
        QString why;
        EXPECT_FALSE(SaveChoice(typed, "", "/data", ".csv", &why)) << typed;
        EXPECT_EQ(why, "Type a file name");
    }
    EXPECT_EQ(FolderPath("/"), "/");  // a root keeps its one separator
    EXPECT_EQ(FolderPath("/a"), "/a/");
}

TEST(FileChoice, TypesAndFilters)
{
    EXPECT_EQ(TypeEntry("Angle Data", ".csv"), "Angle Data (*.csv)");
    EXPECT_EQ(TypeFilter(".csv"), "*.csv");
    EXPECT_EQ(TypeFilter(QString()), "*.*");
}

TEST(FileChoice, DrivesAreTheRootHomeAndRealVolumesOnce)
{
    const std::vector<Volume> volumes = {
        {"/proc", "proc", true},       {"/run/user/1", "tmpfs", true}, {"/media/usb", "vfat", true},
        {"/dev/shm", "ext4", true},    {"/etc/hosts", "ext4", false},  {"/home/u", "ext4", true},
        {"/Backup/", "ext4", true},    {"/", "ext4", true},
    };
    EXPECT_EQ(DriveList("/home/u", volumes), (QStringList{"/", "/home/u", "/Backup", "/media/usb"}));

    const QStringList roots{"/", "/home/u", "/media/usb"};
    EXPECT_EQ(DriveOfFolder(roots, "/home/u/tables"), 1);  // the deepest one
    EXPECT_EQ(DriveOfFolder(roots, "/home/user2"), 0);     // not under /home/u
    EXPECT_EQ(DriveOfFolder(roots, "relative"), -1);
    EXPECT_EQ(FolderChain("/a/b"), (QStringList{"/", "/a", "/a/b"}));
}

TEST(FileChoice, OnlyAnExistingFileIsReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
    QFile file(dir.filePath("old.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(ReplaceQuestion(*SaveChoice("old", "", dir.path(), ".csv")), "old.csv exists. Replace it?");
    EXPECT_TRUE(ReplaceQuestion(*SaveChoice("new", "", dir.path(), ".csv")).isEmpty());
    EXPECT_TRUE(ReplaceQuestion(*SaveChoice("folder", "", dir.path(), ".csv")).isEmpty());
}

}  // namespace
}  // namespace oralis
