#pragma once
// A run-time error of the program, carrying the number that handlers trap on (53 file not
// found, 62 input past end of file...) and its French description for the user.
#include <QString>
#include <stdexcept>

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const QString& description);

    int number() const { return number_; }
    const QString& description() const { return description_; }

    // The French description the user sees for an error number.
    static QString describe(int number);

private:
    int number_;
    QString description_;
};
