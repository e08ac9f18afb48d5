#include "framework/platform/DisplayLoss.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>

#include <memory>

namespace {

struct Said {
    const char* words;
    bool onAnotherThread; // Wayland's frame events have a thread of their own
    int runs;
};

TEST(DisplayLoss, WhatQtSaysBeforeEndingTheProcessRunsTheWorkOnceOnTheInterfaceThread) {
    const Said cases[] = {
        {"The X11 connection broke (error 1). Did the X11 server die?", false, 1},
        {"The Wayland connection broke. Did the Wayland compositor die?", true, 1},
        {"The Wayland connection experienced a fatal error: Protocol error", false, 1},
        {"QFont::setPointSizeF: Point size <= 0 (0.000000), must be greater than 0", true, 0},
    };
    for (const Said& said : cases) {
        int runs = 0;
        const vt::DisplayLoss loss([&] { runs += QThread::currentThread() == qApp->thread() ? 1 : 100; });
        const auto say = [&] { qWarning("%s", said.words); };
        for (int twice = 0; twice < 2; ++twice) {
            if (!said.onAnotherThread) {
                say();
                continue;
            }
            const std::unique_ptr<QThread> thread(QThread::create(say));
            thread->start();
            ASSERT_TRUE(QTest::qWaitFor([&] { return thread->isFinished(); }));
        }
        EXPECT_EQ(runs, said.runs) << said.words;
    }
}

} // namespace
