#pragma once
#include <QPalette>
#include <QString>

namespace dorvane::accessible {

// A colour identifier as words: "clMoneyGreen" is "Money Green", "cl3DDkShadow" is "3D Dk Shadow".
QString identifierInWords(const QString &identifier);

// How a screen reader says a colour: the text a colour list gives it (an identifier in words),
// else the name of the colour in the prepared list, else its red, green and blue as "#RRGGBB".
QString spokenColourName(int colour, const QString &listed, const QPalette &palette);

} // namespace dorvane::accessible
