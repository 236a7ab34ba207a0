#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <charconv>

#include "NumberText.h"
#include "OutputFileDevice.h"

namespace {

// Blanks around names and values; carriage returns and other control blanks count too.
constexpr std::string_view Blanks = " \t\r\n\v\f";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(QChar c) {
    return c.unicode() < 0x80 && Blanks.find(static_cast<char>(c.unicode())) != Blanks.npos;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

// Files written by older tools may hold names and values in an 8-bit code page; such bytes
// are not valid UTF-8 and are read as Latin-1 rather than lost.
QString decoded(const std::string& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) &&
        bytes.find("\xEF\xBF\xBD") == std::string::npos)
        return QString::fromLatin1(bytes);
    return text;
}

// Names as they are compared: without surrounding blanks (the same blanks as in the file)
// and case-folded.
QString folded(const QString& name) {
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && isBlank(name[first])) ++first;
    while (last > first && isBlank(name[last - 1])) --last;
    return name.mid(first, last - first).toCaseFolded();
}

std::string encoded(const QString& text) { return text.toUtf8().toStdString(); }

// Names and values are written on one line, trimmed as they are read back.
std::string oneLine(const QString& text) {
    std::string bytes = encoded(text);
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = ' ';
    return std::string(trimmed(bytes));
}

bool parseInteger(std::string_view text, int& out) {
    text = trimmed(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // Hexadecimal is a 32-bit pattern: 0xFFFFFFFF reads as -1.
        std::uint32_t bits = 0;
        const char* end = text.data() + text.size();
        const auto result = std::from_chars(text.data() + 2, end, bits, 16);
        if (result.ec != std::errc() || result.ptr != end) return false;
        out = static_cast<int>(bits);
        return true;
    }
    return tryParseInt(text, out);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
    bool first = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Carriage returns at the end belong to the line end (also doubled ones, and one
        // before the end of the text).
        if (line.ends_with('\r')) {
            if (first && end != std::string_view::npos) crlf_ = true;
            while (line.ends_with('\r')) line.remove_suffix(1);
        }
        lines_.push_back(parseLine(line, first));
        first = false;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

IniFile::Line IniFile::parseLine(std::string_view text, bool first) {
    Line line;
    line.text = std::string(text);
    if (first && text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    const std::string_view content = trimmed(text);
    if (content.empty() || content.front() == ';') return line;
    if (content.front() == '[') {
        const auto close = content.find(']');
        line.kind = Kind::Section;
        line.name = std::string(trimmed(content.substr(
            1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        line.folded = folded(decoded(line.name));
        return line;
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) return line;
    line.kind = Kind::Key;
    line.name = std::string(trimmed(content.substr(0, equals)));
    line.value = std::string(trimmed(content.substr(equals + 1)));
    line.folded = folded(decoded(line.name));
    return line;
}

IniFile IniFile::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return IniFile();
    if (!info.isFile())
        throw IniFileError(QStringLiteral("Cannot read %1: not a file").arg(path).toStdString());
    if (info.size() > maxFileBytes)
        throw IniFileError(QStringLiteral("Cannot read %1: too large for a settings file")
                               .arg(path)
                               .toStdString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IniFileError(
            QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw IniFileError(
            QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()).toStdString());
    return IniFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void IniFile::save(const QString& path) const {
    const QString reason = writeFileBytes(path, text());
    if (!reason.isEmpty())
        throw IniFileError(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
}

std::string IniFile::text() const {
    const std::string_view lineEnd = crlf_ ? "\r\n" : "\n";
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += lineEnd;
    }
    return out;
}

IniFile::Line IniFile::keyLine(std::string name, const QString& value) {
    Line line;
    line.kind = Kind::Key;
    line.value = oneLine(value);
    line.text = name + "=" + line.value;
    line.folded = folded(decoded(name));
    line.name = std::move(name);
    return line;
}

int IniFile::findSection(const QString& section) const {
    const QString wanted = folded(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && lines_[i].folded == wanted)
            return static_cast<int>(i);
    return -1;
}

int IniFile::sectionEnd(int start) const {
    int i = start + 1;
    while (i < static_cast<int>(lines_.size()) && lines_[i].kind != Kind::Section) ++i;
    return i;
}

int IniFile::findKey(const QString& section, const QString& key) const {
    const int start = findSection(section);
    if (start < 0) return -1;
    const QString wanted = folded(key);
    const int end = sectionEnd(start);
    for (int i = start + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key && lines_[i].folded == wanted) return i;
    return -1;
}

const std::string* IniFile::value(const QString& section, const QString& key) const {
    const int at = findKey(section, key);
    return at < 0 ? nullptr : &lines_[at].value;
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const std::string* text = value(section, key);
    return text ? decoded(*text) : defaultValue;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const std::string* text = value(section, key);
    int result = 0;
    return text && parseInteger(*text, result) ? result : defaultValue;
}

double IniFile::ReadFloat(const QString& section, const QString& key, double defaultValue) const {
    const std::string* text = value(section, key);
    if (!text) return defaultValue;
    std::string number = *text;
    if (number.find('.') == std::string::npos) {
        const auto comma = number.find(',');
        if (comma != std::string::npos) number[comma] = '.';
    }
    double result = 0.0;
    return tryParseDouble(number, result) ? result : defaultValue;
}

std::optional<int> IniFile::integerValue(const QString& text) {
    int result = 0;
    if (!parseInteger(encoded(text), result)) return std::nullopt;
    return result;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const int at = findKey(section, key);
    if (at >= 0) {
        // The key keeps the spelling it has in the file.
        lines_[at] = keyLine(lines_[at].name, value);
        return;
    }
    Line line = keyLine(oneLine(key), value);
    const int start = findSection(section);
    if (start < 0) {
        Line header;
        header.kind = Kind::Section;
        header.name = oneLine(section);
        header.text = "[" + header.name + "]";
        header.folded = folded(decoded(header.name));
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(line));
        return;
    }
    // After the section's last key, so blank lines and comments before the next section
    // stay where they are.
    int place = start + 1;
    for (int i = start + 1; i < sectionEnd(start); ++i)
        if (lines_[i].kind == Kind::Key) place = i + 1;
    lines_.insert(lines_.begin() + place, std::move(line));
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void IniFile::WriteFloat(const QString& section, const QString& key, double value) {
    WriteString(section, key, formatGeneral15(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::SectionExists(const QString& section) const { return findSection(section) >= 0; }

bool IniFile::ValueExists(const QString& section, const QString& key) const {
    return findKey(section, key) >= 0;
}

QStringList IniFile::ReadSection(const QString& section) const {
    QStringList keys;
    const int start = findSection(section);
    if (start < 0) return keys;
    for (int i = start + 1; i < sectionEnd(start); ++i)
        if (lines_[i].kind == Kind::Key) keys.append(decoded(lines_[i].name));
    return keys;
}

QStringList IniFile::ReadSections() const {
    QStringList sections;
    QStringList seen;
    for (const Line& line : lines_) {
        if (line.kind != Kind::Section) continue;
        if (!seen.contains(line.folded)) {
            seen.append(line.folded);
            sections.append(decoded(line.name));
        }
    }
    return sections;
}

void IniFile::EraseSection(const QString& section) {
    const int start = findSection(section);
    if (start < 0) return;
    lines_.erase(lines_.begin() + start, lines_.begin() + sectionEnd(start));
}

void IniFile::DeleteKey(const QString& section, const QString& key) {
    const int at = findKey(section, key);
    if (at >= 0) lines_.erase(lines_.begin() + at);
}
