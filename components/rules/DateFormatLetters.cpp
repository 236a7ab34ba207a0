#include "DateFormatLetters.h"

namespace {

// Literal text, quoted where Qt would read it as a format letter. All literal text between
// two format letters goes out as one piece, so that two quoted pieces never touch (Qt
// would read the quotes between them as a quote character).
class Literal {
public:
    void add(const QString& text) { pending_ += text; }
    void flushInto(QString& out) {
        bool needsQuotes = false;
        for (QChar c : pending_)
            if (c.isLetter() || c == u'\'') needsQuotes = true;
        if (!needsQuotes) {
            out += pending_;
        } else {
            out += u'\'';
            for (QChar c : pending_) out += (c == u'\'') ? QStringLiteral("''") : QString(c);
            out += u'\'';
        }
        pending_.clear();
    }

private:
    QString pending_;
};

}  // namespace

QString qtDateTimeFormat(const QString& toolkitFormat) {
    QString out;
    Literal literal;
    bool afterHour = false;
    int i = 0;
    const int n = toolkitFormat.size();
    while (i < n) {
        const QChar c = toolkitFormat[i];
        if (c == u'"' || c == u'\'') {
            const int close = toolkitFormat.indexOf(c, i + 1);
            const int end = close < 0 ? n : close;
            literal.add(toolkitFormat.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (!c.isLetter()) {
            literal.add(QString(c));
            ++i;
            continue;
        }
        const QChar letter = c.toLower();
        int run = 1;
        while (i + run < n && toolkitFormat[i + run].toLower() == letter) ++run;
        i += run;
        if (letter != u'y' && letter != u'm' && letter != u'd' && letter != u'h' &&
            letter != u'n' && letter != u's' && letter != u'z') {
            literal.add(QString(run, c));
            continue;
        }
        literal.flushInto(out);
        if (letter == u'y') {
            out += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else if (letter == u'm' && afterHour && run <= 2) {
            out += QString(run, u'm');
        } else if (letter == u'm') {
            out += QString(std::min(run, 4), u'M');
        } else if (letter == u'd') {
            out += QString(std::min(run, 4), u'd');
        } else if (letter == u'h') {
            out += QString(std::min(run, 2), u'H');
        } else if (letter == u'n') {
            out += QString(std::min(run, 2), u'm');
        } else if (letter == u's') {
            out += QString(std::min(run, 2), u's');
        } else {
            out += run >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
        }
        afterHour = (letter == u'h');
    }
    literal.flushInto(out);
    return out;
}
