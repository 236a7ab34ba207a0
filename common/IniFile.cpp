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

// Notes `value` under `key` unless the key is there already: the first of a name counts.
template <class Value>
void keepFirst(QHash<QString, Value>& hash, const QString& key, const Value& value) {
    if (!hash.contains(key)) hash.insert(key, value);
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
        append(parseLine(line, first));
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

IniFile::IniFile(const IniFile& other) : crlf_(other.crlf_) {
    // The indexes hold positions in the lists, so a copy is built line by line.
    for (const Section& section : other.sections_) {
        if (section.header) append(*section.header);
        for (const Line& line : section.body) append(line);
    }
}

IniFile& IniFile::operator=(const IniFile& other) {
    if (this != &other) *this = IniFile(other);
    return *this;
}

void IniFile::append(Line line) {
    if (sections_.empty()) sections_.emplace_back();  // left empty by a move
    if (line.kind == Kind::Section) {
        Section& section = sections_.emplace_back();
        const QString name = line.folded;
        section.header = std::move(line);
        keepFirst(index_, name, std::prev(sections_.end()));
        return;
    }
    Section& section = sections_.back();
    const Kind kind = line.kind;
    section.body.push_back(std::move(line));
    if (kind == Kind::Key) noteKey(section, std::prev(section.body.end()));
}

void IniFile::noteKey(Section& section, LineList::iterator line) {
    keepFirst(section.keys, line->folded, line);
    section.lastKey = line;
}

std::string IniFile::text() const {
    const std::string_view lineEnd = crlf_ ? "\r\n" : "\n";
    std::string out;
    for (const Section& section : sections_) {
        if (section.header) {
            out += section.header->text;
            out += lineEnd;
        }
        for (const Line& line : section.body) {
            out += line.text;
            out += lineEnd;
        }
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

const IniFile::Section* IniFile::findSection(const QString& section) const {
    const auto found = index_.constFind(folded(section));
    return found == index_.constEnd() ? nullptr : &*found.value();
}

IniFile::Section* IniFile::findSection(const QString& section) {
    const auto found = index_.constFind(folded(section));
    return found == index_.constEnd() ? nullptr : &*found.value();
}

const std::string* IniFile::value(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    if (!found) return nullptr;
    const auto line = found->keys.constFind(folded(key));
    return line == found->keys.constEnd() ? nullptr : &line.value()->value;
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
    Section* found = findSection(section);
    if (!found) {
        Line header;
        header.kind = Kind::Section;
        header.name = oneLine(section);
        header.text = "[" + header.name + "]";
        header.folded = folded(decoded(header.name));
        append(std::move(header));
        append(keyLine(oneLine(key), value));
        return;
    }
    const auto existing = found->keys.constFind(folded(key));
    if (existing != found->keys.constEnd()) {
        // The key keeps the spelling it has in the file.
        Line& line = *existing.value();
        line = keyLine(line.name, value);
        return;
    }
    // After the section's last key, so blank lines and comments before the next section
    // stay where they are.
    const LineList::iterator place =
        found->lastKey ? std::next(*found->lastKey) : found->body.begin();
    noteKey(*found, found->body.insert(place, keyLine(oneLine(key), value)));
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

bool IniFile::SectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::ValueExists(const QString& section, const QString& key) const {
    return value(section, key) != nullptr;
}

QStringList IniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* found = findSection(section))
        for (const Line& line : found->body)
            if (line.kind == Kind::Key) keys.append(decoded(line.name));
    return keys;
}

QStringList IniFile::ReadSections() const {
    QStringList sections;
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        // Each name once: where its first section stands.
        if (it->header && index_.value(it->header->folded) == it)
            sections.append(decoded(it->header->name));
    }
    return sections;
}

void IniFile::EraseSection(const QString& section) {
    const QString name = folded(section);
    const auto found = index_.constFind(name);
    if (found == index_.constEnd()) return;
    const SectionList::iterator next = sections_.erase(found.value());
    index_.remove(name);
    // A later section of the same name now comes first.
    for (auto it = next; it != sections_.end(); ++it) {
        if (it->header && it->header->folded == name) {
            index_.insert(name, it);
            break;
        }
    }
}

void IniFile::DeleteKey(const QString& section, const QString& key) {
    Section* found = findSection(section);
    if (!found) return;
    const QString name = folded(key);
    const auto line = found->keys.constFind(name);
    if (line == found->keys.constEnd()) return;
    found->body.erase(line.value());
    // A later key of the same name now counts, and the last key may have changed.
    found->keys.remove(name);
    found->lastKey.reset();
    for (auto it = found->body.begin(); it != found->body.end(); ++it) {
        if (it->kind != Kind::Key) continue;
        if (it->folded == name) keepFirst(found->keys, name, it);
        found->lastKey = it;
    }
}
