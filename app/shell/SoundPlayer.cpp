#include "shell/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace kirvo {

SoundPlayer::SoundPlayer(const std::string& programFolder, QObject* parent)
    : QObject(parent), folder_(QDir(QString::fromStdString(programFolder)).absolutePath())
{
    Effect("set.wav");
    Effect("win.wav");
}

void SoundPlayer::Play(const std::string& fileName)
{
    if (QSoundEffect* effect = Effect(fileName)) {
        effect->stop();
        effect->play();
    }
}

QSoundEffect* SoundPlayer::Effect(const std::string& fileName)
{
    auto found = effects_.find(fileName);
    if (found != effects_.end())
        return found->second;
    const QString path = QDir(folder_).filePath(QString::fromStdString(fileName));
    QSoundEffect* effect = nullptr;
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.emplace(fileName, effect);
    return effect;
}

}  // namespace kirvo
