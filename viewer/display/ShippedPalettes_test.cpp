// The palettes that come with the suite: the published colour maps sampled at the 21 legend
// classes, read from the files as the viewer reads them, and found from the program's folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <string_view>

#include "PalettePath.h"
#include "Palettes.h"

namespace {

constexpr int Colours = ColorStepCount + 1;

// #RRGGBB as the published maps give their colours, into the viewer's 0x00BBGGRR.
Colour fromHex(std::string_view hex) {
    const auto byte = [&](std::size_t at) {
        return static_cast<std::uint32_t>(std::stoul(std::string(hex.substr(at, 2)), nullptr, 16));
    };
    return Colour(byte(1) | byte(3) << 8 | byte(5) << 16);
}

using Published = std::array<std::string_view, Colours>;

// The 256-entry maps viridis, cividis and magma at entry floor(k / 20 * 256), the last at 255.
const Published viridis = {"#440154", "#471365", "#482475", "#463480", "#414487", "#3b528b",
                           "#355f8d", "#2f6c8e", "#2a788e", "#25848e", "#21918c", "#1e9c89",
                           "#22a884", "#2fb47c", "#44bf70", "#5ec962", "#7ad151", "#9bd93c",
                           "#bddf26", "#dfe318", "#fde725"};
const Published cividis = {"#00224e", "#002b62", "#083370", "#243c6e", "#35456c", "#434e6c",
                           "#4f576c", "#5b606e", "#666970", "#727274", "#7d7c78", "#888578",
                           "#948e77", "#a19975", "#aea371", "#bcae6c", "#c8b866", "#d6c35d",
                           "#e5cf52", "#f3db42", "#fee838"};
const Published magma = {"#000004", "#06051a", "#140e36", "#251255", "#3b0f70", "#51127c",
                         "#641a80", "#782281", "#8c2981", "#a1307e", "#b73779", "#ca3e72",
                         "#de4968", "#ed5a5f", "#f7705c", "#fc8961", "#fe9f6d", "#feb77e",
                         "#fecf92", "#fde7a9", "#fcfdbf"};
// ColorBrewer's eleven-class RdBu from blue to red.
const std::array<std::string_view, 11> rdbu = {"#053061", "#2166ac", "#4393c3", "#92c5de",
                                               "#d1e5f0", "#f7f7f7", "#fddbc7", "#f4a582",
                                               "#d6604d", "#b2182b", "#67001f"};

std::vector<Colour> colours(const Published& published) {
    std::vector<Colour> result;
    for (std::string_view hex : published) result.push_back(fromHex(hex));
    return result;
}

// The diverging map at 21 classes: the eleven colours at the even classes, the channels of
// their neighbours' mean, rounded half up, at the odd ones.
std::vector<Colour> divergingAt21() {
    std::vector<Colour> result;
    for (int k = 0; k < Colours; ++k) {
        const Colour low = fromHex(rdbu[static_cast<std::size_t>(k / 2)]);
        if (k % 2 == 0) {
            result.push_back(low);
            continue;
        }
        const Colour high = fromHex(rdbu[static_cast<std::size_t>(k / 2 + 1)]);
        std::uint32_t value = 0;
        for (int shift : {0, 8, 16}) {
            const std::uint32_t a = low.value >> shift & 0xFF, b = high.value >> shift & 0xFF;
            value |= (a + b + 1) / 2 << shift;
        }
        result.push_back(Colour(value));
    }
    return result;
}

}  // namespace

TEST(ShippedPalettes, AreThePublishedMapsAtTheLegendClassesInFileNameOrder) {
    const std::vector<FoundPalette> shipped =
        ReadShippedPalettes(QStringLiteral(TOLMAR_PALETTE_BUILD_DIR), Colours);
    ASSERT_EQ(shipped.size(), 4u);
    const std::vector<std::pair<QString, std::vector<Colour>>> expected = {
        {"Viridis (perceptual)", colours(viridis)},
        {"Cividis (perceptual, colour-blind safe)", colours(cividis)},
        {"Magma (perceptual)", colours(magma)},
        {"RdBu (diverging blue-white-red)", divergingAt21()},
    };
    for (std::size_t p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE(expected[p].first.toStdString());
        EXPECT_EQ(shipped[p].palette.name, expected[p].first);
        ASSERT_EQ(shipped[p].palette.colours.size(), static_cast<std::size_t>(Colours));
        for (int k = 0; k < Colours; ++k)
            EXPECT_EQ(shipped[p].palette.colours[static_cast<std::size_t>(k)].value,
                      expected[p].second[static_cast<std::size_t>(k)].value)
                << "class " << k;
    }
    // The diverging map is white in its middle class.
    EXPECT_EQ(shipped[3].palette.colours[10].value, 0xF7F7F7u);
}

TEST(ShippedPalettes, AreFoundInstalledBesideTheBinFolderOrAtTheTopOfTheBuildTree) {
    QTemporaryDir top;
    const QDir dir(top.path());
    ASSERT_TRUE(dir.mkpath("bin"));
    const QString program = dir.filePath("bin");
    EXPECT_TRUE(ShippedPaletteFolder(program).isEmpty());
    EXPECT_TRUE(ReadShippedPalettes(ShippedPaletteFolder(program), Colours).empty());

    ASSERT_TRUE(dir.mkpath("palettes"));
    EXPECT_EQ(ShippedPaletteFolder(program), dir.filePath("palettes"));
    ASSERT_TRUE(dir.mkpath("share/tolmar-tools/palettes"));
    EXPECT_EQ(ShippedPaletteFolder(program), dir.filePath("share/tolmar-tools/palettes"));

    // Only whole palettes are offered, in file name order whatever the listing order.
    const QString folder = ShippedPaletteFolder(program);
    const QByteArray colours = QByteArray("FF ").repeated(Colours) + "\n";
    for (const auto& [name, text] : {std::pair{"b.vlp", "Late " + colours},
                                     {"a.vlp", "Early " + colours},
                                     {"c.vlp", QByteArray("Short FF FF\n")}}) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const std::vector<FoundPalette> found = ReadShippedPalettes(folder, Colours);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].palette.name, "Early");
    EXPECT_EQ(found[1].palette.name, "Late");
}
