#include "PaletteFile.h"

#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "OutputFileDevice.h"

namespace {

// Palette files are one short line; anything much larger is not one.
constexpr qint64 MaximumPaletteFileSize = 64 * 1024;

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

struct Word {
    std::size_t begin;
    std::size_t end;
};

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        if (i > begin) words.push_back({begin, i});
    }
    return words;
}

std::optional<Colour> hexColour(std::string_view word) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X'))
        word.remove_prefix(2);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return Colour(value);
}

}  // namespace

QByteArray PaletteFileText(const QString& name, const std::vector<Colour>& colours) {
    QByteArray text = name.toUtf8();
    text += ' ';
    for (const Colour colour : colours) {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, colour.value, 16);
        for (char* c = digits; c != result.ptr; ++c)
            *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
        text.append(digits, result.ptr - digits);
        text += ' ';
    }
    text += '\n';
    return text;
}

std::optional<FilePalette> ReadPaletteFileText(std::string_view text, int colourCount) {
    const std::vector<Word> words = wordsOf(text);
    if (colourCount < 0 || words.size() < static_cast<std::size_t>(colourCount))
        return std::nullopt;
    const std::size_t firstColour = words.size() - static_cast<std::size_t>(colourCount);
    FilePalette palette;
    palette.colours.reserve(static_cast<std::size_t>(colourCount));
    for (std::size_t w = firstColour; w < words.size(); ++w) {
        const auto colour = hexColour(text.substr(words[w].begin, words[w].end - words[w].begin));
        if (!colour) return std::nullopt;
        palette.colours.push_back(*colour);
    }
    if (firstColour > 0) {
        const std::size_t begin = words.front().begin;
        const std::size_t end = words[firstColour - 1].end;
        palette.name = QString::fromUtf8(text.data() + begin, static_cast<qsizetype>(end - begin));
    }
    return palette;
}

std::optional<FilePalette> ReadPaletteFile(const QString& path, int colourCount) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray text = file.read(MaximumPaletteFileSize + 1);
    if (text.size() > MaximumPaletteFileSize) return std::nullopt;
    return ReadPaletteFileText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), colourCount);
}

QString WritePaletteFile(const QString& path, const QString& name,
                         const std::vector<Colour>& colours) {
    return writeFileBytes(path, PaletteFileText(name, colours));
}
