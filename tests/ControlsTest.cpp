#include "support/Fakes.h"

#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/RadioButtons.h"
#include "framework/controls/Timer.h"
#include "framework/controls/UpDown.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

TEST(RadioPair, TheProgramCanLeaveBothUnchecked) {
    QWidget window;
    QRadioButton yes(&window), no(&window);
    vt::setRadioChecked(no, true);
    vt::setRadioChecked(yes, true);
    EXPECT_TRUE(yes.isChecked());
    EXPECT_FALSE(no.isChecked());

    vt::setRadioChecked(yes, false);
    EXPECT_FALSE(yes.isChecked());
    EXPECT_FALSE(no.isChecked());

    vt::setRadioChecked(no, true);
    vt::setRadioChecked(yes, true); // still one group after the uncheck
    EXPECT_FALSE(no.isChecked());
}

TEST(UpDown, StopsAtTheEndsOfItsRangeWithoutWrapping) {
    vt::UpDown upDown;
    upDown.setMinimum(0);
    upDown.setMaximum(23);
    upDown.setPosition(22);
    QSignalSpy changing(&upDown, &vt::UpDown::changing), clicked(&upDown, &vt::UpDown::clicked);

    upDown.step(+1);
    upDown.step(+1);
    EXPECT_EQ(upDown.position(), 23);
    EXPECT_EQ(changing.count(), 1); // the second step moved nothing
    EXPECT_EQ(clicked.count(), 2);

    upDown.setPosition(0);
    upDown.step(-1);
    EXPECT_EQ(upDown.position(), 0);
    EXPECT_EQ(changing.count(), 1); // neither the program's setting nor the blocked step

    upDown.setPosition(99);
    EXPECT_EQ(upDown.position(), 23);
}

TEST(CheckBox, ItsClickHandlerRunsOnEveryChangeByTheProgram) {
    QCheckBox box;
    QSignalSpy toggled(&box, &QCheckBox::toggled);
    box.setChecked(true);
    box.setChecked(true); // the state it already has: nothing runs
    box.setChecked(false);
    EXPECT_EQ(toggled.count(), 2);
}

TEST(Label, SizesItselfToItsText) {
    vt::Label label;
    label.setCaption("00:00:00");
    const int narrow = label.width();
    label.setCaption("123:00:00:0");
    EXPECT_GT(label.width(), narrow);
    EXPECT_EQ(label.width(), label.sizeHint().width());

    vt::FontValue big = label.fontValue();
    big.pointSize = 30;
    big.color = vt::clNavy;
    label.setFontValue(big);
    EXPECT_EQ(label.height(), label.sizeHint().height());
    // Other digits, as each second brings: the size still matches the text, in the new font too.
    for (const char* text : {"123:11:11:1", "123:10:47:9", "123:88:88:8"}) {
        label.setCaption(text);
        EXPECT_EQ(label.size(), label.sizeHint()) << text;
    }
    EXPECT_EQ(label.fontValue().color, vt::clNavy);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
}

TEST(Image, DrawsLinesUpToButNotIncludingTheEndPoint) {
    vt::Image image;
    QImage white(10, 10, QImage::Format_RGB32);
    white.fill(Qt::white);
    image.setPicture(white);
    image.drawLine({2, 2}, {2, 6});
    image.drawLine({4, 4}, {7, 1});
    auto black = [&](int x, int y) { return image.picture().pixel(x, y) == qRgb(0, 0, 0); };
    for (int y = 2; y < 6; ++y)
        EXPECT_TRUE(black(2, y)) << y;
    EXPECT_FALSE(black(2, 6));
    EXPECT_TRUE(black(4, 4));
    EXPECT_TRUE(black(6, 2));
    EXPECT_FALSE(black(7, 1));
}

TEST(Image, AMissingFileFailsAndKeepsThePicture) {
    vt::Image image;
    QImage red(3, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    image.setPicture(red);
    try {
        image.loadFromFile("/nulle/part/Horloge.bmp");
        FAIL();
    } catch (const vt::Failure& failure) {
        EXPECT_EQ(failure.message(), "Impossible d'ouvrir le fichier /nulle/part/Horloge.bmp");
    }
    EXPECT_EQ(image.picture().pixel(1, 1), qRgb(255, 0, 0));
}

TEST(Image, ReloadingErasesWhatWasDrawnAndFollowsAChangedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("face.bmp");
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(path, "BMP"));
    vt::Image image;
    image.loadFromFile(path);
    image.drawLine({0, 0}, {0, 5});
    image.loadFromFile(path);
    EXPECT_EQ(image.picture().pixel(0, 2), qRgb(255, 255, 255));

    QImage bigger(9, 9, QImage::Format_RGB32);
    bigger.fill(Qt::blue);
    ASSERT_TRUE(bigger.save(path, "BMP"));
    image.loadFromFile(path);
    EXPECT_EQ(image.picture().size(), QSize(9, 9));
    QFile::remove(path);
    EXPECT_THROW(image.loadFromFile(path), vt::Failure);
}

struct TimerOnFakeClock : ::testing::Test {
    FakeClock clock;
    vt::Timer timer;
    int fired = 0;
    QList<QTime> firedAt;
    void SetUp() override {
        QObject::connect(&timer, &vt::Timer::timeout, [this] {
            ++fired;
            firedAt << clock.localNow().time();
        });
        timer.attach(clock);
    }
};

TEST_F(TimerOnFakeClock, FiresEveryIntervalWhileActive) {
    timer.setInterval(100);
    timer.setActive(true);
    clock.advance(1000);
    EXPECT_EQ(fired, 10);
    timer.setActive(false);
    clock.advance(1000);
    EXPECT_EQ(fired, 10);
}

TEST_F(TimerOnFakeClock, AnAlignedTimerFiresJustAfterEachWholeSecond) {
    clock.setLocal(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9, 250)));
    timer.setInterval(1000);
    timer.setAlignToSecond(true);
    timer.setActive(true);
    clock.advance(3000);
    ASSERT_EQ(fired, 3);
    EXPECT_EQ(firedAt[0], QTime(14, 5, 10, 3));
    EXPECT_EQ(firedAt[2], QTime(14, 5, 12, 3));

    clock.stall(1500); // a busy program: the late event realigns
    clock.advance(0);
    clock.advance(1000);
    EXPECT_EQ(firedAt.last(), QTime(14, 5, 14, 3));
}

TEST_F(TimerOnFakeClock, HaltStopsTheEventsButKeepsTheSetting) {
    timer.setInterval(100);
    timer.setActive(true);
    timer.halt();
    clock.advance(1000);
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(timer.isActive());
}

} // namespace
