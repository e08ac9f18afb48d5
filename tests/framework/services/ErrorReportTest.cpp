#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, AddsAFullStopOnlyAfterACharacterAboveIt) {
    const std::pair<QString, QString> cases[] = {
        {"Fichier absent", "Fichier absent."},
        {"Fin.", "Fin."},
        {"Fin!", "Fin!"},
        {"(x)", "(x)"},
        {"blanc ", "blanc "},
        {"/tmp/a", "/tmp/a."},
        {"code 9", "code 9."},
        {"", ""},
        {"chemin/", "chemin/."},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(vt::ErrorReport::textOf(message), shown) << qPrintable(message);
}

TEST(ErrorReport, ShowsAnErrorBoxTitledWithTheApplication) {
    Fakes fakes;
    fakes.report.show("Impossible d'ouvrir le fichier /x/Horloge.bmp");
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(fakes.boxes.shown[0].text, "Impossible d'ouvrir le fichier /x/Horloge.bmp.");
    EXPECT_EQ(fakes.boxes.shown[0].caption, "Vantorel");
    EXPECT_EQ(fakes.boxes.shown[0].flags, vt::Box::IconError);
}

TEST(ErrorReport, DoesNotStackTheSameReportWhileItIsOpen) {
    Fakes fakes;
    int depth = 0;
    fakes.boxes.whileOpen = [&] {
        if (depth++ > 0) return;
        fakes.report.show("Erreur A"); // a tick repeating the failure under the open box
        fakes.report.show("Erreur B"); // another failure still gets through
    };
    fakes.report.show("Erreur A");
    EXPECT_EQ(fakes.boxes.texts(), QStringList({"Erreur A.", "Erreur B."}));

    fakes.boxes.whileOpen = nullptr;
    fakes.report.show("Erreur A"); // closed again: shown again
    EXPECT_EQ(fakes.boxes.shown.size(), 3u);
}

} // namespace
