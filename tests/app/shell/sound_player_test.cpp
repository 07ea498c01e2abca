#include "shell/SoundPlayer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSoundEffect>

#include <filesystem>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

class SoundPlayerTest : public ::testing::Test {
protected:
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QCoreApplication application{argc, argv};
};

// Sound files load asynchronously; without a sound device they still become Ready.
bool SettleAll(const QList<QSoundEffect*>& effects)
{
    QElapsedTimer waited;
    waited.start();
    auto loading = [&] {
        return std::any_of(effects.begin(), effects.end(),
                           [](QSoundEffect* e) { return e->status() == QSoundEffect::Loading || e->status() == QSoundEffect::Null; });
    };
    while (loading() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !loading();
}

TEST_F(SoundPlayerTest, BothSoundsLoadFromTheProgramFolderWhateverTheWorkingFolder)
{
    testing::TempFolder elsewhere;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Path());
    SoundPlayer player(KIRVO_PROGRAM_FOLDER);
    std::filesystem::current_path(previous);

    const QList<QSoundEffect*> effects = player.findChildren<QSoundEffect*>();
    ASSERT_EQ(effects.size(), 2) << "set.wav and win.wav are loaded before they are first played";
    ASSERT_TRUE(SettleAll(effects));
    for (QSoundEffect* effect : effects) {
        SCOPED_TRACE(effect->source().toString().toStdString());
        EXPECT_EQ(effect->status(), QSoundEffect::Ready) << "a WAV file Qt can decode";
        EXPECT_TRUE(effect->source().toLocalFile().startsWith(QString(KIRVO_PROGRAM_FOLDER)));
    }
    player.Play("win.wav");
}

TEST_F(SoundPlayerTest, MissingSoundsAreSkippedQuietly)
{
    testing::TempFolder empty;
    SoundPlayer player(empty.Path());
    player.Play("set.wav");
    player.Play("none.wav");
    EXPECT_TRUE(player.findChildren<QSoundEffect*>().isEmpty());
}

}  // namespace
}  // namespace kirvo
