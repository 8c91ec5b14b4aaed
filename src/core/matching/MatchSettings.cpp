#include "core/matching/MatchSettings.h"

#include <array>
#include <optional>

#include "core/settings/SettingsStore.h"

namespace vitalune {

namespace {

constexpr std::string_view kKey = kMatchSettingsKey;

// The item index kept under `name`, or the default when it lies outside 0..count-1.
int Item(std::int32_t stored, int count, int fallback) {
    return stored >= 0 && stored < count ? stored : fallback;
}

struct Stored {
    std::int32_t group2, sex, ageBegin, ageEnd, ovBox, sortBy;
    std::array<std::int32_t, 3> boxes;
    bool ageCheck, exact;
};

std::optional<Stored> ReadAll(const SettingsStore& store) {
    if (!store.HasKey(kKey)) {
        return std::nullopt;
    }
    const auto group2 = ReadInt(store, kKey, "Group2");
    const auto sex = ReadInt(store, kKey, "Sex");
    const auto ageBegin = ReadInt(store, kKey, "AgeBegin");
    const auto ageEnd = ReadInt(store, kKey, "AgeEnd");
    const auto ovBox = ReadInt(store, kKey, "OvBox");
    const auto phBox = ReadInt(store, kKey, "PhBox");
    const auto emBox = ReadInt(store, kKey, "EmBox");
    const auto inBox = ReadInt(store, kKey, "InBox");
    const auto sortBy = ReadInt(store, kKey, "SortBy");
    const auto ageCheck = ReadBool(store, kKey, "AgeCheck");
    const auto exact = ReadBool(store, kKey, "ExactSearch");
    if (!group2 || !sex || !ageBegin || !ageEnd || !ovBox || !phBox || !emBox || !inBox ||
        !sortBy || !ageCheck || !exact) {
        return std::nullopt;
    }
    return Stored{*group2,   *sex,  *ageBegin, *ageEnd, *ovBox, *sortBy, {*phBox, *emBox, *inBox},
                  *ageCheck, *exact};
}

}  // namespace

void ResetMatchSettings(MatchCriteria& criteria) {
    const MatchCriteria defaults;
    criteria.searchItem = defaults.searchItem;
    criteria.sex = defaults.sex;
    criteria.ageCheck = defaults.ageCheck;
    criteria.ageBegin = defaults.ageBegin;
    criteria.ageEnd = defaults.ageEnd;
    ApplyPattern(criteria, kIdealMatchPattern);
    criteria.exact = defaults.exact;
    criteria.sort = defaults.sort;
}

void LoadMatchSettings(const SettingsStore& store, MatchCriteria& criteria) {
    ResetMatchSettings(criteria);
    const std::optional<Stored> stored = ReadAll(store);
    if (!stored) {
        return;
    }
    const MatchCriteria defaults;
    // The group list's length is known only with a database; FitSearchGroup checks the top.
    criteria.searchItem = stored->group2 >= 0 ? stored->group2 : defaults.searchItem;
    criteria.sex =
        static_cast<SexFilter>(Item(stored->sex, kSexItemCount, static_cast<int>(defaults.sex)));
    criteria.ageCheck = stored->ageCheck;
    criteria.ageBegin = Item(stored->ageBegin, kAgeItemCount, defaults.ageBegin);
    criteria.ageEnd = Item(stored->ageEnd, kAgeItemCount, defaults.ageEnd);
    ChooseAgeBegin(criteria, criteria.ageBegin);
    criteria.pattern = Item(stored->ovBox, kPatternCount, defaults.pattern);
    // The boxes are kept as they were left, which need not be the pattern's preset.
    for (std::size_t i = 0; i < 3; ++i) {
        criteria.ratings[i] = static_cast<WantedRating>(
            Item(stored->boxes[i], kRatingItemCount, static_cast<int>(defaults.ratings[i])));
    }
    criteria.exact = stored->exact;
    criteria.sort = static_cast<MatchSort>(
        Item(stored->sortBy, kSortItemCount, static_cast<int>(defaults.sort)));
}

bool SaveMatchSettings(SettingsStore& store, const MatchCriteria& criteria) {
    bool ok = WriteInt(store, kKey, "Group2", criteria.searchItem);
    ok = WriteInt(store, kKey, "Sex", static_cast<int>(criteria.sex)) && ok;
    ok = WriteBool(store, kKey, "AgeCheck", criteria.ageCheck) && ok;
    ok = WriteInt(store, kKey, "AgeBegin", criteria.ageBegin) && ok;
    ok = WriteInt(store, kKey, "AgeEnd", criteria.ageEnd) && ok;
    ok = WriteInt(store, kKey, "OvBox", criteria.pattern) && ok;
    ok = WriteInt(store, kKey, "PhBox", static_cast<int>(criteria.ratings[0])) && ok;
    ok = WriteInt(store, kKey, "EmBox", static_cast<int>(criteria.ratings[1])) && ok;
    ok = WriteInt(store, kKey, "InBox", static_cast<int>(criteria.ratings[2])) && ok;
    ok = WriteBool(store, kKey, "ExactSearch", criteria.exact) && ok;
    ok = WriteInt(store, kKey, "SortBy", static_cast<int>(criteria.sort)) && ok;
    return ok;
}

void FitSearchGroup(MatchCriteria& criteria, std::size_t groupCount) {
    if (criteria.searchItem < 0 || static_cast<std::size_t>(criteria.searchItem) > groupCount) {
        criteria.searchItem = 0;
    }
}

}  // namespace vitalune
