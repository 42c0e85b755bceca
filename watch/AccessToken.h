#pragma once

#include <QByteArray>
#include <QString>

namespace ravemo {

// The secret every request to the phone page must carry: 128 bits from the system's
// cryptographic generator as 32 lower-case hex digits, new at each start of the server.
class AccessToken {
  public:
    static constexpr int kBits = 128;
    static constexpr int kTextLength = kBits / 4;

    // A fresh token from QRandomGenerator::system().
    static AccessToken generate();
    // Tests need a known token; `text` must be kTextLength hex digits.
    static AccessToken fromText(const QString& text);

    const QString& text() const { return text_; }

    // Whether `candidate` is the token. The time taken does not depend on where the first
    // difference lies, so that the token cannot be guessed a digit at a time by timing.
    bool matches(QStringView candidate) const;

  private:
    explicit AccessToken(QString text) : text_(std::move(text)) {}
    QString text_;
};

}  // namespace ravemo
