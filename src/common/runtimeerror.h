#pragma once
// A run-time error of the program, carrying the number that handlers trap on (53 file not
// found, 62 input past end of file...) and its French description for the user. A failed read
// or write also names its file and, when the system gave one, the system's reason.
#include <QString>
#include <stdexcept>

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const QString& description);

    // A file that could not be read or written: `file` in drive form ("C:\heros\Arn.af");
    // `systemError` is the system's error number (errno), 0 when the system said nothing.
    static RuntimeError onFile(int number, const QString& file, int systemError = 0);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& file() const { return file_; }
    const QString& reason() const { return reason_; }

    // What the user reads: the description, then the file and the reason on lines of their
    // own when there are any.
    QString message() const;

    // The French description the user sees for an error number.
    static QString describe(int number);
    // The system's reason for an error number of the system, in French.
    static QString systemReason(int systemError);

private:
    int number_;
    QString description_;
    QString file_;
    QString reason_;
};
