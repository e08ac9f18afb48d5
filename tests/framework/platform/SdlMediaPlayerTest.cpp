#include "framework/platform/SdlMediaPlayer.h"
#include "framework/core/Failure.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>
#include <sys/stat.h>

namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// Silence as 8 kHz, 8-bit mono PCM: long enough that it is still playing when a test looks.
QByteArray silentWav(int seconds) {
    const quint32 rate = 8000;
    const quint32 dataSize = rate * seconds;
    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2); // PCM
    appendLittleEndian(bytes, 1, 2); // mono
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate, 4); // bytes a second
    appendLittleEndian(bytes, 1, 2);    // bytes a frame
    appendLittleEndian(bytes, 8, 2);    // bits a sample
    bytes.append("data");
    appendLittleEndian(bytes, dataSize, 4);
    bytes.append(QByteArray(int(dataSize), char(0x80)));
    return bytes;
}

// A Standard MIDI File with a single track holding one middle C.
QByteArray oneNoteMidi() {
    QByteArray bytes("MThd");
    bytes.append("\0\0\0\x06\0\0\0\x01\0\x60", 10); // header length, format 0, one track, 96 ticks a beat
    bytes.append("MTrk");
    bytes.append("\0\0\0\x0C", 4);       // track length
    bytes.append("\x00\x90\x3C\x64", 4); // at once, middle C on
    bytes.append("\x60\x80\x3C\x00", 4); // a beat later, off
    bytes.append("\x00\xFF\x2F\x00", 4); // end of track
    return bytes;
}

bool deviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }
bool audioInitialised() { return SDL_WasInit(SDL_INIT_AUDIO) != 0; }

class SdlMediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(folder.isValid());
    }

    QString write(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    // Stops the music the way SDL_mixer reports the end of a file, then runs what that queued.
    static void endMusic() {
        Mix_HaltMusic();
        QCoreApplication::sendPostedEvents();
    }

    static QString prefixFor(const QString& path) {
        return QStringLiteral("Impossible d'ouvrir le fichier son %1 : ").arg(path);
    }

    static QString failureOf(vt::SdlMediaPlayer& player) {
        try {
            player.open();
        } catch (const vt::Failure& failure) {
            return failure.message();
        }
        return {};
    }

    QTemporaryDir folder;
};

TEST_F(SdlMediaPlayerTest, MissingFileFailsInOpenNamingTheFullPath) {
    vt::SdlMediaPlayer player;
    const QString path = folder.filePath("absent.wav");
    player.setFileName(path);
    const QString message = failureOf(player);
    EXPECT_TRUE(message.startsWith(prefixFor(path))) << qPrintable(message);
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, RelativeNameIsReportedAsAFullPath) {
    vt::SdlMediaPlayer player;
    player.setFileName("absent-sound.wav");
    const QString message = failureOf(player);
    EXPECT_TRUE(message.contains(QDir::current().absoluteFilePath("absent-sound.wav")))
        << qPrintable(message);
}

TEST_F(SdlMediaPlayerTest, TextFileNamedWavFailsInOpen) {
    vt::SdlMediaPlayer player;
    const QString path = write("notes.wav", "Ceci n'est pas un son.\n");
    player.setFileName(path);
    const QString message = failureOf(player);
    EXPECT_TRUE(message.startsWith(prefixFor(path))) << qPrintable(message);
    EXPECT_GT(message.size(), prefixFor(path).size());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, APipeOrADeviceFailsInOpenWithoutBeingRead) {
    const QString pipe = write("pipe.wav", "");
    QFile::remove(pipe);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QString("/dev/zero")}) {
        vt::SdlMediaPlayer player;
        player.setFileName(path);
        EXPECT_EQ(failureOf(player), prefixFor(path) + "ce n'est pas un fichier ordinaire");
    }
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, FileOfUnknownTypeFailsInOpen) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("notes.txt", "Ceci n'est pas un son.\n"));
    EXPECT_THROW(player.open(), vt::Failure);
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, TextFileNamedMidFailsInOpen) {
    vt::SdlMediaPlayer player;
    const QString path = write("notes.mid", "Ceci n'est pas un son.\n");
    player.setFileName(path);
    const QString message = failureOf(player);
    EXPECT_TRUE(message.startsWith(prefixFor(path))) << qPrintable(message);
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, NoFileNameFailsInOpen) {
    vt::SdlMediaPlayer player;
    EXPECT_THROW(player.open(), vt::Failure);
}

TEST_F(SdlMediaPlayerTest, NothingStartsBeforeTheFirstOpen) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, WavOpensAndPlayReturnsWhileItPlays) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    EXPECT_TRUE(deviceOpen());
    player.play();
    // Ten seconds of sound still playing: play didn't wait for the end.
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_WAV);
}

