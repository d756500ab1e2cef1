#pragma once
// Sequential text files, the way every reader and writer of the program reaches the disk.
// Failures are RuntimeErrors with the old numbers: 52 bad file name, 53 file not found,
// 62 input past end of file, 68 device unavailable, 75 path/file access error,
// 76 path not found. Each names its file, and the system's reason when it gave one ("Disque
// plein"). Paths are in drive form (see drivepath.h).
#include <QString>
#include <QStringList>

// Reads a whole file at construction; lines and fields are then taken in order.
class TextInput {
  public:
    explicit TextInput(const QString& drivePath);

    bool eof() const { return line_ >= lines_.size(); }

    // The rest of the current line (all of it unless input() stopped inside it); error 62
    // past the end.
    QString lineInput();

    // The next comma-delimited field: leading blanks skipped; a field that begins with a
    // double quote runs to its closing quote (or the line end), and the rest up to the next
    // comma is skipped; otherwise up to a comma or the line end, trailing blanks dropped.
    // A field that ends at the line end moves to the next line. Error 62 past the end.
    QString input();

  private:
    QString drivePath_;
    QStringList lines_;
    qsizetype line_ = 0;
    qsizetype column_ = 0; // position inside the current line for input()
};

// Collects lines and replaces the file atomically on commit(): a failed write leaves the old
// file whole. Nothing reaches the disk unless commit() is called. Append starts from the old
// content. Opening checks the name (52, 68), the folder (76) and a folder in the way (75).
class TextOutput {
  public:
    enum class Mode { Replace, Append };
    explicit TextOutput(const QString& drivePath, Mode mode = Mode::Replace);
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    void printLine(const QString& line); // written with CR LF
    // Writes everything printed so far; may be called again. Error 75 or 76 on failure.
    void commit();

  private:
    QString drivePath_;
    QString localPath_;
    QByteArray bytes_;
};

// The number the next opened file would get; kept for code that records it in numfichier.
int freeFile();
