#include "SeriesStyling.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ChartAppearance.h"
#include "ScriptedDialogs.h"
#include "TableTestFiles.h"

namespace {

constexpr std::uint32_t Red = 0x0000FF, Blue = 0xFF0000, Green = 0x008000, Fuchsia = 0xFF00FF;

std::vector<std::unique_ptr<SeriesData>> attachSeries(SeriesStyleTable& styles, int count) {
    std::vector<std::unique_ptr<SeriesData>> all;
    for (int i = 0; i < count; ++i) {
        all.push_back(std::make_unique<SeriesData>("Q: " + std::to_string(i), "t.txt"));
        takeStyle(*all.back(), styles);
    }
    return all;
}

}  // namespace

TEST(SeriesStyles, ThreeTablesOfOneColumnGetRedBlueGreen) {
    SeriesStyleTable styles;
    std::vector<FileContainer> tables;
    for (int i = 0; i < 3; ++i) {
        tables.push_back(readTable(tableText("YY MM DD HH Q", "2001 1 1 0 1\n2001 1 1 1 2\n")));
        takeStyle(*tables.back().series(0), styles);
    }
    EXPECT_EQ(tables[0].series(0)->colour, Red);
    EXPECT_EQ(tables[1].series(0)->colour, Blue);
    EXPECT_EQ(tables[2].series(0)->colour, Green);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tables[i].series(0)->styleSlot, i);
        EXPECT_EQ(tables[i].series(0)->lineWidth, 1);
        EXPECT_EQ(tables[i].series(0)->penStyle, 0);
    }
}

TEST(SeriesStyles, AFreedEntryIsReusedFirst) {
    SeriesStyleTable styles;
    auto series = attachSeries(styles, 32);
    releaseStyle(*series[4], styles);
    EXPECT_EQ(styles.entry(4).useCount, 0);
    // The style slot stays after the detach.
    EXPECT_EQ(series[4]->styleSlot, 4);

    SeriesData next("Q: next", "t.txt");
    takeStyle(next, styles);
    EXPECT_EQ(next.styleSlot, 4);
    EXPECT_EQ(next.colour, Fuchsia);
    EXPECT_EQ(next.lineWidth, 1);
}

TEST(SeriesStyles, The33rdSeriesStartsAgainAtRedOfWidthOne) {
    SeriesStyleTable styles;
    auto series = attachSeries(styles, 33);
    EXPECT_EQ(series[16]->colour, Red);
    EXPECT_EQ(series[16]->lineWidth, 2);
    EXPECT_EQ(series[31]->lineWidth, 2);
    EXPECT_EQ(series[32]->styleSlot, 0);
    EXPECT_EQ(series[32]->colour, Red);
    EXPECT_EQ(series[32]->lineWidth, 1);
    EXPECT_EQ(styles.entry(0).useCount, 2);
    EXPECT_EQ(styles.leastUsed(), 1);
}

TEST(SeriesStyles, ReleasingNeverDrivesAUseCountBelowZero) {
    SeriesStyleTable styles;
    SeriesData never("Q", "t.txt");  // style slot -1
    releaseStyle(never, styles);
    styles.release(SeriesStyleTable::EntryCount);
    styles.release(3);
    for (int i = 0; i < SeriesStyleTable::EntryCount; ++i) EXPECT_EQ(styles.entry(i).useCount, 0);
    EXPECT_EQ(styles.take(), 0);
}

TEST(SeriesStyles, AttachingAgainOverwritesTheChosenLook) {
    SeriesStyleTable styles;
    auto series = attachSeries(styles, 2);
    choosePattern(*series[1], 3);
    releaseStyle(*series[1], styles);
    releaseStyle(*series[0], styles);
    takeStyle(*series[1], styles);
    EXPECT_EQ(series[1]->styleSlot, 0);
    EXPECT_EQ(series[1]->colour, Red);
    EXPECT_EQ(series[1]->penStyle, 0);
}

TEST(SeriesLook, APatternSetsTheDefaultColourMarkerDrawnInTheEntryColour) {
    SeriesStyleTable styles;
    auto series = attachSeries(styles, 2);
    choosePattern(*series[1], 1);
    EXPECT_EQ(series[1]->penStyle, 1);
    EXPECT_EQ(series[1]->colour, 536870912u);
    EXPECT_EQ(drawnColour(*series[1], styles), Colour(Blue));
    EXPECT_EQ(qtPenStyle(series[1]->penStyle), Qt::DashLine);
    EXPECT_EQ(legendLineWidth(series[1]->lineWidth), 2);
    EXPECT_EQ(legendLineWidth(2), 4);

    // A chosen colour is drawn as it is; a series that never held an entry draws the
    // marker in the first entry's colour.
    series[0]->colour = 0x123456;
    EXPECT_EQ(drawnColour(*series[0], styles), Colour(0x123456));
    SeriesData loose("Q", "t.txt");
    choosePattern(loose, 4);
    EXPECT_EQ(drawnColour(loose, styles), Colour(Red));
}

