#include "support/WindowsFixture.h"

#include "options/Unit2.h"
#include "shell/Unit1.h"

namespace {

class Options : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Form1->show();
        settle();
    }
    void open() {
        Form1->N1->trigger();
        settle();
    }
    // The main window takes the committed font and background when it becomes active again.
    void backToMainWindow() {
        windows->forms().activate(Form1);
        settle();
    }
    const vt::FontValue serifRed{"Liberation Serif", 14, 0x0000FF, true, false, true, false};
};

TEST_F(Options, TheFirstShowingShowsTheDefaults) {
    open();
    EXPECT_EQ(Form2->TrackBar1->value(), 250);
    EXPECT_EQ(Form2->Label4->caption(), "250");
    EXPECT_EQ(Form2->Edit1->text(), fakes.folder.file("ding.wav"));
    EXPECT_FALSE(Form1->isEnabled());
    Form2->Button3Click();
    EXPECT_EQ(fakes.dialogs.colorRequests, std::vector<vt::Color>({vt::clBtnFace}));
    Form2->Button6Click();
    EXPECT_EQ(fakes.dialogs.fileRequests.back().filter, "Son (*.wav)|*.wav");
    EXPECT_EQ(fakes.dialogs.fileRequests.back().fileName, fakes.folder.file("ding.wav"));
    EXPECT_EQ(fakes.dialogs.fileRequests.back().initialFolder, fakes.folder.path());
    EXPECT_EQ(Form2->Edit1->text(), fakes.folder.file("ding.wav")); // cancelled: unchanged
    Form2->Button2->click();
    EXPECT_TRUE(Form1->isEnabled());
}

TEST_F(Options, TestShakesTheDialogByTheTrackBarWhileTheStoredStrengthStays) {
    open();
    Form2->TrackBar1->setValue(40);
    EXPECT_EQ(Form2->Label4->caption(), "40");
    const QPoint before = Form2->pos();
    Form2->Button4->click();
    EXPECT_NE(Form2->pos(), before);
    EXPECT_EQ(Form1->ShakeCount, 250);
    Form2->TrackBar1->setValue(0);
    const QPoint still = Form2->pos();
    Form2->Button4->click();
    EXPECT_EQ(Form2->pos(), still);
}

TEST_F(Options, OkCommitsTheFourValues) {
    open();
    Form2->TrackBar1->setValue(600);
    fakes.dialogs.font = serifRed;
    Form2->Button5Click();
    fakes.dialogs.color = 0x00FFFF;
    Form2->Button3Click();
    fakes.dialogs.file = "/sons/cloche.wav";
    Form2->Button6Click();
    EXPECT_EQ(Form2->Edit1->text(), "/sons/cloche.wav");
    Form2->Button1->click();
    EXPECT_EQ(Form1->ShakeCount, 600);
    EXPECT_EQ(Form1->ChosenFont, serifRed);
    EXPECT_EQ(Form1->BackColor, 0x00FFFF);
    EXPECT_EQ(Form1->ChimeSound, "/sons/cloche.wav");
    backToMainWindow();
    EXPECT_EQ(Form1->Label2->fontValue(), serifRed);
    EXPECT_EQ(Form2->palette().color(QPalette::Window), QColor(255, 255, 0));
}

TEST_F(Options, CancelDropsEveryValueAlsoTheFontAfterAnEarlierOk) {
    open();
    Form2->Button1->click(); // a first "OK"
    backToMainWindow();
    const vt::FontValue committed = Form1->ChosenFont;
    for (bool closeBox : {false, true}) {
        open();
        Form2->TrackBar1->setValue(999);
        fakes.dialogs.font = serifRed;
        Form2->Button5Click();
        fakes.dialogs.color = 0x00FFFF;
        Form2->Button3Click();
        fakes.dialogs.file = "/sons/autre.wav";
        Form2->Button6Click();
        if (closeBox)
            Form2->close();
        else
            Form2->Button2->click();
        backToMainWindow();
        EXPECT_EQ(Form1->ShakeCount, 250);
        EXPECT_EQ(Form1->ChosenFont, committed);
        EXPECT_EQ(Form1->Label1->fontValue(), committed);
        EXPECT_EQ(Form1->BackColor, vt::clBtnFace);
        EXPECT_EQ(Form1->ChimeSound, fakes.folder.file("ding.wav"));
        open();
        EXPECT_EQ(Form2->TrackBar1->value(), 250);
        EXPECT_EQ(Form2->Edit1->text(), fakes.folder.file("ding.wav"));
        Form2->Button2->click();
    }
}

TEST_F(Options, AStrengthOutOfRangeShowsAtTheNearerBound) {
    for (const auto& [stored, shown] : {std::pair{-5, 0}, {2'000'000'000, 1000}}) {
        Form1->ShakeCount = stored;
        open();
        EXPECT_EQ(Form2->Label4->caption(), QString::number(shown));
        Form2->Button2->click();
        EXPECT_EQ(Form1->ShakeCount, stored);
        open();
        Form2->Button1->click();
        EXPECT_EQ(Form1->ShakeCount, shown);
    }
}

TEST_F(Options, ACommittedFontColourBecomesTheThemeColour) {
    open();
    fakes.dialogs.font = serifRed;
    Form2->Button5Click();
    Form2->Button1->click();
    backToMainWindow();
    open();
    windows->forms().activate(Form2);
    settle();
    for (vt::Label* label : {Form2->Label1, Form2->Label3, Form2->Label5})
        EXPECT_EQ(label->fontColor(), 0x0000FF);
}

TEST_F(Options, TheStyleDoesNotSurviveARestart) {
    open();
    fakes.dialogs.font = serifRed;
    Form2->Button5Click();
    Form2->Button1->click();
    backToMainWindow();
    EXPECT_TRUE(Form1->Label1->fontValue().bold);
    windows.reset();
    windows = std::make_unique<WindowSet>(fakes.services);
    const vt::FontValue restored = Form1->Label1->fontValue();
    EXPECT_EQ(restored.family, "Liberation Serif");
    EXPECT_EQ(restored.pointSize, 14);
    EXPECT_EQ(restored.color, 0x0000FF);
    EXPECT_FALSE(restored.bold);
    EXPECT_FALSE(restored.underline);
}

} // namespace
