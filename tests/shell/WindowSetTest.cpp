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

#include <QMenuBar>

namespace {

struct Designed {
    vt::Form* form;
    const char* caption;
    QSize client;
    QPoint position;
};

TEST(Startup, MakesTheEightWindowsAsDesignedAndShowsOnlyTheMainOne) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    const Designed designed[] = {
        {Form1, "Vantorel", {227, 73}, {217, 289}},
        {Form2, "Options", {206, 202}, {196, 311}},
        {Form3, "Chronomètre", {209, 68}, {331, 148}},
        {Form4, "Compte à rebours", {242, 72}, {407, 119}},
        {Form5, "Définir Compte à rebours", {263, 265}, {504, 82}},
        {Form6, "Alarme", {302, 50}, {257, 269}},
        {Form7, "Heure de l'alarme", {104, 55}, {196, 253}},
        {Form8, "Paramétrer l'alarme", {288, 203}, {227, 250}},
    };
    for (const Designed& window : designed) {
        ASSERT_NE(window.form, nullptr) << window.caption;
        EXPECT_EQ(window.form->windowTitle(), window.caption);
        EXPECT_EQ(window.form->centralWidget()->size(), window.client) << window.caption;
        EXPECT_EQ(window.form->pos(), window.position) << window.caption;
        EXPECT_FALSE(window.form->isVisible());
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

TEST(Startup, AMissingIconFailsWithItsPath) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    try {
        windows.loadApplicationIcon();
        FAIL();
    } catch (const vt::Failure& failure) {
        EXPECT_EQ(failure.message(), "Impossible d'ouvrir le fichier " + fakes.folder.file("horloge.ico"));
    }
}

} // namespace
