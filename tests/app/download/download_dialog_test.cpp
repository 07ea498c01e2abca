#include "download/DownloadDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "download/CatalogueList.h"
#include "raster/PixelBuffer.h"
#include "support/DownloadServer.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

namespace fs = std::filesystem;
using testing::DownloadServer;

// The dialog over a catalogue folder and a jigsaws folder of its own, with server A as the
// download server and the player's answers given in advance.
class DownloadDialogTest : public ::testing::Test {
protected:
    DownloadDialogTest()
    {
        names.thumbnailFolder = temp.Path() + "thumb/";
        names.personalJigsawsFolder = temp.Path() + "Jigsaws/";
        names.tempFolder = temp.Path() + "temp/";
        fs::create_directories(names.personalJigsawsFolder);
        fs::create_directories(names.tempFolder);
        settings.sDnSrc = Server().httpA;
    }

    static const DownloadServer& Server() { return DownloadServer::Get(); }

    // jiglist.txt as written into the catalogue folder; a thumbnail for each name of withThumbnails.
    void Catalogue(const std::string& list, std::initializer_list<const char*> withThumbnails = {},
                   const std::string& folder = "thumb/")
    {
        temp.Write(folder + "jiglist.txt", list);
        TPixelBuffer picture;
        PixCreate24(picture, 240, 120);
        const std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 80);
        for (const char* name : withThumbnails)
            temp.Write(folder + name + ".jpg", std::string(jpeg.begin(), jpeg.end()));
    }

    // Shows the dialog, does what the player does in it, and leaves it unless that did.
    void Run(std::function<void()> act)
    {
        QTimer::singleShot(0, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.ExitButton()->click();
        });
        dialog.Run(names);
    }

    void Download(DownloadMode mode, int row = -1)
    {
        dialog.ModeBox()->setCurrentIndex(int(mode));
        if (row >= 0)
            dialog.List()->setCurrentRow(row);
        dialog.DownloadButton()->click();
    }

    bool Installed(const std::string& name) const { return fs::exists(names.personalJigsawsFolder + name + ".ast"); }
    static int64_t ServedSize(const std::string& name)
    {
        return int64_t(fs::file_size(std::string(KIRVO_DOWNLOAD_SERVER) + "/root-a/kirvo/jigsaws_pleo3/" + name));
    }

    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application {argc, argv};
    testing::TempFolder temp;
    FILE_NAMES names;
    Settings settings;
    Translator translator;
    std::vector<std::string> told;
    MessageAnswer answer = MessageAnswer::Ok;
    DownloadSite site {{Server().httpA, Server().httpB}, Server().caFile, true};
    DownloadDialog dialog {settings, translator,
                           [this](const MessageRequest& request) {
                               told.push_back(request.text);
                               return answer;
                           },
                           site, nullptr};
};

// The selected jigsaw comes in whole, is marked installed, and the bar followed the archive's real
// size; fetching it again asks first, and Cancel leaves it alone.
TEST_F(DownloadDialogTest, TheSelectedJigsawIsInstalledAndReplacedOnlyWhenThePlayerAgrees)
{
    Catalogue("  Big-Jigsaw \r\n\r\ntulips\r\n", {"big-jigsaw"});
    int barMaximum = 0;
    QObject::connect(dialog.ProgressBar(), &QProgressBar::valueChanged,
                     [&barMaximum, this] { barMaximum = std::max(barMaximum, dialog.ProgressBar()->maximum()); });
    Run([&] {
        ASSERT_EQ(dialog.List()->count(), 2);
        EXPECT_EQ(dialog.List()->item(0)->text(), "big-jigsaw");
        EXPECT_EQ(dialog.ThumbnailBox()->title(), "big-jigsaw");
        Download(DownloadMode::SelectedJigsaw, 0);
        EXPECT_TRUE(Installed("big-jigsaw"));
        EXPECT_TRUE(dialog.List()->item(0)->data(Qt::UserRole).toBool());
        EXPECT_FALSE(dialog.List()->item(1)->data(Qt::UserRole).toBool());
        EXPECT_TRUE(dialog.DownloadButton()->isEnabled());
        EXPECT_FALSE(dialog.StopButton()->isEnabled());

        answer = MessageAnswer::Cancel;
        fs::resize_file(names.personalJigsawsFolder + "big-jigsaw.ast", 10);
        Download(DownloadMode::SelectedJigsaw, 0);
        EXPECT_EQ(fs::file_size(names.personalJigsawsFolder + "big-jigsaw.ast"), 10u);
    });
    EXPECT_EQ(barMaximum, ServedSize("big-jigsaw.rar"));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "big-jigsaw already exists.\nDo you want to replace it?");
    EXPECT_EQ(dialog.Installed(), std::vector<std::string>{"big-jigsaw.ast"});
    EXPECT_EQ(dialog.FirstNewJigsaw(), names.personalJigsawsFolder + "big-jigsaw.ast");
}

// A batch skips what is installed, stops at the first jigsaw the server lacks and counts it.
TEST_F(DownloadDialogTest, ABatchStopsAtAMissingJigsawAndCountsIt)
{
    Catalogue("tulips\nwith-readme\nmissing\nbig-jigsaw\n");
    temp.Write("Jigsaws/tulips.ast", "mine");
    Run([&] { Download(DownloadMode::NewJigsaws); });
    EXPECT_EQ(testing::ReadText(names.personalJigsawsFolder + "tulips.ast"), "mine");
    EXPECT_TRUE(Installed("with-readme"));
    EXPECT_FALSE(Installed("big-jigsaw"));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[0].find("missing.rar"), std::string::npos) << told[0];
    EXPECT_EQ(told[1], "Jigsaws that could not be downloaded: 1");
    EXPECT_EQ(dialog.FirstNewJigsaw(), names.personalJigsawsFolder + "with-readme.ast");
}

TEST_F(DownloadDialogTest, RequestsThatCannotRunAreRefused)
{
    const struct {
        const char* list;
        const char* installed;
        DownloadMode mode;
        const char* message;
    } cases[] = {
        {"\n  \n", nullptr, DownloadMode::AllJigsaws, "There are no jigsaws on the list."},
        {"tulips\n", "tulips", DownloadMode::NewJigsaws, "You already have every jigsaw on the list."},
    };
    int folders = 0;
    for (const auto& c : cases) {
        told.clear();
        const std::string folder = "thumb-" + std::to_string(++folders) + "/";  // a catalogue of its own
        Catalogue(c.list, {}, folder);
        settings.thumbnailsPath = temp.Path() + folder;
        if (c.installed)
            temp.Write(std::string("Jigsaws/") + c.installed + ".ast", "mine");
        Run([&] { Download(c.mode); });
        ASSERT_EQ(told.size(), 1u) << c.list;
        EXPECT_EQ(told[0], c.message);
    }
}

// Stop and Exit end a transfer that stalls at once, leaving nothing behind.
TEST_F(DownloadDialogTest, StopAndExitEndAStalledTransferPromptly)
{
    Catalogue("stalled\n");
    for (QPushButton* button : {dialog.StopButton(), dialog.ExitButton()}) {
        QElapsedTimer clock;
        clock.start();
        Run([&] {
            QTimer::singleShot(300, button, &QPushButton::click);
            Download(DownloadMode::SelectedJigsaw, 0);
        });
        EXPECT_LT(clock.elapsed(), 10'000) << button->objectName().toStdString();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(fs::is_empty(names.personalJigsawsFolder));
        EXPECT_TRUE(fs::is_empty(names.tempFolder));
        EXPECT_TRUE(told.empty());
    }
}

}  // namespace
}  // namespace kirvo
