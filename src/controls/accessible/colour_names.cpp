#include "colour_names.h"

#include "controls/base/platform.h"
#include "controls/input/colour_tables.h"

namespace dorvane::accessible {

QString identifierInWords(const QString &identifier)
{
    const QString bare = identifier.startsWith(QLatin1String("cl")) ? identifier.mid(2) : identifier;
    QString words;
    for (qsizetype i = 0; i < bare.size(); ++i) {
        const QChar c = bare.at(i);
        // A word begins at a capital after a small letter, or at a capital followed by a small
        // letter after another capital ("DDk" is "D Dk").
        if (i > 0 && c.isUpper()) {
            const QChar before = bare.at(i - 1);
            const bool nextSmall = i + 1 < bare.size() && bare.at(i + 1).isLower();
            if (before.isLower() || (before.isUpper() && nextSmall))
                words.append(QLatin1Char(' '));
        }
        words.append(c);
    }
    return words;
}

QString spokenColourName(int colour, const QString &listed, const QPalette &palette)
{
    if (!listed.isEmpty())
        return colourFromIdentifier(listed) ? identifierInWords(listed) : listed;
    if (const QString name = colourNameIn(standardColourTable(), colour); !name.isEmpty())
        return identifierInWords(name);
    return toQColor(colour, palette).name(QColor::HexRgb).toUpper();
}

} // namespace dorvane::accessible
