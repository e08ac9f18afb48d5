#pragma once

#include <QtGlobal>

#include <set>

// The occurrences of a time (the alarm's, the full hours) already dealt with, so that a clock set back
// across one doesn't bring it a second time. The latest ones are kept, a day of full hours at least.
class OnceEach {
public:
    // True the first time an occurrence is given; it is remembered from then on.
    bool firstTime(qint64 instant);

private:
    std::set<qint64> seen;
};
