#include "ErrorReport.h"

#include "framework/core/Failure.h"

#include <cstdio>

namespace vt {

QString ErrorReport::textOf(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
    return message;
}

void ErrorReport::tell(const QString& message) {
    std::fprintf(stderr, "vantorel : %s\n", qPrintable(textOf(message)));
}

void ErrorReport::show(const QString& message) {
    if (boxes.isClosed()) return tell(message);
    const QString text = textOf(message);
    if (open.contains(text)) return;
    open.insert(text);
    boxes.show(text, title, Box::Ok | Box::IconError);
    open.remove(text);
}

void ErrorReport::guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        show(messageOf(failure));
    } catch (...) {
        show(QStringLiteral("Erreur inattendue"));
    }
}

} // namespace vt
