#include "framework/platform/QtMessageBoxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {
TEST(MessageBoxes, SpeakFrench) {
    QMessageBox box(QMessageBox::Warning, "Alerte...", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Oui");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Non");
    QMessageBox ok(QMessageBox::Information, "A propos...", "?", QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ok.button(QMessageBox::Ok)->text().remove('&'), "OK");
    EXPECT_EQ(ok.button(QMessageBox::Cancel)->text().remove('&'), "Annuler");
}

TEST(MessageBoxes, ShowTheirTextAsTyped) {
    const QString typed = "<b>Debout</b> & <i>vite</i> <br> 2<3 <img src=\"/dev/zero\">";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    vt::QtMessageBoxes().show(typed, "Alarme", vt::Box::Ok | vt::Box::IconExclamation);
    EXPECT_EQ(shown, typed);
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
