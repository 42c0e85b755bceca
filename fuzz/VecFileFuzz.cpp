// The sweep-file decoder. Round trip: bytes that decode encode back to the very same bytes, so
// loading and saving a file never changes it. The point count comes from the size, as the
// command-line tool's convert takes it.
#include "FuzzCheck.h"
#include "files/VecFile.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    const std::optional<std::int32_t> champ = ChampOfVecFileSize(bytes.size());
    if (!champ) {
        // The window decodes with its own Champ whatever the size: a mismatch is refused.
        const VecDecodeResult refused = DecodeVecFile(bytes, 1);
        Require(!refused.contents && !refused.error.isEmpty(), "a size that fits no Champ");
        return 0;
    }
    const VecDecodeResult decoded = DecodeVecFile(bytes, *champ);
    if (!decoded.contents) {
        Require(!decoded.error.isEmpty(), "a refusal says why");
        return 0;
    }
    Require(decoded.contents->data.champ() == *champ, "the decoded arrays span 0..Champ");
    const QByteArray encoded = EncodeVecFile(decoded.contents->data, decoded.contents->limits);
    Require(encoded == bytes, "decode then encode gives the same bytes",
            QStringLiteral("%1 bytes in, %2 out").arg(bytes.size()).arg(encoded.size()));
    const VecDecodeResult otherChamp = DecodeVecFile(bytes, *champ + 1);
    Require(!otherChamp.contents, "a file of another Champ is refused");
    return 0;
}
