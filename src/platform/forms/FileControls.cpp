#include "platform/forms/FileControls.h"

#include "platform/forms/Drives.h"
#include "platform/forms/Internal.h"
#include "platform/forms/ListSurface.h"

#include <QComboBox>
#include <algorithm>
#include <dirent.h>
#include <map>
#include <sys/stat.h>

namespace forms
{

using namespace detail;

// DriveListBox -----------------------------------------------------------------------------

namespace
{

// Each row keeps the drive's own bytes beside the text it shows.
void addDrive(QComboBox* w, const std::string& drive)
{
    w->addItem(detail::qs(drive), QByteArray::fromStdString(drive));
}
int rowOfDrive(const QComboBox* w, const std::string& drive)
{
    return w->findData(QByteArray::fromStdString(drive));
}
std::string driveAt(const QComboBox* w, int row)
{
    return w->itemData(row).toByteArray().toStdString();
}

} // namespace

DriveListBox::DriveListBox(Container& parent, const Layout& layout) : Control(parent, layout)
{
    auto* w = new QComboBox;
    w->setFont(detail::toQFont(layout.Font, w->font()));
    detail::applyColors(w, layout.BackColor, layout.ForeColor, false);
    drive_ = driveOf(workingFolder());
    for (const std::string& d : drives())
        addDrive(w, d);
    w->setCurrentIndex(rowOfDrive(w, drive_));
    attach(w, layout);
    router()->passThrough = true;
    QObject::connect(w, &QComboBox::activated, w, [this, w](int row) {
        // A user's pick changes the drive even when it is not ready; the handler finds out.
        const std::string picked = driveAt(w, row);
        if (picked == drive_) return;
        drive_ = picked;
        detail::runHandler(onChange);
    });
}

bool DriveListBox::setDrive(const std::string& drive)
{
    if (drive.empty()) return false;
    const std::string d = driveOf(drive);
    if (!listable(d)) return false;
    if (d == drive_) return true;
    drive_ = d;
    if (auto* w = static_cast<QComboBox*>(widget())) {
        const QSignalBlocker block(w);
        if (rowOfDrive(w, d) < 0) addDrive(w, d);
        w->setCurrentIndex(rowOfDrive(w, d));
    }
    detail::raiseFromCode(onChange);
    return true;
}

std::string DriveListBox::List(int index) const
{
    const auto* w = static_cast<const QComboBox*>(widget());
    if (!w || index < 0 || index >= w->count()) return {};
    return driveAt(w, index);
}

int DriveListBox::ListCount() const
{
    const auto* w = static_cast<const QComboBox*>(widget());
    return w ? w->count() : 0;
}

// DirListBox -------------------------------------------------------------------------------

namespace
{

// Paths keep their own bytes throughout: a name from an older system need not be UTF-8.
std::vector<std::string> chainOf(const std::string& path)
{
    std::vector<std::string> chain{"/"};
    std::string sofar;
    for (std::size_t from = 0; from < path.size();) {
        const std::size_t end = std::min(path.find('/', from), path.size());
        if (end > from) chain.push_back(sofar.append("/").append(path, from, end - from));
        from = end + 1;
    }
    return chain;
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

enum class Entries { Folders, Files };

// A folder's visible entries of one kind by their bytes, sorted regardless of case by their
// shown text. Links count as what they lead to.
std::vector<std::string> listFolder(const std::string& path, Entries kind)
{
    std::vector<std::pair<QString, std::string>> found; // sort key, name
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name.front() == '.') continue; // hidden, and the dot entries
            struct stat st {
            };
            if (::stat(joinPath(path, name).c_str(), &st) != 0) continue;
            if (kind == Entries::Folders ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode))
                found.emplace_back(detail::qs(name).toLower(), name);
        }
        ::closedir(dir);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto& f : found)
        names.push_back(std::move(f.second));
    return names;
}

std::string lastPart(const std::string& path)
{
    if (path == "/") return "/";
    return path.substr(path.rfind('/') + 1);
}

} // namespace

