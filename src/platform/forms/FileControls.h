#pragma once

#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms
{

// Drives are mounted file systems: "/" and the mount points of real file systems.
// Setting Drive to a drive that is not ready (its mount point cannot be listed) fails: the
// call returns false, nothing changes, and the caller decides what to show.
class DriveListBox : public Control
{
  public:
    DriveListBox(Container& parent, const Layout& layout);
    const std::string& Drive() const { return drive_; }
    bool setDrive(const std::string& drive);
    std::string List(int index) const;
    int ListCount() const;
    Handler onChange;

  private:
    std::string drive_;
};

// Current folder's chain from "/" down, then its sub-folders; a double click opens a folder.
// setPath fails (returns false, nothing changes) for a folder that cannot be listed.
// List(i) is a full path: 0..ListCount()-1 the sub-folders, -1 the current folder, -2 its
// parent and so on up to "/"; ListIndex is -1 while the current folder is the one picked.
class DirListBox : public Control
{
  public:
    DirListBox(Container& parent, const Layout& layout);
    const std::string& Path() const { return path_; }
    bool setPath(const std::string& path);
    std::string List(int index) const;
    int ListCount() const;
    int ListIndex() const;
    Handler onChange;

  private:
    void load(const std::string& path);
    void pickRow(int row);
    std::string path_;
    std::vector<std::string> chain_, subs_; // "/" down to the path; its sub-folders
    int row_ = -1;                          // the row picked, -1 for none
};

// The files of Path whose names match Pattern (";"-separated, case-insensitive).
class FileListBox : public Control
{
  public:
    FileListBox(Container& parent, const Layout& layout);
    const std::string& Path() const { return path_; }
    bool setPath(const std::string& path);
    const std::string& Pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    std::string FileName() const; // the selected file's name, empty when none
    std::string List(int index) const;
    int ListCount() const;
    int ListIndex() const;
    void setListIndex(int index); // runs onClick, as a user's pick does
    void Refresh();
    Handler onPathChange, onPatternChange;

  private:
    std::string path_;
    std::string pattern_ = "*.*";
    std::vector<std::string> files_;
    int index_ = -1;
};

// The drive's current folder for this run (the folder last shown on it), as the platform keeps it.
std::string CurrentFolderOfDrive(const std::string& drive);

} // namespace forms
