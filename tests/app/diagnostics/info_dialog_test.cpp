#include "diagnostics/InfoDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "settings/Translation.h"

namespace kirvo {
namespace {

const std::string kLanguages = std::string(KIRVO_TEST_DATA) + "/../../data/language/";

class InfoDialogTest : public ::testing::Test {
protected:
    InfoDialogTest()
    {
        info.jigsawName = "Marigold";
        info.pieces = 120;
        info.unsolved = 7;
        info.percent = 94;
    }

    static QString Text(const QWidget& dialog, const char* name) { return dialog.findChild<QLabel*>(name)->text(); }
    static QLabel* Label(const QWidget& dialog, const char* name) { return dialog.findChild<QLabel*>(name); }

    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    Translator translator;
    PuzzleInfo info;
};

TEST_F(InfoDialogTest, CountsFillTheTranslatedFormats)
{
    struct Case {
        const char* language;
        const char* pieces;
        const char* unsolved;
        const char* percent;
    };
    const Case cases[] = {
        {"english", "Pieces: 120", "Unsolved pieces: 7", "Solved: 94%"},
        {"german", "Teile: 120", "Ungelöste Teile: 7", "Gelöst: 94 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(translator.Apply(kLanguages + c.language + ".lng"));
        InfoDialog dialog(info, translator);
        EXPECT_EQ(Text(dialog, "L_PieceNum"), QString::fromUtf8(c.pieces));
        EXPECT_EQ(Text(dialog, "l_UnsolvedNum"), QString::fromUtf8(c.unsolved));
        EXPECT_EQ(Text(dialog, "L_SolvedPercent"), QString::fromUtf8(c.percent));
    }
}

TEST_F(InfoDialogTest, ASavedGameNamesItsJigsawBelowItself)
{
    InfoDialog jigsaw(info, translator);
    EXPECT_EQ(Text(jigsaw, "L_Jig"), "Marigold");
    EXPECT_FALSE(Label(jigsaw, "L_Jig1")->isVisibleTo(&jigsaw));

    info.savedGameName = "Sunday afternoon";
    InfoDialog saved(info, translator);
    EXPECT_EQ(Text(saved, "L_Jig"), "Sunday afternoon");
    EXPECT_TRUE(Label(saved, "L_Jig1")->isVisibleTo(&saved));
    EXPECT_EQ(Text(saved, "L_Jig1"), "(Marigold)");
}

TEST_F(InfoDialogTest, BordersAndRotationAreEnabledOnlyWhenTheGameHasThem)
{
    struct Case {
        int borderStyle;
        bool rotate;
        const char* borders;
    };
    for (const Case& c : {Case{0, false, "Without frame"}, Case{1, true, "With frame"}, Case{1, false, "With frame"}}) {
        SCOPED_TRACE(c.borderStyle * 10 + c.rotate);
        info.borderStyle = c.borderStyle;
        info.rotate = c.rotate;
        info.shapeStyle = 5;
        InfoDialog dialog(info, translator);
        EXPECT_EQ(Text(dialog, "L_Borders"), c.borders);
        EXPECT_EQ(Label(dialog, "L_Borders")->isEnabled(), c.borderStyle == 1);
        EXPECT_EQ(Label(dialog, "L_Rotation")->isEnabled(), c.rotate);
        EXPECT_EQ(Text(dialog, "L_Shapes"), "Grid, mixed knobs");
    }
}

TEST_F(InfoDialogTest, ThePreviewIsFittedAndCentredOnTheButtonFace)
{
    info.thumbnail = QImage(100, 50, QImage::Format_RGB32);
    info.thumbnail.fill(Qt::red);
    InfoDialog dialog(info, translator);
    const QImage shown = Label(dialog, "I_ShowThumb")->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(256, 192));
    const QRgb face = dialog.palette().color(QPalette::Button).rgb();
    // 256 x 128 in the middle, a band of 32 rows above and below.
    for (int x : {0, 128, 255}) {
        EXPECT_EQ(shown.pixel(x, 30), face) << x;
        EXPECT_EQ(shown.pixel(x, 34), qRgb(255, 0, 0)) << x;
        EXPECT_EQ(shown.pixel(x, 157), qRgb(255, 0, 0)) << x;
        EXPECT_EQ(shown.pixel(x, 161), face) << x;
    }
}

}  // namespace
}  // namespace kirvo
