// Merging one file into another keeps every line of the database and every valid person line
// of the merged file, and leaves a database that saves and loads back the same.
#include <cstdlib>
#include <string>

#include "FuzzDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vitalune;
    if (size == 0) {
        return 0;
    }
    // The first byte tells where the first file ends.
    const std::size_t split = std::min<std::size_t>(size - 1, data[0] * size / 256);
    const std::string first(reinterpret_cast<const char*>(data) + 1, split);
    const std::string second(reinterpret_cast<const char*>(data) + 1 + split, size - 1 - split);

    NamesDatabase database(fuzz::Today());
    database.LoadFromBytes(first);
    const NamesDatabase before = database;
    database.MergeFromBytes(second);
    fuzz::CheckInvariants(database);
    for (std::size_t g = 0; g < before.GroupCount(); ++g) {
        if (database.GroupEntry(g) != before.GroupEntry(g)) {
            std::abort();  // groups keep their place and icon
        }
        for (const std::string_view line : before.Persons(g)) {
            if (!database.Persons(g).Find(line)) {
                std::abort();
            }
        }
    }
    fuzz::CheckHoldsValidLines(database, second, false);
    fuzz::CheckRoundTrip(database);
    return 0;
}
