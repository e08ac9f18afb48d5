#include "Failure.h"

namespace vt {

QString messageOf(const std::exception& e) {
    if (const auto* failure = dynamic_cast<const Failure*>(&e)) return failure->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace vt