TEST(SeriesLook, PenStylesAndTheSelectedLine) {
    const std::vector<Qt::PenStyle> pens = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                            Qt::DashDotLine, Qt::DashDotDotLine};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(qtPenStyle(i), pens[i]);
    EXPECT_EQ(qtPenStyle(-1), Qt::SolidLine);
    EXPECT_EQ(qtPenStyle(9), Qt::SolidLine);

    EXPECT_EQ(selectedLineWidth(2, 1), 2);
    EXPECT_EQ(selectedLineWidth(1, 10), 10);

    EXPECT_TRUE(patternMenuEnabled("1"));
    EXPECT_FALSE(patternMenuEnabled("2"));
    EXPECT_FALSE(patternMenuEnabled("10"));
    EXPECT_FALSE(patternMenuEnabled(""));
}

TEST(ChartGradient, SwitchingOnAppliesTheStoredColoursTopToBottom) {
    GradientColours stored{Colour(0x112233), Colour(0x445566)};
    ChartGradient gradient{true, 2, Colour(0xFFFFFF), Colour(0x80FFFF)};
    gradient = switchedGradient(gradient, false, stored);
    EXPECT_FALSE(gradient.visible);
    EXPECT_EQ(gradient.direction, 2);
    gradient = switchedGradient(gradient, true, stored);
    EXPECT_TRUE(gradient.visible);
    EXPECT_EQ(gradient.direction, 0);
    EXPECT_EQ(gradient.start, stored.start);
    EXPECT_EQ(gradient.end, stored.end);
}

TEST(ChartGradient, CancelledColourDialogsReapplyTheStoredColours) {
    GradientColours stored{Colour(0x112233), Colour(0x445566)};
    ChartGradient gradient = defaultYellowGradient(ChartGradient{});
    EXPECT_EQ(gradient.start, Colour(0xFFFFFF));
    EXPECT_EQ(gradient.end, Colour(0x80FFFF));

    ScriptedDialogs dialogs;
    dialogs.colourAnswers = {std::nullopt, std::nullopt};  // both dialogs cancelled
    gradient = chooseGradientColours(dialogs, gradient, stored);
    EXPECT_EQ(gradient.start, Colour(0x112233));
    EXPECT_EQ(gradient.end, Colour(0x445566));
    ASSERT_EQ(dialogs.callsOf("colour").size(), 2u);
    EXPECT_EQ(dialogs.callsOf("colour")[0].text, "112233");
    EXPECT_EQ(dialogs.callsOf("colour")[1].text, "445566");

    // Only the end colour chosen: it is stored, the start stays.
    dialogs.colourAnswers = {std::nullopt, Colour(0x00FF00)};
    gradient = chooseGradientColours(dialogs, gradient, stored);
    EXPECT_EQ(stored.start, Colour(0x112233));
    EXPECT_EQ(stored.end, Colour(0x00FF00));
    EXPECT_EQ(gradient.end, Colour(0x00FF00));
}

TEST(SeriesLook, ACheckedEntryNeverLooksLikeAnUncheckedOne) {
    const Colour silver(0xC0C0C0);
    EXPECT_EQ(seriesItemTextColour(true, true, Colour(0x0000FF)), Colour(0xFFFFFF));
    EXPECT_EQ(seriesItemTextColour(false, false, Colour(0x0000FF)), silver);
    EXPECT_EQ(seriesItemTextColour(false, true, Colour(0x0000FF)), Colour(0x0000FF));
    EXPECT_EQ(seriesItemTextColour(false, true, Colour(0x808080)), Colour(0x808080));
    // Silver, and colours close to it, are written darker while checked.
    for (const Colour close : {silver, Colour(0xB0C8C0), Colour(0xD0D0D0)}) {
        const Colour shown = seriesItemTextColour(false, true, close);
        EXPECT_NE(shown, silver);
        EXPECT_LT(shown.red() + shown.green() + shown.blue(), 3 * 0xC0 - 100);
    }
}
