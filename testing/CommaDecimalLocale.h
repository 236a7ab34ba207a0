#pragma once
#include <QLocale>
#include <clocale>
#include <string>

// Switches the C locale and Qt's default locale to German (a comma as decimal separator) for
// the life of the object, as a user's environment with LANG=de_DE.UTF-8 does.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() {
        if (const char* current = std::setlocale(LC_ALL, nullptr)) previous_ = current;
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        if (active_) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~CommaDecimalLocale() {
        std::setlocale(LC_ALL, previous_.c_str());
        QLocale::setDefault(previousDefault_);
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string previous_ = "C";
    QLocale previousDefault_;
    bool active_ = false;
};

// Skips the running GoogleTest test when the locale is not installed.
#define SKIP_WITHOUT_COMMA_LOCALE(locale)                                                      \
    if (!(locale).active())                                                                    \
    GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed; scripts/install-deps generates " \
                    "it"
