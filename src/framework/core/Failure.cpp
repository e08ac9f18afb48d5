#include "Failure.h"

namespace vt {

QString messageOf(const std::exception& e) {
    if (const auto* failure = dynamic_cast<const Failure*>(&e)) return failure->message();
    return QString::fromLocal8Bit(e.what());
}

std::optional<QString> failureIn(const std::function<void()>& work) {
    try {
        work();
        return std::nullopt;
    } catch (const std::exception& failure) {
        return messageOf(failure);
    }
}

} // namespace vt
