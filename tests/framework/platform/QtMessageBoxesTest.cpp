#include "framework/platform/QtMessageBoxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
TEST(MessageBoxes, SpeakFrench) {
    QMessageBox box(QMessageBox::Warning, "Alerte...", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Oui");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Non");
    QMessageBox ok(QMessageBox::Information, "A propos...", "?", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ok.button(QMessageBox::Ok)->text().remove('&'), "OK");
    EXPECT_EQ(ok.button(QMessageBox::Cancel)->text().remove('&'), "Annuler");
}

} // namespace
