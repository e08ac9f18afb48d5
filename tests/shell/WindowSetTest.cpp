#include "support/Fakes.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "options/Unit2.h"
#include "shell/Unit1.h"
#include "shell/WindowSet.h"
#include "stopwatch/Unit3.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sys/stat.h>

namespace {

// The windows as tests/designed-windows.txt describes them.
struct Designed {
    QString name, caption;
    QPoint position;
    QSize client;
    int menu = 0;
};

std::vector<Designed> designedWindows() {
    QFile file(QStringLiteral(VANTOREL_TESTS_DIR "/designed-windows.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::vector<Designed> windows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#')) continue;
        const QStringList f = line.split(' ');
        windows.push_back({f[0],
                           f.mid(6).join(' '),
                           {f[1].toInt(), f[2].toInt()},
                           {f[3].toInt(), f[4].toInt()},
                           f[5].toInt()});
    }
    return windows;
}

TEST(Startup, MakesTheEightWindowsAsDesignedAndShowsOnlyTheMainOne) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    const std::vector<Designed> designed = designedWindows();
    ASSERT_EQ(designed.size(), 8u);
    for (const Designed& window : designed) {
        const vt::Form* form = windows.forms().find(window.name);
        ASSERT_NE(form, nullptr) << window.name.toStdString();
        EXPECT_EQ(form->windowTitle(), window.caption);
        EXPECT_EQ(form->centralWidget()->size(), window.client) << window.caption.toStdString();
        EXPECT_EQ(form->height(), window.client.height() + window.menu) << window.caption.toStdString();
        EXPECT_EQ(form->pos(), window.position) << window.caption.toStdString();
        EXPECT_FALSE(form->isVisible());
    }
    // Every event the descriptions bind has its handler.
    EXPECT_TRUE(fakes.boxes.shown.empty()) << fakes.boxes.texts().join('\n').toStdString();
    EXPECT_EQ(windows.forms().mainForm(), Form1);

    windows.showMainWindow();
    settle();
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Form1->isActiveWindow());

    windows.tearDown();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form8, nullptr);
}

TEST(Startup, AMissingIconOrOneThatIsNoOrdinaryFileFailsWithItsPath) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    const QString icon = fakes.folder.file("horloge.ico");
    for (const bool pipe : {false, true}) {
        if (pipe) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(icon).constData(), 0600), 0);
        }
        try {
            windows.loadApplicationIcon();
            ADD_FAILURE() << "loaded";
        } catch (const vt::Failure& failure) {
            EXPECT_EQ(failure.message(), "Impossible d'ouvrir le fichier " + icon);
        }
    }
}

} // namespace
