#pragma once
// The person lines of one group, kept sorted by PersonCollator with no two lines equal under
// it. The lines share one text buffer (a million persons cost little more than their bytes);
// a string_view handed out stays valid until the list is changed.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vitalune {

class PersonList {
  public:
    class const_iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const PersonList* list, std::size_t index) : m_list(list), m_index(index) {}
        std::string_view operator*() const { return (*m_list)[m_index]; }
        std::string_view operator[](difference_type n) const { return *(*this + n); }
        const_iterator& operator++() { return ++m_index, *this; }
        const_iterator operator++(int) { return {m_list, m_index++}; }
        const_iterator& operator--() { return --m_index, *this; }
        const_iterator operator--(int) { return {m_list, m_index--}; }
        const_iterator& operator+=(difference_type n) {
            m_index = static_cast<std::size_t>(static_cast<difference_type>(m_index) + n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) { return *this += -n; }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const_iterator a, const_iterator b) {
            return static_cast<difference_type>(a.m_index) -
                   static_cast<difference_type>(b.m_index);
        }
        friend bool operator==(const_iterator a, const_iterator b) {
            return a.m_index == b.m_index;
        }
        friend auto operator<=>(const_iterator a, const_iterator b) {
            return a.m_index <=> b.m_index;
        }

      private:
        const PersonList* m_list = nullptr;
        std::size_t m_index = 0;
    };

    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    std::string_view operator[](std::size_t index) const {
        const Span& span = m_lines[index];
        return {m_text.data() + span.offset, span.length};
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    // Index of the line equal to `line` under the person order, if any (binary search).
    std::optional<std::size_t> Find(std::string_view line) const;

    // Puts a line in its sorted place; a line equal to one already there is not added. Returns
    // the index of the line now equal to it and whether it was added.
    std::pair<std::size_t, bool> Insert(std::string_view line);
    void Erase(std::size_t index);
    // Erases the lines at the given indexes (any order, repeats ignored) in one pass.
    void Erase(std::span<const std::size_t> indexes);
    void Clear();

    // Bulk building: append lines in any order, then sort once. Of equal lines the first
    // appended stays; `dropped`, when given, learns of each line dropped.
    struct Duplicate {
        std::size_t dropped = 0;  // positions in append order
        std::size_t kept = 0;
        std::string text;  // the dropped line
    };
    void Append(std::string_view line);
    void SortAndDropDuplicates(std::vector<Duplicate>* dropped = nullptr);
    // Adds many lines as Insert would one by one, sorting once when there are many.
    void InsertAll(const PersonList& lines);

    friend bool operator==(const PersonList& a, const PersonList& b);

  private:
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    Span Store(std::string_view line);
    void CompactIfWasteful();

    std::string m_text;
    std::vector<Span> m_lines;
    std::size_t m_unused = 0;  // bytes of m_text no line refers to any more
};

}  // namespace vitalune
