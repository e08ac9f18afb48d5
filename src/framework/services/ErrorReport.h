#pragma once

#include "MessageBoxes.h"

#include <QSet>
#include <QString>

#include <functional>

namespace vt {

// The default report of a failure that ends a handler: an error box titled with the application title.
// A report whose text is already on the screen is not shown a second time. Once the boxes are closed
// (the session is ending), a report is one line on standard error instead.
class ErrorReport {
public:
    ErrorReport(MessageBoxes& boxes, QString title) : boxes(boxes), title(std::move(title)) {}

    void show(const QString& message);
    // One line on standard error, for where nothing may be shown.
    static void tell(const QString& message);

    // Runs a handler; a failure it throws ends it and is shown here, and the program goes on. Nothing it
    // throws goes further, so no failure unwinds through Qt's own code.
    void guard(const std::function<void()>& handler);

    // The text as shown: a full stop is added when the last character's code is above that of ".".
    static QString textOf(const QString& message);

private:
    MessageBoxes& boxes;
    QString title;
    QSet<QString> open;
};

} // namespace vt
