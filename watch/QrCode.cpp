#include "watch/QrCode.h"

#include <memory>

#include <qrencode.h>

namespace ravemo {

std::optional<QrCode> QrCode::encode(const QByteArray& text) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || code->width <= 0) return std::nullopt;
    const auto count =
        static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width);
    std::vector<std::uint8_t> modules(count);
    // libqrencode keeps a module's colour in the lowest bit of its byte.
    for (std::size_t i = 0; i < count; ++i) modules[i] = code->data[i] & 1U;
    return QrCode(code->width, std::move(modules));
}

bool QrCode::dark(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_ || y >= size_) return false;
    return modules_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_) +
                    static_cast<std::size_t>(x)] != 0;
}

QImage QrCode::image(int scale) const {
    const int side = (size_ + 2 * kQuietModules) * scale;
    QImage picture(side, side, QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            if (!dark(x, y)) continue;
            for (int dy = 0; dy < scale; ++dy) {
                uchar* line = picture.scanLine((y + kQuietModules) * scale + dy);
                for (int dx = 0; dx < scale; ++dx) line[(x + kQuietModules) * scale + dx] = 0;
            }
        }
    }
    return picture;
}

QString QrCode::terminalText(bool colours) const {
    QString text;
    const int first = -kQuietModules;
    const int last = size_ + kQuietModules;  // one past
    for (int y = first; y < last; y += 2) {
        for (int x = first; x < last; ++x) {
            const bool top = dark(x, y);
            const bool bottom = y + 1 < last && dark(x, y + 1);
            if (colours) {
                // Upper half block: the foreground paints the top module, the background the
                // bottom one. 30/40 black, 97/107 bright white.
                text +=
                    QStringLiteral("\x1b[%1;%2m\u2580").arg(top ? 30 : 97).arg(bottom ? 40 : 107);
            } else if (!top && !bottom) {
                text += QChar(0x2588);  // full block
            } else if (!top) {
                text += QChar(0x2580);  // upper half
            } else if (!bottom) {
                text += QChar(0x2584);  // lower half
            } else {
                text += u' ';
            }
        }
        if (colours) text += QStringLiteral("\x1b[0m");
        text += u'\n';
    }
    return text;
}

}  // namespace ravemo
