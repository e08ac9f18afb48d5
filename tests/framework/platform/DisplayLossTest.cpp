#include "framework/platform/DisplayLoss.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>

#include <memory>

namespace {

struct Said {
    const char* words;
    bool onAnotherThread; // Wayland's frame events have a thread of their own
    bool isTheDisplaysEnd;
};

// Says `words` as Qt would, on the interface thread or on another one, which waits for the interface
// thread to run what it asks.
void say(const Said& said) {
    if (!said.onAnotherThread) {
        qWarning("%s", said.words);
        return;
    }
    const std::unique_ptr<QThread> thread(QThread::create([&] { qWarning("%s", said.words); }));
    thread->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return thread->isFinished(); }));
}

TEST(DisplayLoss, WhatQtSaysBeforeEndingTheProcessRunsTheWorkOnceOnTheInterfaceThread) {
    const Said cases[] = {
        {"The X11 connection broke (error 1). Did the X11 server die?", false, true},
        {"The Wayland connection broke. Did the Wayland compositor die?", false, true},
        {"The Wayland connection broke. Did the Wayland compositor die?", true, true},
        {"The Wayland connection experienced a fatal error: Protocol error", true, true},
        {"QFont::setPointSizeF: Point size <= 0 (0.000000), must be greater than 0", false, false},
        {"QFont::setPointSizeF: Point size <= 0 (0.000000), must be greater than 0", true, false},
    };
    for (const Said& said : cases) {
        int runs = 0;
        QThread* ranOn = nullptr;
        const vt::DisplayLoss loss([&] {
            ++runs;
            ranOn = QThread::currentThread();
        });
        say(said);
        say(said);
        EXPECT_EQ(runs, said.isTheDisplaysEnd ? 1 : 0)
            << said.words << " on another thread " << said.onAnotherThread;
        if (runs > 0) {
            EXPECT_EQ(ranOn, QThread::currentThread()) << said.words;
        }
    }
    // Once the loop is over the teardown writes, and nothing is left to do here.
    int runs = 0;
    {
        const vt::DisplayLoss loss([&] { ++runs; });
    }
    say(cases[0]);
    EXPECT_EQ(runs, 0);
}

} // namespace
