// Feeds arbitrary bytes to the palette file reader. It either refuses them or returns exactly
// the asked number of colours, each a 0x00BBGGRR value, and a name that writes and reads back
// to the same palette.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzSeeds.h"
#include "PaletteFile.h"

namespace {

constexpr int Colours = 21;

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    writeSeedsWhenAsked(*argc, *argv, [] {
        QByteArray plain = "Default ";
        QByteArray spaced = "wet  to\tdry\r\n";
        for (int i = 0; i < Colours; ++i) {
            plain += QByteArray::number(0x10101 * i, 16).toUpper() + ' ';
            spaced += "0x" + QByteArray::number(i, 16) + "\r\n";
        }
        return FuzzSeeds{{"plain", plain + '\n'}, {"spaced", spaced}, {"short", "short FF 0 \n"}};
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto palette = ReadPaletteFileText(text, Colours);
    if (!palette) return 0;
    check(palette->colours.size() == Colours);
    for (const Colour colour : palette->colours) check(colour.value <= 0xFFFFFFu);
    const QByteArray written = PaletteFileText(palette->name, palette->colours);
    const auto again = ReadPaletteFileText(
        std::string_view(written.constData(), static_cast<std::size_t>(written.size())), Colours);
    check(again && again->colours == palette->colours);
    return 0;
}
