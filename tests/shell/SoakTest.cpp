#include "support/WindowsFixture.h"

#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "shell/Unit1.h"
#include "stopwatch/Unit3.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizers' runtime; gcc ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the program holds on the heap; the sanitizers' allocator replaces malloc's bookkeeping.
size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class Soak : public WindowsFixture {
protected:
    int played(const QString& name) const { return int(fakes.player.played.count(fakes.folder.file(name))); }
    int opened(const QString& name) const { return int(fakes.desktop.opened.count(fakes.folder.file(name))); }
};

// Two days of every timer firing as it falls due: the clock each second, the stopwatch each tenth.
TEST_F(Soak, TwoDaysOfTicksChimeRingEndAndCountExactly) {
    const QDateTime start(QDate(2026, 12, 8), QTime(8, 30, 0, 250));
    fakes.clock.setLocal(start);
    restart("[alarme]\nheure=7\nminute=0\nactive=1\nsonnerieson=1\n"
            "[rebours]\nheure=30\nminute=0\nseconde=0\n"
            "[chrono]\nstart=1\n");
    Form1->show();
    settle();

    size_t heapAfterFirstDay = 0;
    for (int hour = 1; hour <= 48; ++hour) {
        // The face changes on disk each hour, so the tick decodes it again and again.
        writeProgramFile("Horloge.bmp");
        runUntil(start.addSecs(hour * 3600));
        settle(); // the window-system events the shake queued, as the event loop would deliver them
        // By then malloc's per-thread cache, which counts the blocks it keeps as in use, is full.
        if (hour == 24) heapAfterFirstDay = heapInUse();
        ASSERT_EQ(played("ding.wav"), hour);
        ASSERT_EQ(opened("alarme1.wav"), hour >= 30 ? 1 : 0) << "the countdown ends 30 hours in";
    }

    EXPECT_EQ(played("alarme1.wav"), 2); // 07:00 on the 9th and the 10th
    EXPECT_FALSE(Form5->Running);
    EXPECT_EQ(Form3->Label1->caption(), "48:00:00:0");
    EXPECT_TRUE(fakes.boxes.shown.empty()) << fakes.boxes.texts().join('\n').toStdString();
    // Growth over the second day, against a face picture of a few kilobytes decoded 24 times and the
    // running counters written every few seconds.
    EXPECT_LT(heapInUse(), heapAfterFirstDay + 64 * 1024);
}

} // namespace
