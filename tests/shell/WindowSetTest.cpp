#include "support/Fakes.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/controls/Image.h"
#include "framework/controls/RadioButtons.h"
#include "options/Unit2.h"
#include "shell/Unit1.h"
#include "shell/WindowSet.h"
#include "stopwatch/Unit3.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

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

// What a screen reader finds: every control that takes the focus (or would, once enabled), the pictures
// and the up-down's arrows have a name and a role; an up-down has a value; no two buttons of a window share
// a name.
TEST(Startup, EveryControlTellsAScreenReaderWhatItIs) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    vt::setRadioChecked(*Form6->RadioButton1, true); // the bell shown
    Form1->show();
    settle();
    for (const Designed& window : designedWindows()) {
        const vt::Form* form = windows.forms().find(window.name);
        QSet<QString> buttons;
        for (QWidget* control : form->findChildren<QWidget*>()) {
            // Qt's own parts (the menu bar's overflow button) and what is hidden aren't read out.
            if (!control->isVisibleTo(form) || control->objectName().startsWith("qt_")) continue;
            const bool focusable = control->focusPolicy() != Qt::NoFocus && !qobject_cast<QMenuBar*>(control);
            if (!focusable && !qobject_cast<vt::Image*>(control) && !qobject_cast<QToolButton*>(control))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr);
            const QString where = window.name + "." + control->objectName();
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << where.toStdString();
            EXPECT_NE(accessible->role(), QAccessible::NoRole) << where.toStdString();
            const auto* upDown = qobject_cast<vt::UpDown*>(control); // a spin button, its value read out
            QAccessibleValueInterface* value = accessible->valueInterface();
            EXPECT_TRUE(!upDown || (value && value->currentValue() == upDown->position()))
                << where.toStdString();
            if (focusable && qobject_cast<QAbstractButton*>(control)) {
                EXPECT_FALSE(buttons.contains(accessible->text(QAccessible::Name))) << where.toStdString();
                buttons << accessible->text(QAccessible::Name);
            }
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->Image2)->text(QAccessible::Name),
              "Alarme activée");
}

// As in the desktop's dialogs: Return presses the focused push button, else the confirming one; Space the
// focused one; Escape "Annuler". The window to answer comes forward: over the main window it disabled at a
// second start, and out of the task bar when minimised.
TEST(Dialogs, TheKeysPressTheirButtonsAndTheWindowToAnswerComesForward) {
    Fakes fakes;
    WindowSet windows(fakes.services);
    windows.showMainWindow();
    const std::tuple<vt::Form*, QWidget*, Qt::Key, QPushButton*> cases[] = {
        {Form2, Form2->TrackBar1, Qt::Key_Return, Form2->Button1},
        {Form2, Form2->Button5, Qt::Key_Return, Form2->Button5},
        {Form2, Form2->Button1, Qt::Key_Escape, Form2->Button2},
        {Form5, Form5->Edit6, Qt::Key_Enter, Form5->Button1},
        {Form5, Form5->UpDown1, Qt::Key_Escape, Form5->Button2},
        {Form7, Form7->UpDown1, Qt::Key_Return, Form7->Button1},
        {Form7, Form7->Button2, Qt::Key_Space, Form7->Button2},
        {Form8, Form8->CheckBox1, Qt::Key_Return, Form8->Button3},
        {Form8, Form8->RadioButton1, Qt::Key_Escape, Form8->Button4}};
    for (const auto& [dialog, focus, key, button] : cases) {
        dialog->showInFront();
        focus->setFocus();
        const QSignalSpy pressed(button, &QPushButton::clicked);
        QTest::keyClick(focus, key);
        EXPECT_EQ(pressed.count(), 1) << qPrintable(dialog->objectName() + "." + focus->objectName());
    }
    for (vt::Form* window : {static_cast<vt::Form*>(Form2), static_cast<vt::Form*>(Form3)}) {
        window->showMinimized();
        settle();
        window == Form2 ? windows.bringMainWindowToFront() : Form1->Chrono1Click();
        settle();
        EXPECT_TRUE(window->isActiveWindow() && !window->isMinimized()) << qPrintable(window->objectName());
    }
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
