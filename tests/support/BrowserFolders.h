// The fixture of the jigsaw browser's tests: a session over a folder of jigsaws, a folder of saved
// games and a language folder in a fresh temp folder, with the browser it owns. Messages are
// recorded in `told` and answered with `answer`.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "files/JigsawWriter.h"
#include "session/GameSession.h"
#include "support/TempFolder.h"

namespace kirvo::testing {

class SilentHost : public SessionHost {
public:
    std::optional<std::string> ChooseSaveName() override { return std::nullopt; }
    void ProgressChanged() override {}
};

class BrowserFolders : public ::testing::Test {
protected:
    BrowserFolders()
    {
        std::filesystem::create_directories(temp.Path() + "Jigsaws");
        std::filesystem::create_directories(temp.Path() + "Saved Games");
        FILE_NAMES names;
        names.personalJigsawsFolder = temp.Path() + "Jigsaws/";
        names.savedGamesFolder = temp.Path() + "Saved Games/";
        names.saveTempFile = names.savedGamesFolder + "kirvo.svt";
        names.autosaveFile = names.savedGamesFolder + "autosaved.sv1";
        names.savedGameExtension = ".sv1";
        names.jigsawExtension = ".ast";
        names.distributedJigsaws = {"Shipped.ast"};
        names.languageFolder = temp.Path() + "language/";
        session = std::make_unique<GameSession>(names, translator, sink, host, 7);
        session->SizeField(1000, 700, 1024, 768);
        session->InitialiseWindows();
    }

    JigsawBrowser& Browser() { return session->Browser(); }
    const FILE_NAMES& Names() { return session->Names(); }

    // A jigsaw of a colour gradient in the jigsaws folder; its path.
    std::string MakeJigsaw(const std::string& name, int width = 400, int height = 300)
    {
        TPixelBuffer picture;
        PixCreate24(picture, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                PixSetPixel(picture, x, y, MakeColour(x * 255 / width, y * 255 / height, 90));
        const std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 90);
        const std::string path = Names().personalJigsawsFolder + name + ".ast";
        EXPECT_TRUE(WriteJigsawFile(path, {.ImageW = width, .ImageH = height, .preview = jpeg, .info = {}, .picture = jpeg}));
        return path;
    }

    // A copy of the test data's played game (64 x 48, 17 pieces) in the saved-games folder; its path.
    std::string CopySavedGame(const std::string& name)
    {
        const std::string path = Names().savedGamesFolder + name + ".sv1";
        std::filesystem::copy_file(std::string(KIRVO_TEST_DATA) + "/saved-games/played.sv1", path);
        return path;
    }

    TempFolder temp;
    std::vector<std::string> told;
    MessageAnswer answer = MessageAnswer::Ok;
    MessageSink sink = [this](const MessageRequest& request) {
        told.push_back(request.text);
        return answer;
    };
    Translator translator;
    SilentHost host;
    std::unique_ptr<GameSession> session;
};

}  // namespace kirvo::testing
