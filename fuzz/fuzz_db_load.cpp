// Loading arbitrary bytes never crashes, keeps every valid person line of every group, keeps
// the lists sorted and without equal lines, and what it saves loads back the same.
#include <cstdlib>
#include <string>

#include "FuzzDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vitalune;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    NamesDatabase database(fuzz::Today());
    database.LoadFromBytes(bytes);
    fuzz::CheckInvariants(database);
    fuzz::CheckHoldsValidLines(database, bytes, true);
    fuzz::CheckRoundTrip(database);
    return 0;
}
