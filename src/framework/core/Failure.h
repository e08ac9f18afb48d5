#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>

namespace vt {

// A failure that ends the handler it happens in; the default error report shows its message.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};

// The message a caught exception carries, whatever its type.
QString messageOf(const std::exception& e);

// Runs `work`; the message of the exception it threw, or nothing when it went through.
std::optional<QString> failureIn(const std::function<void()>& work);

} // namespace vt
