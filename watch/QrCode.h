#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ravemo {

// A QR code's modules (libqrencode, error correction level M, 8-bit mode), row by row.
class QrCode {
  public:
    // None when the text does not fit a QR code (some 2300 bytes at level M).
    static std::optional<QrCode> encode(const QByteArray& text);

    int size() const { return size_; }  // modules per side, quiet zone not included
    bool dark(int x, int y) const;      // false outside the code (the quiet zone)

    // Black modules on white, `scale` pixels a module, with the quiet zone of 4 modules.
    QImage image(int scale) const;
    // For a terminal: two rows of modules a line in half-block characters, with the quiet
    // zone. With `colours`, ANSI colours paint dark modules black and light ones white on any
    // terminal; without, light modules are drawn as blocks, for a dark terminal.
    QString terminalText(bool colours) const;

    static constexpr int kQuietModules = 4;

  private:
    QrCode(int size, std::vector<std::uint8_t> modules)
        : size_(size), modules_(std::move(modules)) {}
    int size_ = 0;
    std::vector<std::uint8_t> modules_;
};

}  // namespace ravemo
