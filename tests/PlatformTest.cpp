#include "framework/platform/QtCommonDialogs.h"
#include "framework/platform/QtDesktopOpen.h"
#include "framework/platform/SystemClock.h"
#include "framework/style/Color.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

struct FileOnDisk {
    const char* start;
    bool executable;
    bool isProgram;
};

TEST(DesktopOpen, StartsOnlyExecutableProgramsAndOpensEverythingElse) {
    QTemporaryDir dir;
    const FileOnDisk files[] = {
        {"\x7f"
         "ELF\x02\x01",
         true, true},
        {"#!/bin/sh\necho\n", true, true},
        {"#!/bin/sh\necho\n", false, false},
        {"Bonjour", true, false}, // a document on a FAT mount
        {"\x7f"
         "ELF\x02\x01",
         false, false},
    };
    int n = 0;
    for (const FileOnDisk& onDisk : files) {
        const QString path = dir.filePath(QString::number(n++));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(onDisk.start);
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (onDisk.executable) permissions |= QFile::ExeOwner;
        file.setPermissions(permissions);
        EXPECT_EQ(vt::isProgram(path), onDisk.isProgram)
            << onDisk.start << " executable " << onDisk.executable;
    }
    EXPECT_FALSE(vt::isProgram(dir.filePath("absent")));
    EXPECT_FALSE(vt::isProgram(dir.path())); // a folder
}

TEST(MessageBoxes, SpeakFrench) {
    QMessageBox box(QMessageBox::Warning, "Alerte...", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Oui");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Non");
    QMessageBox ok(QMessageBox::Information, "A propos...", "?", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ok.button(QMessageBox::Ok)->text().remove('&'), "OK");
    EXPECT_EQ(ok.button(QMessageBox::Cancel)->text().remove('&'), "Annuler");
}

TEST(OpenFileDialog, TakesTheWindowsFiltersAsTheyAreSpelled) {
    EXPECT_EQ(vt::toQtNameFilters("Son (*.wav)|*.wav"), QStringList({"Son (*.wav) (*.wav)"}));
    EXPECT_EQ(vt::toQtNameFilters("*.*|*.*"), QStringList({"*.* (*)"}));
    EXPECT_EQ(vt::toQtNameFilters("Sons (*.wav, *.mp3, *.mid); |*.wav; *.mp3;*.mid"),
              QStringList({"Sons (*.wav, *.mp3, *.mid);  (*.wav *.mp3 *.mid)"}));
}

TEST(LocaleFormats, TheTimeLeavesOutTheZoneName) {
    EXPECT_EQ(vt::withoutZoneName("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(vt::withoutZoneName("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(vt::withoutZoneName("HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(QTime(14, 5, 9).toString(vt::SystemClock().longTimeFormat()), "14:05:09");
    EXPECT_EQ(QDate(2026, 12, 8).toString(vt::SystemClock().shortDateFormat()), "08/12/2026");
}

TEST(Colors, KeepTheirValueAndDrawFromThePalette) {
    EXPECT_EQ(vt::clBtnFace, -2147483633);
    EXPECT_EQ(vt::clWindowText, -2147483640);
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(vt::toQColor(vt::clBtnFace, palette), palette.color(QPalette::Window));
    EXPECT_EQ(vt::toQColor(vt::clWindowText, palette), palette.color(QPalette::WindowText));
    EXPECT_EQ(vt::toQColor(vt::systemColor(99), palette), palette.color(QPalette::Window));
    EXPECT_EQ(vt::toQColor(0x0000FF, palette), QColor(255, 0, 0)); // 0x00BBGGRR
    EXPECT_EQ(vt::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

} // namespace
