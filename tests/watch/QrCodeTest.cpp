// The QR codes decode back to the page's address with a real decoder (zbar), drawn as a picture
// for the window and as half-block text for the terminal.
#include <gtest/gtest.h>

#include <zbar.h>

#include <QImage>
#include <QStringList>

#include "watch/QrCode.h"

namespace ravemo {
namespace {

using namespace zbar;  // the C interface, declared in this namespace under C++

// Every QR code zbar finds in a grey picture.
QStringList Decode(const QImage& picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < grey.height(); ++y) {
        pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    }
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, static_cast<unsigned>(grey.width()),
                        static_cast<unsigned>(grey.height()));
    zbar_image_set_data(image, pixels.constData(), static_cast<unsigned long>(pixels.size()),
                        nullptr);
    QStringList found;
    if (zbar_scan_image(scanner, image) > 0) {
        for (const zbar_symbol_t* s = zbar_image_first_symbol(image); s != nullptr;
             s = zbar_symbol_next(s)) {
            found << QString::fromUtf8(zbar_symbol_get_data(s));
        }
    }
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return found;
}

// The terminal's picture of the text: each character one module wide and two high; a module is
// dark where the character leaves it unpainted (without colours) or paints it black.
QImage TerminalPicture(const QString& text, bool colours, int scale) {
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    std::vector<std::vector<bool>> rows;
    for (const QString& line : lines) {
        std::vector<bool> top;
        std::vector<bool> bottom;
        if (colours) {
            // "\x1b[F;Bm\u2580": F paints the top half, B the bottom.
            for (const QString& cell : line.split(QStringLiteral("\x1b["), Qt::SkipEmptyParts)) {
                if (!cell.endsWith(QChar(0x2580))) continue;
                const QStringList codes = cell.chopped(2).split(u';');
                top.push_back(codes.value(0) == QStringLiteral("30"));
                bottom.push_back(codes.value(1) == QStringLiteral("40"));
            }
        } else {
            for (const QChar c : line) {
                top.push_back(c == u' ' || c == QChar(0x2584));
                bottom.push_back(c == u' ' || c == QChar(0x2580));
            }
        }
        rows.push_back(top);
        rows.push_back(bottom);
    }
    const int width = static_cast<int>(rows.front().size());
    QImage picture(width * scale, static_cast<int>(rows.size()) * scale, QImage::Format_Grayscale8);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::vector<bool>& row = rows[static_cast<std::size_t>(y / scale)];
            if (row[static_cast<std::size_t>(x / scale)]) picture.setPixel(x, y, 0);
        }
    }
    return picture;
}

TEST(QrCodeTest, EveryDrawingDecodesToThePagesAddress) {
    const QString urls[] = {
        QStringLiteral("http://192.168.1.23:8080/?t=5167523728c9a32a135240ce748b9d0f"),
        QStringLiteral("http://[fd00::2]:65535/?t=00112233445566778899aabbccddeeff"),
    };
    for (const QString& url : urls) {
        const std::optional<QrCode> code = QrCode::encode(url.toUtf8());
        ASSERT_TRUE(code) << url.toStdString();
        EXPECT_EQ(Decode(code->image(4)), QStringList{url});
        // A dark terminal reads the plain text with its light modules as blocks.
        const QImage plain = TerminalPicture(code->terminalText(false), false, 4);
        EXPECT_EQ(Decode(plain), QStringList{url});
        // With colours, dark is black and light white whatever the terminal.
        EXPECT_EQ(Decode(TerminalPicture(code->terminalText(true), true, 4)), QStringList{url});
        // Quiet zone: the picture is light around the code.
        const QImage picture = code->image(1);
        EXPECT_EQ(picture.width(), code->size() + 2 * QrCode::kQuietModules);
        EXPECT_EQ(qGray(picture.pixel(0, 0)), 255);
        EXPECT_EQ(qGray(picture.pixel(QrCode::kQuietModules, QrCode::kQuietModules)), 0);
    }
    EXPECT_FALSE(QrCode::encode(QByteArray(4000, 'x')));
}

}  // namespace
}  // namespace ravemo
