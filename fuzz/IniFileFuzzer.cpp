// Feeds arbitrary bytes to the INI file class as the text of a settings file. Whatever the
// bytes: the text it would save reads back to the same text; every section and key it lists
// can be found again; reading numbers never fails; writing a key changes that key and
// nothing else that can be read.
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "IniFile.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

const QString Absent = QStringLiteral("\x01absent");

// Every section with every key and the value that reading it gives.
QStringList everything(const IniFile& ini) {
    QStringList all;
    for (const QString& section : ini.ReadSections()) {
        check(ini.SectionExists(section));
        for (const QString& key : ini.ReadSection(section)) {
            check(ini.ValueExists(section, key));
            const QString value = ini.ReadString(section, key, Absent);
            check(value != Absent);
            all.append(section.toCaseFolded() + "/" + key.toCaseFolded() + "=" + value);
            const double number = ini.ReadFloat(section, key, -9999.0);
            check(std::isfinite(number));
            ini.ReadInteger(section, key, 0);
        }
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini(bytes);
    const std::string text = ini.text();
    check(IniFile(text).text() == text);
    const QStringList before = everything(ini);
    check(everything(IniFile(text)) == before);

    const QStringList sections = ini.ReadSections();
    const QString section = sections.isEmpty() ? QStringLiteral("Chart") : sections.front();
    const bool hadKey = ini.ValueExists(section, "NumFiles");
    ini.WriteInteger(section, "NumFiles", 0x20000000);
    ini.WriteFloat("FuzzNew", "XAxisMin", 36526.25);
    check(ini.ReadInteger(section, "numfiles", 0) == 0x20000000);
    check(ini.ReadFloat("fuzznew", "xaxismin", 0.0) == 36526.25);

    // Apart from the written keys, everything reads as before.
    QStringList after = everything(ini);
    QStringList expected = before;
    expected.removeIf([&](const QString& entry) {
        return entry.startsWith(section.toCaseFolded() + "/numfiles=") ||
               entry.startsWith(QStringLiteral("fuzznew/"));
    });
    after.removeIf([&](const QString& entry) {
        return entry.startsWith(section.toCaseFolded() + "/numfiles=") ||
               entry.startsWith(QStringLiteral("fuzznew/"));
    });
    check(after == expected);
    if (!hadKey)
        check(ini.ReadSection(section).size() == IniFile(text).ReadSection(section).size() + 1);
    return 0;
}
