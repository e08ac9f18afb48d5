#include "support/Fakes.h"

#include "framework/controls/Timer.h"
#include "framework/windows/Form.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <tuple>

namespace {
// A window without a description, whose handlers log what they see; its controls are bound as a
// description binds them.
class LoggingForm : public vt::Form {
    Q_OBJECT

public:
    LoggingForm(vt::Services& services, vt::FormRegistry& registry, QString name, QStringList& log)
        : Form(services, registry), log(log) {
        setObjectName(name);
        setProperty("OnCreate", "FormCreate");
        setProperty("OnHide", "FormHide");
        setProperty("OnActivate", "FormActivate");
        setProperty("OnDestroy", "FormDestroy");
        button->setObjectName("Button1");
        button->setProperty("OnClick", "Button1Click");
        timer->setObjectName("Timer1");
        timer->setProperty("OnTimer", "Timer1Timer");
    }
    std::function<void()> onDestroy, onClick, onTimer;
    bool failOnHide = false;
    QPushButton* button = new QPushButton(this);
    vt::Timer* timer = new vt::Timer(this);

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
    void Button1Click() { onClick(); }
    void Timer1Timer() { onTimer(); }

private:
    QStringList& log;
};

struct ThreeForms {
    Fakes fakes;
    QStringList log;
    vt::FormRegistry registry;
    LoggingForm* forms[3];
    LoggingForm* form(int i) const { return forms[i]; }

    ThreeForms() {
        int i = 0;
        for (const char* name : {"A", "B", "C"}) {
            forms[i] = &registry.add(std::make_unique<LoggingForm>(fakes.services, registry, name, log));
            forms[i++]->finishLoading();
        }
    }
};

TEST(BoundHandlers, AFailureEndsTheHandlerAndIsReportedWhileTheProgramGoesOn) {
    ThreeForms three;
    int reached = 0;
    three.form(0)->onClick = [&] {
        ++reached;
        throw vt::Failure("Impossible d'écrire dans /x/config.ini");
    };
    QTest::mouseClick(three.form(0)->button, Qt::LeftButton);
    QTest::mouseClick(three.form(0)->button, Qt::LeftButton);
    EXPECT_EQ(reached, 2);
    EXPECT_EQ(three.fakes.boxes.texts(), QStringList({"Impossible d'écrire dans /x/config.ini.",
                                                      "Impossible d'écrire dans /x/config.ini."}));

    // Whatever is thrown stops at the handler, a timer's too.
    three.form(0)->onTimer = [] { throw 42; };
    three.form(0)->timer->setActive(true);
    three.fakes.clock.advance(1000);
    EXPECT_EQ(three.fakes.boxes.texts().last(), "Erreur inattendue.");
}

TEST(BoundHandlers, ANestedLoopGoesOnAfterAFailureInsideIt) {
    ThreeForms three;
    int clicks = 0;
    three.form(1)->onClick = [&] {
        ++clicks;
        throw vt::Failure("Erreur");
    };
    QEventLoop nested;
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, &nested, [&] {
        if (clicks == 3)
            nested.quit();
        else
            three.form(1)->button->click();
    });
    clicker.start(0);
    nested.exec();
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(three.fakes.boxes.shown.size(), 3u);
}

TEST(BoundHandlers, ABindingToAMissingHandlerOrEventIsReportedAtLoading) {
    Fakes fakes;
    QStringList log;
    vt::FormRegistry registry;
    auto& form = registry.add(std::make_unique<LoggingForm>(fakes.services, registry, "D", log));
    form.setProperty("OnShow", "FormShw");
    form.button->setProperty("OnClick", "Button1Clik");
    form.timer->setProperty("OnClick", "Timer1Timer");
    form.finishLoading();
    EXPECT_EQ(fakes.boxes.texts(),
              QStringList({"D n'a pas de gestionnaire FormShw.", "D n'a pas de gestionnaire Button1Clik.",
                           "Timer1 de D n'a pas d'événement OnClick."}));
    EXPECT_EQ(log, QStringList({"D create"}));
}

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

    three.registry.tearDown();

    EXPECT_EQ(three.log, QStringList({"C destroy", "B hide", "B destroy", "A hide", "A destroy"}));
    EXPECT_EQ(seenByMain, "B");
    EXPECT_EQ(three.fakes.boxes.texts(), QStringList({"Échec en cachant B."}));
    EXPECT_EQ(three.registry.mainForm(), nullptr);
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
        three.registry.activate(form);
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
    three.registry.activate(three.form(0));
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
    EXPECT_FALSE(three.registry.loopEndRequested());

    three.form(0)->close();
    EXPECT_TRUE(three.form(0)->isVisible()); // hidden by the teardown, not by the close
    EXPECT_TRUE(three.registry.loopEndRequested());
}

TEST(CloseBox, ADisabledWindowWaitsForTheDialogThatDisabledIt) {
    ThreeForms three;
    for (int i : {0, 1})
        three.form(i)->show();
    three.form(0)->setEnabled(false);
    three.form(1)->setEnabled(false);
    three.form(0)->close();
    three.form(1)->close();
    EXPECT_FALSE(three.registry.loopEndRequested());
    EXPECT_TRUE(three.form(1)->isVisible());
    three.form(1)->setEnabled(true);
    three.form(1)->close();
    EXPECT_FALSE(three.form(1)->isVisible());
}

} // namespace

#include "FormTest.moc"
