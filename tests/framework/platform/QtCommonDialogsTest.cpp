#include "framework/platform/QtCommonDialogs.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QTimer>

namespace {
TEST(OpenFileDialog, TakesTheWindowsFiltersAsTheyAreSpelled) {
    EXPECT_EQ(vt::toQtNameFilters("Son (*.wav)|*.wav"), QStringList({"Son (*.wav) (*.wav)"}));
    EXPECT_EQ(vt::toQtNameFilters("*.*|*.*"), QStringList({"*.* (*)"}));
    EXPECT_EQ(vt::toQtNameFilters("Sons (*.wav, *.mp3, *.mid); |*.wav; *.mp3;*.mid"),
              QStringList({"Sons (*.wav, *.mp3, *.mid);  (*.wav *.mp3 *.mid)"}));
}

// The dialogs as the user sees them: the font and file dialogs always Qt's own, the font dialog with
// underline, strike-out and colour; each file filter shown as its description.
TEST(CommonDialogs, ShowWhatTheWindowsAskFor) {
    QStringList filtersShown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog)); // never GTK's, on GNOME
        for (auto* box : dialog->findChildren<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < box->count(); ++i)
                filtersShown << box->itemText(i);
        dialog->reject();
    });
    vt::OpenFileRequest request{"Son (*.wav)|*.wav|*.*|*.*", {}, {}};
    vt::QtCommonDialogs().openFile(request);
    EXPECT_EQ(filtersShown, QStringList({"Son (*.wav)", "*.*"}));

    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* fonts = dialog->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        EXPECT_TRUE(fonts->testOption(QFontDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->findChildren<QCheckBox*>().size(), 2); // underline and strike-out
        qobject_cast<QDialog*>(dialog)->reject();
    });
    vt::FontValue font{"Liberation Sans", 8, vt::clWindowText};
    EXPECT_FALSE(vt::QtCommonDialogs().chooseFont(font));
}

// "Arial" is drawn as another family: confirming without choosing another one keeps the name stored.
TEST(CommonDialogs, TheFontDialogKeepsTheStoredFamilyUnlessAnotherIsChosen) {
    QTimer::singleShot(0, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
    vt::FontValue font{"Arial", 8, vt::clWindowText};
    ASSERT_TRUE(vt::QtCommonDialogs().chooseFont(font));
    EXPECT_EQ(font.family, "Arial");
}

} // namespace