TEST_F(SdlMediaPlayerTest, MidiOpensWithTheGeneralMidiSoundFontAndPlays) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("tune.mid", oneNoteMidi()));
    player.open();
    ASSERT_NE(Mix_GetSoundFonts(), nullptr);
    const QString soundFont = QString::fromUtf8(Mix_GetSoundFonts());
    EXPECT_TRUE(soundFont.endsWith("FluidR3_GM.sf2") || soundFont.endsWith("default-GM.sf2"))
        << qPrintable(soundFont);
    EXPECT_TRUE(QFile::exists(soundFont));
    player.play();
    EXPECT_EQ(Mix_GetMusicType(nullptr), MUS_MID);
    EXPECT_TRUE(deviceOpen());
}

TEST_F(SdlMediaPlayerTest, OpenAfterOpenClosesTheFirst) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("first.wav", silentWav(10)));
    player.open();
    player.play();
    player.setFileName(write("second.wav", silentWav(10)));
    player.open();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    // SDL_mixer counts its opens: one means the first was closed.
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);
    player.play();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SdlMediaPlayerTest, FailedOpenClosesWhatWasOpen) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    player.play();
    player.setFileName(folder.filePath("absent.wav"));
    EXPECT_THROW(player.open(), vt::Failure);
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, DeviceClosesOnTheMainThreadOnceTheMusicHasFinished) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    player.play();
    Mix_HaltMusic();
    // The end is reported on SDL's side; the close waits for the main thread's event loop.
    EXPECT_TRUE(deviceOpen());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, LateEndOfAnEarlierPlayLeavesTheNewOnePlaying) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    player.play();
    Mix_HaltMusic();
    player.play();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(deviceOpen());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(SdlMediaPlayerTest, LateEndLeavesAFreshlyOpenedFileOpen) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    player.play();
    Mix_HaltMusic();
    player.open();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(deviceOpen());
}

TEST_F(SdlMediaPlayerTest, PlayAfterTheEndOpensTheFileAgain) {
    vt::SdlMediaPlayer player;
    player.setFileName(write("bell.wav", silentWav(10)));
    player.open();
    player.play();
    endMusic();
    ASSERT_FALSE(deviceOpen());
    player.play();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    endMusic();
    EXPECT_FALSE(deviceOpen());
}

TEST_F(SdlMediaPlayerTest, PlayThatCannotOpenIsSilent) {
    vt::SdlMediaPlayer player;
    EXPECT_NO_THROW(player.play());
    player.setFileName(folder.filePath("absent.wav"));
    EXPECT_NO_THROW(player.play());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, DestructionClosesEverything) {
    {
        vt::SdlMediaPlayer player;
        player.setFileName(write("bell.wav", silentWav(10)));
        player.open();
        player.play();
    }
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(audioInitialised());
    // Nothing is left queued for the destroyed player.
    QCoreApplication::sendPostedEvents();
}

TEST_F(SdlMediaPlayerTest, PlayStopsAnotherPlayersSoundAndReleasesIt) {
    vt::SdlMediaPlayer first;
    vt::SdlMediaPlayer second;
    first.setFileName(write("first.wav", silentWav(10)));
    second.setFileName(write("second.wav", silentWav(10)));
    first.open();
    first.play();
    second.open();
    second.play();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);
    endMusic();
    EXPECT_FALSE(deviceOpen());
    EXPECT_FALSE(audioInitialised());
}

TEST_F(SdlMediaPlayerTest, SignalHandlersAreLeftAlone) {
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    struct sigaction oldTerm {};
    struct sigaction oldInt {};
    // SDL only installs its handlers over the default ones: start from those.
    sigaction(SIGTERM, &defaultAction, &oldTerm);
    sigaction(SIGINT, &defaultAction, &oldInt);
    {
        vt::SdlMediaPlayer player;
        player.setFileName(write("bell.wav", silentWav(10)));
        player.open();
        player.play();
        struct sigaction term {};
        struct sigaction interrupt {};
        sigaction(SIGTERM, nullptr, &term);
        sigaction(SIGINT, nullptr, &interrupt);
        EXPECT_EQ(term.sa_handler, SIG_DFL);
        EXPECT_EQ(interrupt.sa_handler, SIG_DFL);
    }
    sigaction(SIGTERM, &oldTerm, nullptr);
    sigaction(SIGINT, &oldInt, nullptr);
}

TEST_F(SdlMediaPlayerTest, NoAudioOutputFailsInOpenWithAClearMessage) {
    // A driver SDL doesn't know stands for a machine without any sound output.
    setenv("SDL_AUDIODRIVER", "aucun", 1);
    vt::SdlMediaPlayer player;
    const QString path = write("bell.wav", silentWav(1));
    player.setFileName(path);
    const QString message = failureOf(player);
    EXPECT_TRUE(message.startsWith(prefixFor(path) + "aucune sortie son")) << qPrintable(message);
    EXPECT_NO_THROW(player.play());
    EXPECT_FALSE(audioInitialised());
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

} // namespace
