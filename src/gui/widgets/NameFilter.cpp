#include "gui/widgets/NameFilter.h"

#include <algorithm>

namespace vitalune::ui {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ContainsAsciiIgnoringCase(std::string_view haystack, std::string_view lowerNeedle) {
    if (lowerNeedle.size() > haystack.size()) {
        return false;
    }
    const auto it =
        std::search(haystack.begin(), haystack.end(), lowerNeedle.begin(), lowerNeedle.end(),
                    [](char h, char n) { return AsciiLower(h) == n; });
    return it != haystack.end();
}

}  // namespace

NameFilter::NameFilter(const QString& text) : m_text(text), m_folded(text.toCaseFolded()) {
    const QByteArray utf8 = text.toUtf8();
    m_ascii = IsAscii(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (m_ascii) {
        m_asciiLower.resize(static_cast<std::size_t>(utf8.size()));
        std::transform(utf8.begin(), utf8.end(), m_asciiLower.begin(), AsciiLower);
    }
}

bool NameFilter::Matches(std::string_view name) const {
    if (m_text.isEmpty()) {
        return true;
    }
    if (m_ascii && IsAscii(name)) {
        return ContainsAsciiIgnoringCase(name, m_asciiLower);
    }
    const QString wide = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return wide.contains(m_text, Qt::CaseInsensitive);
}

bool NameFilter::Narrows(const NameFilter& wider) const {
    return m_folded.contains(wider.m_folded);
}

}  // namespace vitalune::ui
