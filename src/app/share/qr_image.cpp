#include "qr_image.h"

#include <memory>
#include <qrencode.h>

namespace dorvane {

QImage qrCodeImage(const QString &text)
{
    constexpr int kMargin = 4;
    const QByteArray bytes = text.toUtf8();
    // Medium error correction: readable on a screen seen at an angle, still small for a link.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return {};
    const int width = code->width;
    QImage image(width + 2 * kMargin, width + 2 * kMargin, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            if (code->data[y * width + x] & 1) // the low bit is the module's colour
                image.setPixel(x + kMargin, y + kMargin, 1);
    return image;
}

} // namespace dorvane
