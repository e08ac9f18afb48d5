#pragma once

#include "framework/services/MediaPlayer.h"

#include <QObject>
#include <QString>

// SDL_mixer's music type, declared here so that users of the player don't need SDL's headers.
struct _Mix_Music;

namespace vt {

// Plays WAV, MP3 and MIDI files with SDL_mixer; MIDI goes through FluidSynth and the General MIDI soundfont.
// The audio device is open only from open() until the music ends, so an idle clock runs no audio thread.
// SDL_mixer has a single music channel: one sound plays at a time in the whole program.
class SdlMediaPlayer : public MediaPlayer {
public:
    SdlMediaPlayer() = default;
    ~SdlMediaPlayer() override;
    SdlMediaPlayer(const SdlMediaPlayer&) = delete;
    SdlMediaPlayer& operator=(const SdlMediaPlayer&) = delete;

    void setFileName(const QString& path) override;
    void setStreamName(const QString& name) override;
    // Fails with "Impossible d'ouvrir le fichier son <full path> : <reason>".
    void open() override;
    // Opens the file again first if it was closed, e.g. because the previous play ended.
    void play() override;

private:
    static void musicFinishedHook();
    void musicFinished(unsigned playNumber);
    void openDevice(const QString& path);
    void close();

    QString fileName;
    QString streamName;
    _Mix_Music* music = nullptr;
    bool deviceOpen = false;
    // Lives in the main thread: the end of the music, reported on SDL's audio thread, is queued to it.
    QObject mainThread;
};

} // namespace vt
