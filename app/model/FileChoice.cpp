#include "model/FileChoice.h"

#include "model/ProgramState.h"
#include "model/Refusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace oralis {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::FileChoice)
};
}  // namespace

int PreselectedFileRow(const QStringList& files)
{
    return files.isEmpty() ? -1 : 0;
}

bool SaveReplacesExisting(const QString& path)
{
    const QFileInfo info(path);
    // A dangling link counts too: saving would replace the link.
    return (info.exists() || info.isSymLink()) && !info.isDir();
}

QString SuffixRemoval(const QString& st1)
{
    const qsizetype dot = st1.indexOf(QLatin1Char('.'));
    return dot < 0 ? st1 : st1.left(dot);
}

QString SuffixCheck(const QString& st1, const QString& suffix)
{
    return st1.contains(QLatin1Char('.')) ? st1 : st1 + suffix;
}

QString FolderPath(const QString& folder)
{
    return WithTrailingSeparator(folder);
}

bool IsUnder(const QString& path, const QString& root)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QStringList FolderChain(const QString& folder)
{
    QStringList chain{QStringLiteral("/")};
    QString path;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        chain << path;
    }
    return chain;
}

QStringList DriveList(const QString& home, const std::vector<Volume>& volumes)
{
    QStringList roots{QStringLiteral("/")};
    const auto add = [&roots](const QString& path) {
        const QString clean = QDir::cleanPath(path);
        if (!clean.isEmpty() && !roots.contains(clean))
            roots << clean;
    };
    add(home);

    // Kernel and memory file systems hold nothing a user would open or save.
    static const QSet<QByteArray> pseudo{
        "proc",     "sysfs",     "tmpfs",    "devtmpfs", "devpts",   "cgroup",     "cgroup2",
        "securityfs", "debugfs", "tracefs",  "pstore",   "bpf",      "mqueue",     "hugetlbfs",
        "configfs", "fusectl",   "autofs",   "binfmt_misc", "efivarfs", "ramfs",   "nsfs",
        "rpc_pipefs", "squashfs", "overlay", "selinuxfs"};
    QStringList offered;
    for (const Volume& v : volumes) {
        const QString root = QDir::cleanPath(v.root);
        if (pseudo.contains(v.fileSystemType) || IsUnder(root, QStringLiteral("/proc")) ||
            IsUnder(root, QStringLiteral("/sys")) || IsUnder(root, QStringLiteral("/dev")))
            continue;
        // Single files bind-mounted into containers show up as volumes too.
        if (v.isFolder)
            offered << root;
    }
    offered.sort(Qt::CaseInsensitive);
    for (const QString& root : offered)
        add(root);
    return roots;
}

int DriveOfFolder(const QStringList& roots, const QString& folder)
{
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        if (IsUnder(folder, roots[i]) && (best < 0 || roots[i].size() > roots[best].size()))
            best = i;
    }
    return best;
}

QString TypeEntry(const QString& name, const QString& suffix)
{
    return name + QStringLiteral(" (*") + suffix + QLatin1Char(')');
}

QString AllFilesEntry()
{
    return Text::tr("All Files (*.*)");
}

QString TypeFilter(const QString& suffix)
{
    return suffix.isEmpty() ? QStringLiteral("*.*") : QLatin1Char('*') + suffix;
}

namespace {

ChosenFile Chosen(const QString& fileName, const QString& folder, const QString& selected)
{
    ChosenFile c;
    c.TargetFileName = fileName;
    c.TargetFilePath = FolderPath(folder);
    c.TargetFile = c.TargetFilePath + c.TargetFileName;
    c.FajliloSenSufikso = SuffixRemoval(selected);
    return c;
}

}  // namespace

ChosenFile LoadChoice(const QString& selected, const QString& folder, const QString& suffix)
{
    return Chosen(SuffixCheck(selected, suffix), folder, selected);
}

ChosenFile ListedChoice(const QString& name, const QString& folder)
{
    return Chosen(name, folder, name);
}

std::optional<ChosenFile> SaveChoice(const QString& typed, const QString& selected,
                                     const QString& folder, const QString& suffix, QString* whyNot)
{
    // An empty name would save a hidden ".csv" that the list never shows.
    const QFileInfo path(QDir(folder).absoluteFilePath(typed));
    if (typed.isEmpty() || path.fileName().isEmpty()) {
        Refuse(whyNot, Text::tr("Type a file name"));
        return std::nullopt;
    }
    return Chosen(SuffixCheck(path.fileName(), suffix), path.absolutePath(), selected);
}

QString ReplaceQuestion(const ChosenFile& chosen)
{
    if (!SaveReplacesExisting(chosen.TargetFile))
        return QString();
    return Text::tr("%1 exists. Replace it?").arg(chosen.TargetFileName);
}

}  // namespace oralis
