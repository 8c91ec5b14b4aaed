#include "core/db/PersonList.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <stdexcept>

#include "core/db/PersonCollator.h"

namespace vitalune {

namespace {

const PersonCollator& Order() {
    return PersonCollator::Instance();
}

}  // namespace

PersonList::Span PersonList::Store(std::string_view line) {
    constexpr std::size_t kMax = std::numeric_limits<std::uint32_t>::max();
    if (line.size() > kMax || m_text.size() > kMax - line.size()) {
        throw std::length_error("a group's person lines exceed 4 GiB");
    }
    const Span span{static_cast<std::uint32_t>(m_text.size()),
                    static_cast<std::uint32_t>(line.size())};
    // A line of this very list may come back in; growing the buffer would move it.
    if (line.data() >= m_text.data() && line.data() < m_text.data() + m_text.size()) {
        const std::string copy{line};
        m_text.append(copy);
    } else {
        m_text.append(line);
    }
    return span;
}

std::optional<std::size_t> PersonList::Find(std::string_view line) const {
    const auto it = std::lower_bound(
        begin(), end(), line,
        [](std::string_view a, std::string_view b) { return Order().Compare(a, b) < 0; });
    if (it != end() && Order().Equal(*it, line)) {
        return static_cast<std::size_t>(it - begin());
    }
    return std::nullopt;
}

std::pair<std::size_t, bool> PersonList::Insert(std::string_view line) {
    const auto it = std::lower_bound(
        begin(), end(), line,
        [](std::string_view a, std::string_view b) { return Order().Compare(a, b) < 0; });
    const auto index = static_cast<std::size_t>(it - begin());
    if (it != end() && Order().Equal(*it, line)) {
        return {index, false};
    }
    const Span span = Store(line);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(index), span);
    return {index, true};
}

void PersonList::Erase(std::size_t index) {
    m_unused += m_lines[index].length;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(index));
    CompactIfWasteful();
}

void PersonList::Erase(std::span<const std::size_t> indexes) {
    std::vector<bool> gone(m_lines.size(), false);
    for (const std::size_t index : indexes) {
        if (index < gone.size()) {
            gone[index] = true;
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (gone[i]) {
            m_unused += m_lines[i].length;
        } else {
            m_lines[kept++] = m_lines[i];
        }
    }
    m_lines.resize(kept);
    CompactIfWasteful();
}

void PersonList::Clear() {
    m_text.clear();
    m_lines.clear();
    m_unused = 0;
}

void PersonList::CompactIfWasteful() {
    if (m_unused < 4096 || m_unused < m_text.size() / 2) {
        return;
    }
    std::string text;
    text.reserve(m_text.size() - m_unused);
    for (Span& span : m_lines) {
        const auto offset = static_cast<std::uint32_t>(text.size());
        text.append(m_text, span.offset, span.length);
        span.offset = offset;
    }
    m_text = std::move(text);
    m_unused = 0;
}

void PersonList::Append(std::string_view line) {
    m_lines.push_back(Store(line));
}

void PersonList::SortAndDropDuplicates(std::vector<Duplicate>* dropped) {
    const std::size_t n = m_lines.size();
    if (n < 2) {
        return;
    }
    const PersonCollator& order = Order();
    // Files the program saved are in order already: n - 1 comparisons tell, and the sort
    // is skipped. Any pair out of order or equal sends the list through the full sort.
    std::size_t inOrder = 1;
    while (inOrder < n && order.Compare((*this)[inOrder - 1], (*this)[inOrder]) < 0) {
        ++inOrder;
    }
    if (inOrder == n) {
        return;
    }
    // Positions in append order ride along so that equal lines keep their order (the first
    // stays) and dropped lines can be told by position.
    struct Item {
        PersonCollator::Prefix prefix;
        Span span;
        std::uint32_t position;
    };
    std::vector<Item> items(n);
    for (std::size_t i = 0; i < n; ++i) {
        items[i] = {order.PrefixOf((*this)[i]), m_lines[i], static_cast<std::uint32_t>(i)};
    }
    const char* text = m_text.data();
    auto view = [text](const Item& item) {
        return std::string_view{text + item.span.offset, item.span.length};
    };
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        return order.Compare(view(a), a.prefix, view(b), b.prefix) < 0;
    });

    std::size_t kept = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (kept > 0 && order.Compare(view(items[kept - 1]), items[kept - 1].prefix, view(items[k]),
                                      items[k].prefix) == 0) {
            m_unused += items[k].span.length;
            if (dropped) {
                dropped->push_back(
                    {items[k].position, items[kept - 1].position, std::string{view(items[k])}});
            }
            continue;
        }
        items[kept++] = items[k];
    }
    m_lines.resize(kept);
    for (std::size_t k = 0; k < kept; ++k) {
        m_lines[k] = items[k].span;
    }
    CompactIfWasteful();
}

void PersonList::InsertAll(const PersonList& lines) {
    // A few lines go in by binary search; many are cheaper appended and sorted once, with the
    // lines already here first so that they win over equal newcomers.
    if (lines.size() * 32 < size() || lines.size() < 16) {
        for (const std::string_view line : lines) {
            Insert(line);
        }
        return;
    }
    for (const std::string_view line : lines) {
        Append(line);
    }
    SortAndDropDuplicates();
}

bool operator==(const PersonList& a, const PersonList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace vitalune
