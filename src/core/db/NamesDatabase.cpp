#include "core/db/NamesDatabase.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <stdexcept>
#include <thread>

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

const PersonList& NamesDatabase::Persons(std::size_t group) const {
    CheckGroup(group);
    if (!m_read[group].value.load(std::memory_order_acquire)) {
        const std::size_t one[] = {group};
        ReadGroups(one);
    }
    return m_persons[group];
}

PersonList& NamesDatabase::ReadList(std::size_t group) {
    Persons(group);
    return m_persons[group];
}

void NamesDatabase::ReadAllGroups() const {
    std::vector<std::size_t> unread;
    for (std::size_t g = 0; g < m_read.size(); ++g) {
        if (!m_read[g].value.load(std::memory_order_acquire)) {
            unread.push_back(g);
        }
    }
    if (!unread.empty()) {
        ReadGroups(unread);
    }
}

void NamesDatabase::ReadGroups(std::span<const std::size_t> groups) const {
    const std::lock_guard lock(m_lock.mutex);
    // Each unread group with its size in the file, biggest first, so that the threads finish at
    // about the same time.
    std::vector<std::pair<std::size_t, std::size_t>> sized;
    std::size_t total = 0;
    for (const std::size_t g : groups) {
        if (!m_read[g].value.load(std::memory_order_relaxed)) {
            std::size_t size = 0;
            for (const Part& part : m_unread[g]) {
                size += part.end - part.begin;
            }
            sized.emplace_back(size, g);
            total += size;
        }
    }
    std::stable_sort(sized.begin(), sized.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::size_t> todo;
    for (const auto& [size, g] : sized) {
        todo.push_back(g);
    }

    std::atomic<std::size_t> next{0};
    std::vector<char> done(todo.size(), 0);
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        for (std::size_t k = next++; k < todo.size(); k = next++) {
            try {
                const std::size_t g = todo[k];
                ReadParts(*m_file, m_unread[g], m_persons[g], nullptr);
                done[k] = 1;
            } catch (...) {
                const std::lock_guard guard(failureLock);
                failure = failure ? failure : std::current_exception();
            }
        }
    };
    // A small database is read before a thread would have started.
    constexpr std::size_t kBytesWorthAThread = std::size_t{256} << 10;
    const std::size_t threads =
        total < kBytesWorthAThread
            ? 1
            : std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), todo.size());
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
        work();
    }
    for (std::size_t k = 0; k < todo.size(); ++k) {
        if (done[k]) {
            m_unread[todo[k]].clear();
            m_read[todo[k]].value.store(true, std::memory_order_release);
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    if (std::all_of(m_read.begin(), m_read.end(),
                    [](const ReadFlag& f) { return f.value.load(); })) {
        m_file.reset();  // every line has its own copy now
    }
}

bool operator==(const NamesDatabase& a, const NamesDatabase& b) {
    a.ReadAllGroups();
    b.ReadAllGroups();
    return a.m_groups == b.m_groups && a.m_persons == b.m_persons;
}

std::size_t NamesDatabase::PersonCount() const {
    ReadAllGroups();
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
    m_unread.emplace_back();
    m_read.emplace_back(true);
    return m_groups.size() - 1;
}

void NamesDatabase::FillIfEmpty(std::size_t group) {
    if (m_persons[group].empty()) {
        m_persons[group].Insert(PlaceholderPerson(m_clock->Today()));
    }
}

void NamesDatabase::Clear() {
    m_groups.clear();
    m_persons.clear();
    m_unread.clear();
    m_read.clear();
    m_file.reset();
}

void NamesDatabase::MakeEmpty() {
    Clear();
    FillIfEmpty(AppendGroup(MakeGroupEntry("My profiles", kDefaultGroupIcon)));
    Touch();
}

AddResult NamesDatabase::AddPerson(std::size_t group, std::string_view line) {
    CheckGroup(group);
    if (!IsStorablePersonLine(line)) {
        return {};
    }
    const auto [index, added] = ReadList(group).Insert(line);
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
    ReadList(group).Erase(indexes);
    FillIfEmpty(group);
    Touch();
}

AddResult NamesDatabase::ReplacePerson(std::size_t group, std::size_t index,
                                       std::string_view line) {
    CheckGroup(group);
    PersonList& list = ReadList(group);
    if (!IsStorablePersonLine(line) || index >= list.size()) {
        return {};
    }
    // The new line may be a view into this list; keep it before the list changes.
    const std::string copy{line};
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
    const PersonList& source = Persons(from);
    PersonList chosen;
    for (const std::size_t index : indexes) {
        if (index < source.size()) {
            chosen.Append(source[index]);
        }
    }
    ReadList(to).InsertAll(chosen);
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
    shift(m_unread);
    shift(m_read);
    Touch();
    return true;
}

void NamesDatabase::DeleteGroup(std::size_t group) {
    CheckGroup(group);
    m_groups.erase(m_groups.begin() + static_cast<std::ptrdiff_t>(group));
    m_persons.erase(m_persons.begin() + static_cast<std::ptrdiff_t>(group));
    m_unread.erase(m_unread.begin() + static_cast<std::ptrdiff_t>(group));
    m_read.erase(m_read.begin() + static_cast<std::ptrdiff_t>(group));
    if (m_groups.empty()) {
        MakeEmpty();
    }
    Touch();
}

}  // namespace vitalune
