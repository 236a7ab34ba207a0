#include "GammaSetting.h"

#include "NumberText.h"

GammaEntry ReadGammaText(const QString& text) {
    const int typed = parseInt(text);
    GammaEntry entry;
    entry.text = text;
    if (typed < 1) {
        entry.text = QStringLiteral("1");
        entry.corrected = true;
    } else if (typed > 100) {
        entry.text = QStringLiteral("100");
        entry.corrected = true;
    }
    entry.position = entry.corrected ? parseInt(entry.text) : typed;
    return entry;
}
