#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace reelcatch {

// The one error type of the application's own code: its message is also its
// user-facing description.
struct AppError {
    QString message;
};

// A value or the error that prevented it.
template <typename T> class Result {
public:
    Result(T value) : m_v(std::move(value)) {}
    Result(AppError error) : m_v(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_v); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(m_v); }
    T& value() { return std::get<T>(m_v); }
    const AppError& error() const { return std::get<AppError>(m_v); }

private:
    std::variant<T, AppError> m_v;
};

// Success carries nothing.
struct Done {};
using Status = Result<Done>;

} // namespace reelcatch
