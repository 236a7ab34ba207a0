#pragma once
// A Windows INI file held in memory: "[Section]" lines, then "Key=Value" lines.
//
// The text is kept line by line as it was read, so that rewriting a file changes only the
// keys that were written: sections and keys stay in file order, a written key replaces its
// line in place, a new key goes after the last key of its section and a new section at the
// end, and comment lines (";"), blank lines, unknown keys and unknown sections stay as they
// were. Section and key names are compared without regard to case; the first section and
// the first key of a name count. Blanks around names and values are ignored; there is no
// quoting or escaping. Files with CR LF line ends are rewritten with CR LF.
//
// Sections and keys are found through indexes, so reading and writing a file take time in
// proportion to its size, however many sections and lines it has.
//
// Numbers are written with a dot whatever the locale, since settings files move between
// machines; when read, a comma is taken as well.
#include <QHash>
#include <QString>
#include <QStringList>
#include <list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A settings file that cannot be read or written; what() holds the file name and the
// operating system's reason.
class IniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    IniFile() = default;
    IniFile(const IniFile& other);
    IniFile& operator=(const IniFile& other);
    IniFile(IniFile&& other) noexcept = default;
    IniFile& operator=(IniFile&& other) noexcept = default;
    // Parses the text of a file (UTF-8; lines in another 8-bit encoding are read as Latin-1).
    explicit IniFile(std::string_view text);

    // Reads the file. A file that does not exist gives an empty IniFile; one that exists
    // but cannot be read (a folder, no permission, larger than maxFileBytes) throws.
    static IniFile load(const QString& path);
    static constexpr long long maxFileBytes = 16LL * 1024 * 1024;

    // Writes the whole text to a temporary file beside `path` and renames it over `path`
    // only when it is complete, so the old file stays intact on any failure (a link is
    // followed, a pipe or device written into; see OutputFile). Throws IniFileError with the
    // reason.
    void save(const QString& path) const;

    // The text as it would be saved.
    std::string text() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Decimal, or hexadecimal after "0x"/"0X"; any other text, and a missing key, give the
    // default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // A dot or a comma as the decimal separator; unreadable text gives the default.
    double ReadFloat(const QString& section, const QString& key, double defaultValue) const;
    // Read as an integer; any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Line breaks in a value would start new lines of the file; they are written as blanks.
    // Names are written as given: a key holding "=" or starting with ";" or "[" does not
    // read back.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    // Up to 15 significant digits, always with a dot.
    void WriteFloat(const QString& section, const QString& key, double value);
    // "1" or "0".
    void WriteBool(const QString& section, const QString& key, bool value);

    // The integer that ReadInteger reads from a value text; nullopt for unreadable text.
    static std::optional<int> integerValue(const QString& text);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // The key names of a section in file order.
    QStringList ReadSection(const QString& section) const;
    // The section names in file order (each name once).
    QStringList ReadSections() const;
    // Removes the first section of that name with all its lines.
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;   // the line as read or written, without its line end
        std::string name;   // section or key name, trimmed
        std::string value;  // key value, trimmed
        QString folded;     // the name as compared: decoded and case-folded
    };
    using LineList = std::list<Line>;
    // A section header with the lines up to the next header. The lines before the first
    // header form a section without a header, which no name finds.
    struct Section {
        std::optional<Line> header;
        LineList body;
        // The first key line of each name, and the last key line (where new keys go after).
        QHash<QString, LineList::iterator> keys;
        std::optional<LineList::iterator> lastKey;
    };
    using SectionList = std::list<Section>;

    static Line parseLine(std::string_view text, bool first);
    static Line keyLine(std::string name, const QString& value);
    // Appends a line at the end of the text: a header opens a new section.
    void append(Line line);
    // Notes a key line of `section` that lies after all its other lines.
    static void noteKey(Section& section, LineList::iterator line);
    // The first section of that name; null when there is none.
    const Section* findSection(const QString& section) const;
    Section* findSection(const QString& section);
    const std::string* value(const QString& section, const QString& key) const;

    // Sections in file order; the first one holds the lines before the first header. Lists,
    // so that the positions held in the indexes stay valid while lines come and go.
    SectionList sections_{Section{}};
    // The first section of each name.
    QHash<QString, SectionList::iterator> index_;
    bool crlf_ = false;
};
