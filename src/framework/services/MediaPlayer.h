#pragma once

#include <QString>

namespace vt {

// A sound player: WAV, MP3 and MIDI files.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const QString& path) = 0;
    // The name the desktop's sound mixer gives what is played from the next open on.
    virtual void setStreamName(const QString& name) = 0;
    // Closes what was open and opens the named file; fails with the media layer's message.
    virtual void open() = 0;
    // Starts playing and returns at once; a failure to play is not reported.
    virtual void play() = 0;
};

} // namespace vt
