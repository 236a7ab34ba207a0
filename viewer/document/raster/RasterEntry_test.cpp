#include "RasterEntry.h"

#include <gtest/gtest.h>

#include "GridFormatError.h"

namespace {

QString refusal(const QString& entry) {
    try {
        splitRasterEntry(entry);
    } catch (const GridFormatError& error) {
        EXPECT_EQ(error.kind(), GridFormatError::Kind::Format);
        return error.text();
    }
    return {};
}

}  // namespace

TEST(RasterEntry, PlainPathsReadBandOneAndTheSelectorNamesAnother) {
    for (const QString plain : {"/data/dem.tif", "<band>2", "/a>b<c", "/a/b.tif<band"}) {
        const RasterEntry entry = splitRasterEntry(plain);
        EXPECT_EQ(entry.path, plain);
        EXPECT_EQ(entry.band, 1);
    }
    const RasterEntry second = splitRasterEntry("/data/d\u00e4ten.tif<band>2");
    EXPECT_EQ(second.path, "/data/d\u00e4ten.tif");
    EXPECT_EQ(second.band, 2);
    EXPECT_EQ(splitRasterEntry("x.tif<band>0012").band, 12);
}

TEST(RasterEntry, OtherSelectorsAndBandNumbersAreRefusedByName) {
    EXPECT_EQ(refusal("x.tif<var>2"),
              "\"x.tif<var>2\": <var> is not a selector of rasters. A raster's selector is "
              "<band>N, with N the band's number from 1.");
    // Only a whole number from 1 that fits, and nothing after it.
    for (const QString number : {"", "0", "-1", "+2", " 2", "2 ", "2x", "1.5", "99999999999"}) {
        const QString text = refusal("x.tif<band>" + number);
        EXPECT_TRUE(text.contains("\"" + number + "\" is not a band number."))
            << text.toStdString();
    }
    EXPECT_FALSE(refusal("x.tif<Band>1").isEmpty());
}
