#include "GridDocument.h"

#include <gtest/gtest.h>

TEST(GridDocument, StackLevelEditsGoIntoTheLevel) {
    GridDocument doc;
    for (int k = 0; k < 3; ++k) doc.Levels.push_back(std::make_unique<GridRows>(2, 3, k));
    doc.IsStack = true;
    doc.LevelCount = 3;
    doc.showLevel(2);
    doc.Values->at(1, 2) = 42;
    EXPECT_EQ(doc.Levels[2]->at(1, 2), 42);
    EXPECT_EQ(doc.Levels[1]->at(1, 2), 1);
    doc.showLevel(7);  // out of range: the shown level stays
    EXPECT_EQ(doc.Values, doc.Levels[2].get());
}

TEST(GridDocument, ReleaseEmptiesPlainAndStackedDocuments) {
    GridDocument doc;
    doc.releaseValues();  // nothing loaded: fine
    EXPECT_FALSE(doc.hasValues());
    doc.setOwnValues(std::make_unique<GridRows>(1, 1, 5.0));
    ASSERT_TRUE(doc.hasValues());
    EXPECT_EQ(doc.Values->at(0, 0), 5.0);
    doc.releaseValues();
    EXPECT_FALSE(doc.hasValues());
    EXPECT_EQ(doc.ownValues, nullptr);

    std::unique_ptr<GridRows> rows = std::make_unique<GridRows>(2, 2, 0.0);
    FreeGridRows(rows);
    EXPECT_EQ(rows, nullptr);
    FreeGridRows(rows);  // a null level is fine
}

TEST(GridDocument, FormatAndItsName) {
    GridDocument doc;
    EXPECT_EQ(doc.Format, GridFileFormat::Unrecognised);
    EXPECT_EQ(formatName(doc.Format), "not recognized");
    EXPECT_EQ(formatName(GridFileFormat::AsciiGrid), "Grid (ASCII)");
    EXPECT_EQ(formatName(GridFileFormat::AsciiStack), "Stack (ASCII)");
    EXPECT_EQ(formatName(GridFileFormat::DoubleGrid), "Grid (double prec.)");
    EXPECT_EQ(formatName(GridFileFormat::SingleGrid), "Grid (single prec.)");
}
