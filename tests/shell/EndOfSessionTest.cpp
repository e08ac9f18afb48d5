#include "support/WindowsFixture.h"

#include "alarm/Unit8.h"
#include "shell/Unit1.h"
#include "stopwatch/Unit3.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

// The settings file as the user may leave it: something the exit write can't replace.
enum class Unwritable { Folder, Pipe, LinkLoop, FailingDisk, ValueWithALineBreak };

std::string nameOf(const testing::TestParamInfo<Unwritable>& kind) {
    const char* names[] = {"Folder", "Pipe", "LinkLoop", "FailingDisk", "ValueWithALineBreak"};
    return names[int(kind.param)];
}

class EndOfSession : public WindowsFixture, public testing::WithParamInterface<Unwritable> {
protected:
    void makeUnwritable() {
        QFile::remove(settingsPath());
        const QByteArray path = QFile::encodeName(settingsPath());
        switch (GetParam()) {
        case Unwritable::Folder:
            ASSERT_TRUE(QDir().mkdir(settingsPath()));
            break;
        case Unwritable::Pipe:
            ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
            break;
        case Unwritable::LinkLoop:
            ASSERT_TRUE(QFile::link("config.ini", settingsPath()));
            break;
        case Unwritable::FailingDisk:
            fakes.disk.unwritable = true;
            break;
        case Unwritable::ValueWithALineBreak: // a program folder whose name holds one
            Form1->ChimeSound = fakes.folder.path() + "un\ndeux/ding.wav";
            break;
        }
    }
};

TEST_P(EndOfSession, EndsWithoutABoxAndSaysTheFailureInOneLine) {
    Form1->show();
    Form3->show();
    Form8->show();
    settle();
    makeUnwritable();
    testing::internal::CaptureStderr();
    windows->endSession();
    windows->tearDown();
    const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(fakes.boxes.shown.empty()) << qPrintable(fakes.boxes.texts().join('\n'));
    EXPECT_EQ(said.count('\n'), 1) << qPrintable(said);
    EXPECT_TRUE(said.startsWith("vantorel : Impossible d'écrire ")) << qPrintable(said);
    EXPECT_EQ(fakes.boxes.show("Encore ?", "Alerte...", vt::Box::YesNo), vt::Box::AnswerNo);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfUnwritableFile, EndOfSession,
                         testing::Values(Unwritable::Folder, Unwritable::Pipe, Unwritable::LinkLoop,
                                         Unwritable::FailingDisk, Unwritable::ValueWithALineBreak),
                         nameOf);

} // namespace
