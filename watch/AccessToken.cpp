#include "watch/AccessToken.h"

#include <array>
#include <cstdint>

#include <QRandomGenerator>

namespace ravemo {

AccessToken AccessToken::generate() {
    std::array<std::uint32_t, kBits / 32> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()),
                           static_cast<qsizetype>(sizeof(words)));
    return AccessToken(QString::fromLatin1(bytes.toHex()));
}

AccessToken AccessToken::fromText(const QString& text) { return AccessToken(text.toLower()); }

bool AccessToken::matches(QStringView candidate) const {
    // A length differs in public anyway (the token's length is documented); past that check
    // every character is compared, whatever came before.
    if (candidate.size() != text_.size() || text_.isEmpty()) return false;
    char16_t difference = 0;
    for (qsizetype i = 0; i < text_.size(); ++i) {
        difference |= static_cast<char16_t>(text_[i].unicode() ^ candidate[i].unicode());
    }
    return difference == 0;
}

}  // namespace ravemo
