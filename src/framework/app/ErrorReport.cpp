#include "ErrorReport.h"

namespace vt {

QString ErrorReport::textOf(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
    return message;
}

void ErrorReport::show(const QString& message) {
    const QString text = textOf(message);
    if (open.contains(text)) return;
    open.insert(text);
    boxes.show(text, title, Box::Ok | Box::IconError);
    open.remove(text);
}

} // namespace vt
