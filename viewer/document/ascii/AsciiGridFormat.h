#pragma once
#include <QString>

#include "GridFormat.h"

// A text format: pairs of a word and a number as its header, the first word containing
// `signature`, then the cells as numbers. A stack's header holds six more pairs, the
// statistics places, the last of them the number of levels - 1, and each cell the values of
// all its levels, level 0 first.
class AsciiTextFormat : public GridFormat {
public:
    constexpr AsciiTextFormat(const char* name, const char* signature, bool stack)
        : name_(name), signature_(signature), stack_(stack) {}

    QString name() const override { return QLatin1String(name_); }
    bool recognises(std::string_view first) const override {
        return signatureHas(first, signature_);
    }
    void load(const GridLoad& load) const override;

private:
    const char* name_;
    const char* signature_;
    bool stack_;
};
