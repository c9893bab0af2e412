#include "platform/forms/Drives.h"

#include "platform/forms/FileControls.h"
#include "platform/forms/Internal.h"
#include "platform/forms/Testing.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <optional>

namespace forms
{

namespace
{

std::optional<std::string> mountTableOverride;

// Mount table fields escape blanks and the like as octal (\040).
std::string unescapeMountField(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string oct = field.substr(i + 1, 3);
            if (std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool pseudoFileSystem(const QString& type)
{
    static const QStringList pseudo = {
        QStringLiteral("proc"),        QStringLiteral("sysfs"),           QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),     QStringLiteral("tmpfs"),           QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),      QStringLiteral("mqueue"),          QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),     QStringLiteral("securityfs"),      QStringLiteral("pstore"),
        QStringLiteral("bpf"),         QStringLiteral("configfs"),        QStringLiteral("fusectl"),
        QStringLiteral("hugetlbfs"),   QStringLiteral("autofs"),          QStringLiteral("binfmt_misc"),
        QStringLiteral("efivarfs"),    QStringLiteral("rpc_pipefs"),      QStringLiteral("nsfs"),
        QStringLiteral("ramfs"),       QStringLiteral("squashfs"),        QStringLiteral("overlay"),
        QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse"), QStringLiteral("selinuxfs")};
    return pseudo.contains(type);
}

} // namespace

namespace detail
{

std::vector<std::string> drives()
{
    QByteArray table;
    if (mountTableOverride) {
        table = QByteArray::fromStdString(*mountTableOverride);
    } else {
        QFile f(QStringLiteral("/proc/self/mounts"));
        if (f.open(QIODevice::ReadOnly)) table = f.readAll();
    }
    std::vector<std::string> out{"/"};
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || pseudoFileSystem(QString::fromUtf8(fields[2]))) continue;
        std::string mount = unescapeMountField(fields[1].toStdString());
        if (mount.empty() || mount[0] != '/' || std::find(out.begin(), out.end(), mount) != out.end())
            continue;
        out.push_back(mount);
    }
    std::sort(out.begin() + 1, out.end());
    return out;
}

std::string cleanPath(const std::string& path, const std::string& base)
{
    // Latin-1 maps each byte to one character and back, so a name that is not UTF-8 survives.
    const auto bytes = [](const std::string& s) {
        return QString::fromLatin1(s.data(), qsizetype(s.size()));
    };
    QString p = bytes(path);
    if (!p.startsWith(QLatin1Char('/'))) p = bytes(base) + QLatin1Char('/') + p;
    return QDir::cleanPath(p).toLatin1().toStdString();
}

static bool within(const std::string& path, const std::string& mount)
{
    return mount == "/" || path == mount ||
           (path.size() > mount.size() && path.compare(0, mount.size(), mount) == 0 &&
            path[mount.size()] == '/');
}

// The drive that holds a path: the longest mount point it lies under.
std::string driveOf(const std::string& path)
{
    const std::string p = cleanPath(path);
    std::string best = "/";
    for (const std::string& d : drives())
        if (within(p, d) && d.size() > best.size()) best = d;
    return best;
}

bool listable(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir) return false;
    closedir(dir);
    return true;
}

std::map<std::string, std::string>& driveFolders()
{
    static std::map<std::string, std::string> folders;
    return folders;
}

std::string workingFolder()
{
    std::error_code failed;
    return std::filesystem::current_path(failed).string(); // its bytes, empty when unknown
}

} // namespace detail

using namespace detail;

std::string CurrentFolderOfDrive(const std::string& drive)
{
    const std::string d = driveOf(drive.empty() ? std::string("/") : drive);
    auto& folders = driveFolders();
    if (auto it = folders.find(d); it != folders.end()) return it->second;
    const std::string cwd = workingFolder();
    return driveOf(cwd) == d ? cwd : d;
}

namespace testing
{
void setMountTable(const std::string& table)
{
    if (table.empty())
        mountTableOverride.reset();
    else
        mountTableOverride = table;
}
void forgetDriveFolders()
{
    driveFolders().clear();
}
} // namespace testing

} // namespace forms