DirListBox::DirListBox(Container& parent, const Layout& layout) : Control(parent, layout)
{
    auto* s = new detail::ListSurface(layout);
    s->model.count = [this] { return static_cast<int>(chain_.size() + subs_.size()); };
    s->model.text = [this](int row) {
        const std::size_t r = static_cast<std::size_t>(row);
        const std::size_t depth = std::min(r, chain_.size());
        const std::string& full = r < chain_.size() ? chain_[r] : subs_[r - chain_.size()];
        return QString(static_cast<qsizetype>(depth * 2), QLatin1Char(' ')) + detail::qs(lastPart(full));
    };
    attach(s, layout);
    s->routeRows(*router(), [this](int row) { pickRow(row); });
    router()->onDouble = [this](QPoint at) {
        auto* sf = static_cast<detail::ListSurface*>(widget());
        const int row = sf ? sf->rowAt(at) : -1;
        if (row < 0) return;
        const std::size_t r = static_cast<std::size_t>(row);
        setPath(r < chain_.size() ? chain_[r] : subs_[r - chain_.size()]);
    };
    const std::string start = workingFolder();
    load(listable(start) ? start : std::string("/"));
}

void DirListBox::load(const std::string& path)
{
    auto* s = static_cast<detail::ListSurface*>(widget());
    if (s) s->model.beginReset();
    path_ = path;
    chain_ = chainOf(path);
    subs_.clear();
    for (const std::string& name : listFolder(path, Entries::Folders))
        subs_.push_back(joinPath(path, name));
    row_ = static_cast<int>(chain_.size()) - 1;
    if (s) {
        s->model.endReset();
        s->showSelected(row_);
    }
    driveFolders()[driveOf(path)] = path;
}

void DirListBox::pickRow(int row)
{
    row_ = row;
    if (auto* s = static_cast<detail::ListSurface*>(widget())) s->showSelected(row_);
    detail::runHandler(onClick);
}

bool DirListBox::setPath(const std::string& path)
{
    if (path.empty()) return false;
    const std::string p = cleanPath(path, path_);
    if (!listable(p)) return false;
    const bool changed = p != path_;
    load(p);
    if (changed) detail::raiseFromCode(onChange);
    return true;
}

std::string DirListBox::List(int index) const
{
    if (index >= 0) return index < ListCount() ? subs_[static_cast<std::size_t>(index)] : std::string();
    const long up = -1L - index; // -1 the folder itself, -2 its parent, ...
    const long at = static_cast<long>(chain_.size()) - 1 - up;
    return at >= 0 ? chain_[static_cast<std::size_t>(at)] : std::string();
}

int DirListBox::ListCount() const
{
    return static_cast<int>(subs_.size());
}

int DirListBox::ListIndex() const
{
    // Rows of the chain count up to -1 at the folder itself; sub-folders from 0.
    return row_ < 0 ? -1 : row_ - static_cast<int>(chain_.size());
}

// FileListBox ------------------------------------------------------------------------------

FileListBox::FileListBox(Container& parent, const Layout& layout) : Control(parent, layout)
{
    auto* s = new detail::ListSurface(layout);
    s->model.count = [this] { return static_cast<int>(files_.size()); };
    s->model.text = [this](int row) { return detail::qs(files_[static_cast<std::size_t>(row)]); };
    attach(s, layout);
    s->routeRows(*router(), [this](int row) { setListIndex(row); });
    const std::string start = workingFolder();
    path_ = listable(start) ? start : std::string("/");
    Refresh();
}

bool FileListBox::setPath(const std::string& path)
{
    if (path.empty()) return false;
    const std::string p = cleanPath(path, path_);
    if (!listable(p)) return false;
    const bool changed = p != path_;
    path_ = p;
    Refresh();
    if (changed) detail::raiseFromCode(onPathChange);
    return true;
}

void FileListBox::setPattern(const std::string& pattern)
{
    const bool changed = pattern != pattern_;
    pattern_ = pattern;
    Refresh();
    if (changed) detail::raiseFromCode(onPatternChange);
}

std::string FileListBox::FileName() const
{
    return index_ >= 0 && index_ < ListCount() ? files_[static_cast<std::size_t>(index_)] : std::string();
}

std::string FileListBox::List(int index) const
{
    return index >= 0 && index < ListCount() ? files_[static_cast<std::size_t>(index)] : std::string();
}

int FileListBox::ListCount() const
{
    return static_cast<int>(files_.size());
}
int FileListBox::ListIndex() const
{
    return index_;
}

void FileListBox::setListIndex(int index)
{
    detail::selectIndex(static_cast<detail::ListSurface*>(widget()), index_, index, ListCount(), onClick);
}

void FileListBox::Refresh()
{
    auto* s = static_cast<detail::ListSurface*>(widget());
    if (s) s->model.beginReset();
    files_.clear();
    const detail::NamePatterns patterns(pattern_);
    for (std::string& name : listFolder(path_, Entries::Files))
        if (patterns.matches(name)) files_.push_back(std::move(name));
    index_ = -1;
    if (s) s->model.endReset();
}

} // namespace forms
