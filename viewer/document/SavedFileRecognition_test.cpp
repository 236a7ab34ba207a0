#include "SavedFileRecognition.h"

#include <gtest/gtest.h>

#include "GridRecognition.h"
#include "TestGridFiles.h"

// The rule must agree with what loading the written file gives.
TEST(SavedFileRecognition, BinaryFilesWithAnotherNodataValueAreNotRecognised) {
    TestFolder folder;
    GridDocument doc;
    loadGrid(doc, folder.write("g.asc", "ncols 2\nnrows 1\nx 0\ny 0\nc 1\nn -9999\n1.5 -9999"));
    struct Case {
        GridOutputFormat format;
        double nodata;
        bool recognised;
    };
    const Case cases[] = {
        {GridOutputFormat::Ascii, -1, true},
        {GridOutputFormat::Ascii, std::nan(""), true},
        {GridOutputFormat::Double, -9999, true},
        {GridOutputFormat::Double, -1, false},
        {GridOutputFormat::Double, -9999.000001, false},
        {GridOutputFormat::Single, -9999, true},
        {GridOutputFormat::Single, -9999.0001, true},  // the same float
        {GridOutputFormat::Single, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.format) << " " << c.nodata);
        EXPECT_EQ(savedFileIsRecognised(doc, c.nodata, c.format), c.recognised);
        const auto question = unrecognisedSaveQuestion(doc, "out.flt", c.nodata, c.format);
        EXPECT_EQ(question.has_value(), !c.recognised);
        if (!std::isfinite(c.nodata)) continue;
        WriteGridAs(folder.path("out"), doc, c.nodata, c.format);
        GridDocument back;
        if (c.recognised) {
            EXPECT_NO_THROW(loadGrid(back, folder.path("out")));
            EXPECT_EQ(back.Format, c.format == GridOutputFormat::Ascii ? GridFileFormat::AsciiGrid
                                     : c.format == GridOutputFormat::Double
                                         ? GridFileFormat::DoubleGrid
                                         : GridFileFormat::SingleGrid);
        } else {
            EXPECT_THROW(loadGrid(back, folder.path("out")), GridFormatError);
        }
    }
    const auto question =
        unrecognisedSaveQuestion(doc, "/tmp/out.flt", -1, GridOutputFormat::Single);
    ASSERT_TRUE(question);
    EXPECT_EQ(*question,
              "\"/tmp/out.flt\" is written as a single precision grid with the nodata value -1.\n"
              "Binary grids are only recognised with the nodata value -9999, so this file will "
              "not be recognised when loaded again.\nSave it anyway?");
    EXPECT_EQ(unrecognisedSaveCaption, "Save grid");
}
