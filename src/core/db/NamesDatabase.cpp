#include "core/db/NamesDatabase.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "core/engine/Clock.h"

namespace vitalune {

namespace {

std::uint64_t NextRevision() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

}  // namespace

NamesDatabase::RevisionStamp::RevisionStamp() : value(NextRevision()) {}
NamesDatabase::RevisionStamp::RevisionStamp(const RevisionStamp&) : value(NextRevision()) {}
NamesDatabase::RevisionStamp& NamesDatabase::RevisionStamp::operator=(const RevisionStamp&) {
    value = NextRevision();
    return *this;
}
void NamesDatabase::RevisionStamp::Bump() {
    value = NextRevision();
}

NamesDatabase::NamesDatabase(const Clock& clock) : m_clock(&clock) {}

std::size_t NamesDatabase::PersonCount() const {
    std::size_t count = 0;
    for (const PersonList& list : m_persons) {
        count += list.size();
    }
    return count;
}

std::optional<std::size_t> NamesDatabase::FindGroup(std::string_view name) const {
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        const std::string_view entry = m_groups[i];
        if (entry.substr(0, entry.find('|')) == name) {
            return i;
        }
    }
    return std::nullopt;
}

void NamesDatabase::CheckGroup(std::size_t group) const {
    if (group >= m_groups.size()) {
        throw std::out_of_range("no group " + std::to_string(group));
    }
}

std::size_t NamesDatabase::AppendGroup(std::string entry) {
    m_groups.push_back(std::move(entry));
    m_persons.emplace_back();
    return m_groups.size() - 1;
}

void NamesDatabase::FillIfEmpty(std::size_t group) {
    if (m_persons[group].empty()) {
        m_persons[group].Insert(PlaceholderPerson(m_clock->Today()));
    }
}

void NamesDatabase::MakeEmpty() {
    m_groups.clear();
    m_persons.clear();
    FillIfEmpty(AppendGroup(MakeGroupEntry("My profiles", kDefaultGroupIcon)));
    Touch();
}

AddResult NamesDatabase::AddPerson(std::size_t group, std::string_view line) {
    CheckGroup(group);
    if (!IsStorablePersonLine(line)) {
        return {};
    }
    const auto [index, added] = m_persons[group].Insert(line);
    if (added) {
        Touch();
    }
    return {added ? AddResult::Status::Added : AddResult::Status::AlreadyThere, index};
}

void NamesDatabase::RemovePerson(std::size_t group, std::size_t index) {
    const std::size_t one[] = {index};
    RemovePersons(group, one);
}

void NamesDatabase::RemovePersons(std::size_t group, std::span<const std::size_t> indexes) {
    CheckGroup(group);
    if (indexes.empty()) {
        return;
    }
    m_persons[group].Erase(indexes);
    FillIfEmpty(group);
    Touch();
}

AddResult NamesDatabase::ReplacePerson(std::size_t group, std::size_t index,
                                       std::string_view line) {
    CheckGroup(group);
    if (!IsStorablePersonLine(line) || index >= m_persons[group].size()) {
        return {};
    }
    // The new line may be a view into this list; keep it before the list changes.
    const std::string copy{line};
    PersonList& list = m_persons[group];
    list.Erase(index);
    const auto [at, added] = list.Insert(copy);
    Touch();
    return {added ? AddResult::Status::Added : AddResult::Status::AlreadyThere, at};
}

void NamesDatabase::CopyPersons(std::size_t from, std::span<const std::size_t> indexes,
                                std::size_t to) {
    CheckGroup(from);
    CheckGroup(to);
    if (from == to || indexes.empty()) {
        return;
    }
    const PersonList& source = m_persons[from];
    PersonList chosen;
    for (const std::size_t index : indexes) {
        if (index < source.size()) {
            chosen.Append(source[index]);
        }
    }
    m_persons[to].InsertAll(chosen);
    Touch();
}

void NamesDatabase::MovePersons(std::size_t from, std::span<const std::size_t> indexes,
                                std::size_t to) {
    if (from == to) {
        return;
    }
    CopyPersons(from, indexes, to);
    RemovePersons(from, indexes);
}

std::optional<std::size_t> NamesDatabase::AddGroup(std::string_view name, int icon) {
    if (!IsStorableGroupName(name) || FindGroup(name)) {
        return std::nullopt;
    }
    const std::size_t group = AppendGroup(MakeGroupEntry(name, icon));
    FillIfEmpty(group);
    Touch();
    return group;
}

bool NamesDatabase::EditGroup(std::size_t group, std::string_view name, int icon) {
    CheckGroup(group);
    if (!IsStorableGroupName(name)) {
        return false;
    }
    const auto owner = FindGroup(name);
    if (owner && *owner != group) {
        return false;
    }
    m_groups[group] = MakeGroupEntry(name, icon);
    Touch();
    return true;
}

bool NamesDatabase::MoveGroup(std::size_t from, std::size_t to) {
    if (from >= m_groups.size() || to >= m_groups.size() || from == to) {
        return false;
    }
    auto shift = [&](auto& items) {
        if (from < to) {
            std::rotate(items.begin() + static_cast<std::ptrdiff_t>(from),
                        items.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                        items.begin() + static_cast<std::ptrdiff_t>(to) + 1);
        } else {
            std::rotate(items.begin() + static_cast<std::ptrdiff_t>(to),
                        items.begin() + static_cast<std::ptrdiff_t>(from),
                        items.begin() + static_cast<std::ptrdiff_t>(from) + 1);
        }
    };
    shift(m_groups);
    shift(m_persons);
    Touch();
    return true;
}

void NamesDatabase::DeleteGroup(std::size_t group) {
    CheckGroup(group);
    m_groups.erase(m_groups.begin() + static_cast<std::ptrdiff_t>(group));
    m_persons.erase(m_persons.begin() + static_cast<std::ptrdiff_t>(group));
    if (m_groups.empty()) {
        MakeEmpty();
    }
    Touch();
}

}  // namespace vitalune
