#pragma once

#include <QString>

namespace vt {

// A sound player: WAV, MP3 and MIDI files.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const QString& path) = 0;
    // Closes what was open and opens the named file; fails with the media layer's message.
    virtual void open() = 0;
    // Starts playing and returns at once; a failure to play is not reported.
    virtual void play() = 0;
};

} // namespace vt
