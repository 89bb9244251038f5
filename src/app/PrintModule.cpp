#include "PrintModule.h"

#include "Modules.h"

namespace shell {

using PrintEntriesEntry = const PrintEntries* (*)();

const PrintEntries& printing()
{
    static QLibrary module;
    static const PrintEntries* entries = nullptr;
    if (!entries) {
        const auto entry = reinterpret_cast<PrintEntriesEntry>(moduleEntry(module, QStringLiteral("corvanta-print.so"),
            "corvantaPrintEntries", QStringLiteral("Printing is not available:")));
        entries = entry();
    }
    return *entries;
}

} // namespace shell
