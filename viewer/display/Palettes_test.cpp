#include <gtest/gtest.h>

#include "GammaSetting.h"
#include "NumberText.h"
#include "PaletteSet.h"

namespace {

PaletteSet builtAt(int gammaPosition) {
    PaletteSet set;
    set.BuildPalettes(GammaOfPosition(gammaPosition));
    return set;
}

}  // namespace

TEST(Palettes, KnownStepsAndStopsAtEveryGamma) {
    const PaletteSet set = builtAt(50);
    const std::pair<int, std::uint32_t> known[] = {
        {1, 0xFF1919}, {5, 0xFF7F7F}, {10, 0xFFFFFF}, {15, 0x7F7FFF}, {19, 0x1919FF}};
    for (auto [i, colour] : known) EXPECT_EQ(set.Palettes[0][i], Colour(colour)) << i;
    const Colour black(0), gray(0x808080), white(0xFFFFFF);
    EXPECT_EQ(GetPaletteColor(5, black, gray, white, 0.5).red(), 90);  // 128 * sqrt(0.5)
    EXPECT_EQ(GetPaletteColor(15, black, gray, white, 2.0).red(), 217);
    for (int position : {1, 25, 100}) {
        const PaletteSet other = builtAt(position);
        for (int p = 0; p < BuiltInPaletteCount; ++p) {
            EXPECT_EQ(other.Palettes[p][0], BuiltInPalettes[p].start);
            EXPECT_EQ(other.Palettes[p][10], BuiltInPalettes[p].middle);
            EXPECT_EQ(other.Palettes[p][20], BuiltInPalettes[p].end);
        }
    }
}

TEST(Palettes, GammaChangeDependsOnlyOnTheStopsAndTheLastGamma) {
    PaletteSet set = builtAt(50);
    const auto original = set.Palettes;
    for (int p = 0; p < BuiltInPaletteCount; ++p) {
        set.ChangeActPaletteGamma(p, GammaOfPosition(25));
        set.ChangeActPaletteGamma(p, GammaOfPosition(50));
        EXPECT_EQ(set.Palettes[p], original[p]);
    }
    set.ChangeActPaletteGamma(2, GammaOfPosition(10));
    set.ChangeActPaletteGamma(2, GammaOfPosition(85));
    EXPECT_EQ(set.Palettes[2], builtAt(85).Palettes[2]);
}

TEST(Palettes, InversionSwapsTheEndsTwiceRestoresAndSkipsShortPalettes) {
    PaletteSet set = builtAt(50);
    const std::vector<Colour> original = set.Palettes[4];
    std::vector<Colour> legend(21);
    legend[10] = Colour(0x123456);  // recoloured by hand
    set.InvertPalette(4);
    ApplyInversionToLegend(set.Palettes[4], legend);
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(set.Palettes[4][i], original[20 - i]);
    EXPECT_EQ(legend[0], original[20]);
    EXPECT_EQ(legend[10], Colour(0x123456));
    set.InvertPalette(4);
    EXPECT_EQ(set.Palettes[4], original);
    set.Palettes.push_back({Colour(1), Colour(2)});  // a short file palette
    const auto before = set.Palettes;
    set.ChangeActPaletteGamma(6, 2.0);
    set.InvertPalette(6);
    EXPECT_EQ(set.Palettes, before);
}

TEST(GammaEdit, TextsAreClampedAndPositionsGiveTheGamma) {
    const struct {
        const char *typed, *shown;
        double gamma;
    } cases[] = {{"0", "1", 0.02}, {"-5", "1", 0.02}, {"250", "100", 2.0}, {"50", "50", 1.0}};
    for (const auto& c : cases) {
        const GammaEntry entry = ReadGammaText(c.typed);
        EXPECT_EQ(entry.text, c.shown);
        EXPECT_EQ(entry.corrected, QString(c.typed) != c.shown);
        EXPECT_DOUBLE_EQ(GammaOfPosition(entry.position), c.gamma);
    }
    EXPECT_THROW(ReadGammaText("2.5"), ConversionError);
    EXPECT_TRUE(GammaControlsEnabled(6));  // the first file palette too
    EXPECT_FALSE(GammaControlsEnabled(7));
}
