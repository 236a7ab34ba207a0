#pragma once
#include <QColor>
#include <cstdint>

// A colour as stored in palettes, legend boxes and palette files: 0x00BBGGRR,
// red in the lowest byte.
struct Colour {
    std::uint32_t value = 0;

    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t bgr) : value(bgr & 0x00FFFFFFu) {}

    static constexpr Colour fromRgb(int red, int green, int blue) {
        return Colour(static_cast<std::uint32_t>(blue & 0xFF) << 16 |
                      static_cast<std::uint32_t>(green & 0xFF) << 8 |
                      static_cast<std::uint32_t>(red & 0xFF));
    }
    constexpr int red() const { return static_cast<int>(value & 0xFF); }
    constexpr int green() const { return static_cast<int>((value >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((value >> 16) & 0xFF); }

    // The same colour as a 0xAARRGGBB pixel of an RGB32 image.
    constexpr std::uint32_t argb() const {
        return 0xFF000000u | static_cast<std::uint32_t>(red()) << 16 |
               static_cast<std::uint32_t>(green()) << 8 | static_cast<std::uint32_t>(blue());
    }
    QColor toQColor() const { return QColor(red(), green(), blue()); }
    static Colour fromQColor(const QColor& c) { return fromRgb(c.red(), c.green(), c.blue()); }

    friend constexpr bool operator==(Colour, Colour) = default;
};
