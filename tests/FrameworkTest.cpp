#include "support/Fakes.h"

#include "framework/app/Application.h"
#include "framework/windows/Form.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <tuple>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

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

TEST(DefaultReport, AFailureInAHandlerEndsItAndTheProgramGoesOn) {
    Fakes fakes;
    QPushButton button;
    int reached = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++reached;
        throw vt::Failure("Impossible d'écrire dans /x/config.ini");
        ++reached; // never
    });
#if defined(__SANITIZE_ADDRESS__)
    // QtWidgets is built without exception cleanup: the failure skips the destructors of the copy of
    // the mouse event it was routing, a few hundred bytes per failure reported.
    __lsan::ScopedDisabler qtFramesSkipped;
#endif
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(reached, 2);
    EXPECT_EQ(fakes.boxes.texts(), QStringList({"Impossible d'écrire dans /x/config.ini.",
                                                "Impossible d'écrire dans /x/config.ini."}));
}

TEST(DefaultReport, ANestedLoopGoesOnAfterAFailureInsideIt) {
    Fakes fakes;
    QEventLoop nested;
    int ticks = 0;
    QTimer failing;
    QObject::connect(&failing, &QTimer::timeout, [&] {
        if (++ticks == 3) nested.quit();
        throw vt::Failure("Erreur");
    });
    failing.start(0);
    nested.exec();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(fakes.boxes.shown.size(), 3u);
}

// A window without a description, whose handlers log what they see.
class LoggingForm : public vt::Form {
    Q_OBJECT

public:
    LoggingForm(vt::Services& services, QString name, QStringList& log) : Form(services), log(log) {
        setObjectName(name);
        setProperty("OnCreate", "FormCreate");
        setProperty("OnHide", "FormHide");
        setProperty("OnActivate", "FormActivate");
        setProperty("OnDestroy", "FormDestroy");
        loaded();
    }
    std::function<void()> onDestroy;
    bool failOnHide = false;

public slots:
    void FormCreate() { log << objectName() + " create"; }
    void FormHide() {
        log << objectName() + " hide";
        if (failOnHide) throw vt::Failure("Échec en cachant " + objectName());
    }
    void FormActivate() { log << objectName() + " activate"; }
    void FormDestroy() {
        log << objectName() + " destroy";
        if (onDestroy) onDestroy();
    }

private:
    QStringList& log;
};

struct ThreeForms {
    Fakes fakes;
    QStringList log;
    std::vector<std::unique_ptr<vt::Form>> forms;
    LoggingForm* form(int i) const { return static_cast<LoggingForm*>(forms[i].get()); }

    ThreeForms() {
        for (const char* name : {"A", "B", "C"})
            forms.push_back(std::make_unique<LoggingForm>(fakes.services, name, log));
    }
    ~ThreeForms() {
        if (!forms.empty()) vt::Application::instance()->tearDown(forms);
    }
};

TEST(Teardown, HidesAndDestroysFromTheLastWindowToTheFirst) {
    ThreeForms three;
    three.form(0)->show();
    three.form(1)->show();
    QString seenByMain;
    LoggingForm* b = three.form(1);
    three.form(0)->onDestroy = [&] { seenByMain = b->objectName(); }; // B not freed yet
    three.form(1)->failOnHide = true;
    settle();
    three.log.clear();

    vt::Application::instance()->tearDown(three.forms);

    EXPECT_EQ(three.log, QStringList({"C destroy", "B hide", "B destroy", "A hide", "A destroy"}));
    EXPECT_EQ(seenByMain, "B");
    EXPECT_EQ(three.fakes.boxes.texts(), QStringList({"Échec en cachant B."}));
    EXPECT_TRUE(three.forms.empty());
}

TEST(Activation, TheMainWindowIsActivatedWhenFirstShown) {
    ThreeForms three;
    three.form(0)->show();
    settle();
    EXPECT_TRUE(three.form(0)->isActiveWindow());
    EXPECT_TRUE(three.log.contains("A activate"));
}

TEST(Activation, HidingTheActiveWindowActivatesTheMostRecentVisibleEnabledOne) {
    ThreeForms three;
    auto [a, b, c] = std::tuple{three.form(0), three.form(1), three.form(2)};
    a->show();
    settle();
    for (vt::Form* form : {b, c}) {
        form->show();
        vt::Application::instance()->activate(form);
        settle();
    }
    ASSERT_TRUE(c->isActiveWindow());

    b->setEnabled(false); // a dialog's owner while the dialog is up
    three.log.clear();
    c->hide();
    settle();
    EXPECT_TRUE(a->isActiveWindow());
    EXPECT_EQ(three.log, QStringList({"C hide", "A activate"}));
}

TEST(Activation, HidingAnInactiveWindowChangesNothing) {
    ThreeForms three;
    three.form(0)->show();
    three.form(1)->show();
    settle();
    vt::Application::instance()->activate(three.form(0));
    settle();
    three.log.clear();
    three.form(1)->hide();
    settle();
    EXPECT_EQ(three.log, QStringList({"B hide"}));
}

TEST(CloseBox, HidesASecondaryWindowAndEndsTheLoopForTheMainOne) {
    ThreeForms three;
    three.form(0)->show();
    three.form(1)->show();
    three.form(1)->close();
    EXPECT_FALSE(three.form(1)->isVisible());
    EXPECT_TRUE(three.log.contains("B hide"));
    EXPECT_FALSE(vt::Application::instance()->loopEndRequested());

    three.form(0)->close();
    EXPECT_TRUE(three.form(0)->isVisible()); // hidden by the teardown, not by the close
    EXPECT_TRUE(vt::Application::instance()->loopEndRequested());
}

} // namespace

#include "FrameworkTest.moc"
