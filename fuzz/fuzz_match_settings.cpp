// Whatever the settings store holds under "BioMatch", the matching criteria read from it are
// in range, survive a save and load, and give a result list of the right shape on a small
// database: headers, persons that pass every filter, a separator after each group, or the one
// "Nobody found" line.
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "FuzzMatching.h"
#include "core/matching/MatchSettings.h"
#include "core/settings/MemorySettingsStore.h"

namespace {

using namespace vitalune;

constexpr std::string_view kNames[] = {"Group2", "Sex",      "AgeBegin",   "AgeEnd",
                                       "OvBox",  "PhBox",    "EmBox",      "InBox",
                                       "SortBy", "AgeCheck", "ExactSearch"};

using fuzz::Check;
using Input = fuzz::FuzzInput;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    Input in(data, size);
    MemorySettingsStore store;
    fuzz::FillSettings(in, store, kMatchSettingsKey, kNames, 20);
    MatchCriteria criteria;
    criteria.currentYear = 2030;
    LoadMatchSettings(store, criteria);
    fuzz::CheckCriteria(criteria);

    MemorySettingsStore again;
    Check(SaveMatchSettings(again, criteria));
    MatchCriteria reloaded;
    reloaded.currentYear = 2030;
    LoadMatchSettings(again, reloaded);
    Check(reloaded == criteria);

    const NamesDatabase& db = fuzz::Database();
    FitSearchGroup(criteria, db.GroupCount());
    Check(static_cast<std::size_t>(criteria.searchItem) <= db.GroupCount());
    criteria.baseGroup = in.Byte() % 4;  // one past the groups too
    criteria.basePerson = in.Byte() % 8;
    fuzz::CheckResult(criteria, RunMatching(criteria, db));
    return 0;
}
