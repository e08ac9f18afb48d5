#include "SdlMediaPlayer.h"

#include "framework/core/Failure.h"
#include "framework/core/RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include <atomic>
#include <cstring>

namespace vt {

namespace {

// The player whose music is playing and the number of its play; the finished hook reads both on SDL's
// audio thread, so that a late report of an earlier play is recognised and ignored.
std::atomic<SdlMediaPlayer*> playing{nullptr};
std::atomic<unsigned> playCount{0};

// Far more than any sound the program could mean to play.
constexpr qint64 maxSoundBytes = qint64(1) << 30;

const char* const soundFonts[] = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                  "/usr/share/sounds/sf2/default-GM.sf2"};

void useGeneralMidiSoundFont() {
    for (const char* path : soundFonts) {
        if (QFileInfo::exists(QString::fromUtf8(path))) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

bool hasMidiHeader(SDL_RWops* file) {
    char magic[4];
    return SDL_RWread(file, magic, 1, 4) == 4 && std::memcmp(magic, "MThd", 4) == 0;
}

QString mixerError() { return QString::fromUtf8(Mix_GetError()); }

Failure cannotOpen(const QString& path, const QString& reason) {
    return Failure(QStringLiteral("Impossible d'ouvrir le fichier son %1 : %2").arg(path, reason));
}

Failure noOutput(const QString& path) {
    return cannotOpen(path, QStringLiteral("aucune sortie son n'est disponible (%1)").arg(mixerError()));
}

} // namespace

SdlMediaPlayer::~SdlMediaPlayer() { close(); }

void SdlMediaPlayer::setFileName(const QString& path) { fileName = path; }

void SdlMediaPlayer::setStreamName(const QString& name) { streamName = name; }

void SdlMediaPlayer::open() {
    close();
    const QString path = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
    if (path.isEmpty()) throw cannotOpen(path, QStringLiteral("aucun fichier n'est choisi"));
    // A pipe or a device would hold the program, reading it for good.
    if (isUnusualFile(path, maxSoundBytes))
        throw cannotOpen(path, QStringLiteral("ce n'est pas un fichier ordinaire"));
    const QByteArray name = QFile::encodeName(path);
    // A missing or unreadable file fails at once, without waking the audio device.
    SDL_RWops* file = SDL_RWFromFile(name.constData(), "rb");
    if (!file) throw cannotOpen(path, mixerError());
    const bool midiHeader = hasMidiHeader(file);
    SDL_RWclose(file);
    openDevice(path);
    // FluidSynth reads the soundfont setting when it first loads a MIDI file after the device opens.
    useGeneralMidiSoundFont();
    music = Mix_LoadMUS(name.constData());
    if (!music) {
        const QString reason = mixerError();
        close();
        throw cannotOpen(path, reason);
    }
    // FluidSynth takes any file named .mid and only finds out when it plays.
    if (Mix_GetMusicType(music) == MUS_MID && !midiHeader) {
        close();
        throw cannotOpen(path, QStringLiteral("ce n'est pas un fichier MIDI"));
    }
}

void SdlMediaPlayer::play() {
    if (!music) {
        try {
            open();
        } catch (const Failure&) {
            return;
        }
    }
    // One music at a time: another player's sound stops and its device is released.
    if (SdlMediaPlayer* other = playing; other && other != this) other->close();
    // The music this one replaces must not report its end as this one's.
    Mix_HookMusicFinished(nullptr);
    Mix_HaltMusic();
    ++playCount;
    playing = this;
    Mix_HookMusicFinished(&SdlMediaPlayer::musicFinishedHook);
    if (Mix_PlayMusic(music, 0) != 0) close();
}

void SdlMediaPlayer::musicFinishedHook() {
    // SDL's audio thread, with the audio locked: no SDL call here, the close happens on the main thread.
    // close() unhooks under the same lock before the player can go away, so the pointer is still valid.
    SdlMediaPlayer* player = playing;
    if (!player) return;
    const unsigned playNumber = playCount;
    QMetaObject::invokeMethod(
        &player->mainThread, [player, playNumber] { player->musicFinished(playNumber); },
        Qt::QueuedConnection);
}

void SdlMediaPlayer::musicFinished(unsigned playNumber) {
    if (playing == this && playCount == playNumber) close();
}

void SdlMediaPlayer::openDevice(const QString& path) {
    // SDL would otherwise catch SIGINT and SIGTERM, which the program relies on receiving.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // MIDI goes through FluidSynth only, so that its error, not Timidity's, is the one reported.
    SDL_SetHint("SDL_MIXER_DISABLE_TIMIDITY", "1");
    // Named in the desktop's mixer, and alerts to it, so that its alert volume and the program's own
    // controls find them.
    SDL_SetHint(SDL_HINT_APP_NAME, QCoreApplication::applicationName().toUtf8().constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, streamName.toUtf8().constData());
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "event");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) throw noOutput(path);
    // A small buffer keeps the close short: it waits for the audio thread to finish its current buffer.
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        const Failure failure = noOutput(path);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw failure;
    }
    deviceOpen = true;
}

void SdlMediaPlayer::close() {
    if (playing == this) {
        Mix_HookMusicFinished(nullptr);
        playing = nullptr;
    }
    if (music) {
        Mix_FreeMusic(music);
        music = nullptr;
    }
    if (deviceOpen) {
        Mix_CloseAudio();
        // Also ends SDL's audio back end (e.g. its PulseAudio thread) until the next open.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        deviceOpen = false;
    }
}

} // namespace vt
