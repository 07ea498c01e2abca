// The game's sounds: short WAV files from the program folder, played without waiting for them.
//
// set.wav (two pieces join) and win.wav (the puzzle is solved) are loaded when the player is made,
// so the first join sounds at once. A missing file or a machine without a sound device is no
// error: that sound is simply not heard.
#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <string>

class QSoundEffect;

namespace kirvo {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // The folder is taken as it is now: a relative one is resolved against today's working folder.
    explicit SoundPlayer(const std::string& programFolder, QObject* parent = nullptr);

    // Starts the sound file of the program folder and returns at once; a sound still playing
    // starts again from its beginning.
    void Play(const std::string& fileName);

private:
    QSoundEffect* Effect(const std::string& fileName);

    QString folder_;
    std::map<std::string, QSoundEffect*> effects_;  // children of the player; null for a missing file
};

}  // namespace kirvo
