// The /proc/modules reading of `ravemo-cli doctor` on any text: every name it gives is a whole
// word of the text (non-empty, without blanks), at most one per line.
#include "FuzzCheck.h"
#include "instrument/LoadedModules.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = BytesOf(data, size);
    const QStringList names = LoadedModuleNames(text);
    Require(names.size() <= text.count('\n') + 1, "at most one name per line");
    for (const QString& name : names) {
        Require(!name.isEmpty(), "no empty name");
        Require(name.simplified() == name && !name.contains(QLatin1Char(' ')), "no blank in a name",
                name);
        Require(text.contains(name.toLatin1()), "a name is a word of the text", name);
    }
    return 0;
}
