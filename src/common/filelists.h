#pragma once
// File, folder and drive list controls, as the folder dialogs and item listings use them.
// Paths are in drive form; a list's path has no trailing "\" except at a drive root ("C:\").
#include "common/nameorder.h"

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

// The names of the files of a folder that match a pattern (see FileListBox::matches), sorted
// as the lists show them. Error 76 when the folder does not exist.
QStringList matchingFiles(const QString& drivePath, const QString& pattern);

// The names (with extension, no folder) of the files of a folder that match a pattern,
// hidden files (a name beginning with ".") left out, sorted by name without regard to case
// and numbered from 0. The program's listers are never
// shown: their rows are made only while the box is visible, the names being read through
// listCount() and list().
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(const QString& name, QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Error 76 when the folder does not exist; the old path and names are then kept.
    // The path keeps the case found on disk.
    void setPath(const QString& drivePath);
    // Both at once, the folder read once: error 76 as setPath, and then nothing changes.
    void setPathAndPattern(const QString& drivePath, const QString& pattern);

    QString pattern() const { return pattern_; }
    // "*.*" matches every file; several patterns may be joined with ";". Rescans.
    void setPattern(const QString& pattern);

    // The same folder, pattern and names as `other`, which has just read them.
    void listSameAs(const FileListBox& other);

    void refresh();
    int listCount() const { return int(names_.size()); }
    QString list(int index) const; // "" outside 0..listCount()-1

    // A pattern matches a file name without regard to case.
    static bool matches(const QString& pattern, const QString& fileName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showNames(); // the rows, while the box is visible
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
    QStringList names_;
};

// The sub-folders of a folder, for browsing: double-clicking one opens it, ".." goes up.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(const QString& name, QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& drivePath); // error 76 when missing

signals:
    void pathChanged(); // the folder shown changed, by code or by the user

private:
    void fill();
    void open(const QString& entry); // a sub-folder, or ".." for the parent
    QString path_;
};

// The drives the program knows: "c:" and "z:".
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(const QString& name, QWidget* parent = nullptr);

    QString drive() const; // "c:" or "z:"
    // Takes "C:", "z:\tmp"... by their first two characters; error 68 for another drive.
    // Only the user's pick emits driveChanged.
    void setDrive(const QString& drive);

signals:
    void driveChanged();

private:
    QString shown_ = QStringLiteral("c:");
};
