#pragma once

#include <QString>

// The outcome of an operation that can fail for a reason the reader should
// be told about once (a file that could not be written, say). Dropping one
// unread is a compile error: a failure nobody looks at is a failure lost.
struct [[nodiscard]] Result
{
    bool ok = true;
    QString error;

    static Result success() { return {}; }
    static Result failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};
