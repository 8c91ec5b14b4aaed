#pragma once
// Whether a person's name contains a text, ignoring case: the test behind the find fields of
// the person lists. Names and texts made only of ASCII are compared byte by byte (most names,
// and fast enough for a million); any other name goes through Qt's case folding.

#include <QString>
#include <string>
#include <string_view>

namespace vitalune::ui {

class NameFilter {
  public:
    NameFilter() = default;
    explicit NameFilter(const QString& text);

    const QString& Text() const { return m_text; }
    bool Empty() const { return m_text.isEmpty(); }
    // `name` is UTF-8, as the database keeps it. An empty filter matches every name.
    bool Matches(std::string_view name) const;
    // Whether every name this filter matches is also matched by `wider` (a shorter text).
    bool Narrows(const NameFilter& wider) const;

  private:
    QString m_text;
    QString m_folded;
    bool m_ascii = true;
    std::string m_asciiLower;  // the text in lower case when it is plain ASCII
};

}  // namespace vitalune::ui
