#pragma once
#include <QImage>
#include <QString>

namespace dorvane {

// `text` as a QR code a phone's camera reads: one pixel per module, black on white, with the
// four-module white margin the readers need. A null image when the text is too long for one.
QImage qrCodeImage(const QString &text);

} // namespace dorvane
