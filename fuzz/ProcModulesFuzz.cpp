// The /proc/modules reading of `ravemo-cli doctor` on any text: every name it gives is a whole
// word of the text (non-empty, without ASCII blanks), at most one per line.
#include <algorithm>

#include "FuzzCheck.h"
#include "instrument/LoadedModules.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text = BytesOf(data, size);
    const QStringList names = LoadedModuleNames(text);
    Require(names.size() <= text.count('\n') + 1, "at most one name per line");
    for (const QString& name : names) {
        Require(!name.isEmpty(), "no empty name");
        // The kernel separates the fields with ASCII blanks; other bytes may belong to a name.
        const QByteArray bytes = name.toLatin1();
        Require(std::none_of(bytes.begin(), bytes.end(),
                             [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }),
                "no blank in a name", name);
        Require(text.contains(name.toLatin1()), "a name is a word of the text", name);
    }
    return 0;
}
