#pragma once

#include <QString>

namespace data {

// Outcome of a file operation: empty on success, otherwise a sentence naming the file
// and what went wrong, ready to be shown to the user.
struct [[nodiscard]] FileResult
{
    QString error;

    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }

    static FileResult success() { return {}; }
    static FileResult failure(const QString& what, const QString& fileName, const QString& reason);
};

} // namespace data
