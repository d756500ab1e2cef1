#pragma once
// File, folder and drive list controls, as the folder dialogs and item listings use them.
// Paths are in drive form; a list's path has no trailing "\" except at a drive root ("C:\").
#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>

// Sorts names the way every list of the program shows them: French alphabetical order without
// regard to case.
void sortNames(QStringList& names);

// The names of the files of a folder that match a pattern (see FileListBox::matches), sorted
// as the lists show them. Error 76 when the folder does not exist.
QStringList matchingFiles(const QString& drivePath, const QString& pattern);

// The names (with extension, no folder) of the files of a folder that match a pattern,
// sorted by name without regard to case and numbered from 0.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(const QString& name, QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Error 76 when the folder does not exist; the old path and names are then kept.
    // The path keeps the case found on disk.
    void setPath(const QString& drivePath);

    QString pattern() const { return pattern_; }
    // "*.*" matches every file; several patterns may be joined with ";". Rescans.
    void setPattern(const QString& pattern);

    void refresh();
    int listCount() const { return count(); }
    QString list(int index) const; // "" outside 0..listCount()-1

    // A pattern matches a file name without regard to case.
    static bool matches(const QString& pattern, const QString& fileName);

private:
    QString path_;
    QString pattern_ = QStringLiteral("*.*");
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
