// vCard 2.1, 3.0 and 4.0 as address books and phones export them. Only the few properties a
// person needs are read; everything else, photos included, is passed over.
#include <string>
#include <vector>

#include "core/contacts/ContactFields.h"
#include "core/text/Encoding.h"

namespace vitalune::contacts {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

// Physical lines end with CR LF, LF or a lone CR.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : m_text(text) {}
    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::string_view Peek() const { return Line(m_pos).first; }
    std::string_view Next() {
        const auto [line, next] = Line(m_pos);
        m_pos = next;
        return line;
    }

  private:
    std::pair<std::string_view, std::size_t> Line(std::size_t from) const {
        std::size_t end = m_text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) {
            return {m_text.substr(from), m_text.size()};
        }
        std::size_t next = end + 1;
        if (m_text[end] == '\r' && next < m_text.size() && m_text[next] == '\n') {
            ++next;
        }
        return {m_text.substr(from, end - from), next};
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The name, parameters and value of one unfolded content line.
struct Property {
    std::string_view name;  // without the group ("item1.")
    std::string_view value;
    bool quotedPrintable = false;
    std::string_view charset;
    std::string_view omitYear;  // the year that stands for "no year"
};

// The position of the first `c` outside double quotes, or npos.
std::size_t FindUnquoted(std::string_view text, char c, std::size_t from = 0) {
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == c && !quoted) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Unquoted(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::optional<Property> SplitProperty(std::string_view line) {
    const std::size_t colon = FindUnquoted(line, ':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    Property property;
    property.value = line.substr(colon + 1);
    std::string_view head = line.substr(0, colon);
    std::size_t semicolon = FindUnquoted(head, ';');
    property.name = head.substr(0, semicolon);
    if (const auto dot = property.name.rfind('.'); dot != std::string_view::npos) {
        property.name.remove_prefix(dot + 1);
    }
    while (semicolon != std::string_view::npos) {
        const std::size_t end = FindUnquoted(head, ';', semicolon + 1);
        const std::string_view parameter =
            head.substr(semicolon + 1, end == std::string_view::npos ? std::string_view::npos
                                                                     : end - semicolon - 1);
        semicolon = end;
        const std::size_t equals = parameter.find('=');
        const std::string_view key =
            equals == std::string_view::npos ? std::string_view{} : parameter.substr(0, equals);
        const std::string_view value =
            Unquoted(equals == std::string_view::npos ? parameter : parameter.substr(equals + 1));
        if (EqualsNoCase(value, "QUOTED-PRINTABLE")) {
            property.quotedPrintable = true;
        } else if (EqualsNoCase(key, "CHARSET")) {
            property.charset = value;
        } else if (EqualsNoCase(key, "X-APPLE-OMIT-YEAR")) {
            property.omitYear = value;
        }
    }
    return property;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = Lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string DecodeQuotedPrintable(std::string_view text, std::string_view charset) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    // Old phones name their single-byte code page; anything but UTF-8 is read as
    // windows-1252, which also covers ISO-8859-1.
    const bool utf8 = charset.empty() || EqualsNoCase(charset, "UTF-8");
    return utf8 && IsValidUtf8(bytes) ? bytes : Windows1252ToUtf8(bytes);
}

// Text values: "\n" is a line break, "\," "\;" "\\" stand for the character itself.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            out += text[i] == 'n' || text[i] == 'N' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

// The components of a structured value, split at ";" not escaped by a backslash.
std::vector<std::string_view> Components(std::string_view value) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == ';') {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(value.substr(start));
    return parts;
}

// "Ann Marie Smith" from N's family;given;additional;prefix;suffix, where each component may
// hold several values separated by commas.
std::string NameFromN(std::string_view value) {
    const std::vector<std::string_view> parts = Components(value);
    std::string name;
    for (const std::size_t index : {3, 1, 2, 0, 4}) {
        if (index >= parts.size()) {
            continue;
        }
        std::string component;
        const std::string_view part = parts[index];
        for (std::size_t i = 0; i < part.size(); ++i) {
            if (part[i] == '\\' && i + 1 < part.size()) {
                ++i;
                component += part[i] == 'n' || part[i] == 'N' ? '\n' : part[i];
            } else {
                component += part[i] == ',' ? ' ' : part[i];
            }
        }
        name += ' ' + component;
    }
    return name;
}

class Card {
  public:
    explicit Card(std::size_t number) : m_number(number) {}

    void Take(const Property& property, std::string value) {
        if (EqualsNoCase(property.name, "FN")) {
            if (CleanContactName(m_formattedName).empty()) {
                m_formattedName = Unescape(value);
            }
        } else if (EqualsNoCase(property.name, "N")) {
            if (m_structuredName.empty()) {
                m_structuredName = NameFromN(value);
            }
        } else if (EqualsNoCase(property.name, "BDAY")) {
            TakeBirthday(property, value);
        } else if (EqualsNoCase(property.name, "GENDER")) {
            const std::vector<std::string_view> parts = Components(value);
            const std::string_view sex =
                parts.front().empty() && parts.size() > 1 ? parts[1] : parts.front();
            m_sex = ReadContactSex(sex);
        } else if (EqualsNoCase(property.name, "X-GENDER") || EqualsNoCase(property.name, "SEX")) {
            m_sex = ReadContactSex(value);
        }
    }

    void Finish(ContactsRead& read) const {
        ContactFields fields;
        fields.name =
            CleanContactName(m_formattedName).empty() ? m_structuredName : m_formattedName;
        fields.birth = m_birth;
        fields.sex = m_sex;
        Collect(read, fields, "(no name, card " + std::to_string(m_number) + ")");
    }

  private:
    void TakeBirthday(const Property& property, std::string_view value) {
        if (m_birth) {
            return;
        }
        m_birth = ReadContactDate(value);
        if (m_birth && !property.omitYear.empty() && value.starts_with(property.omitYear)) {
            m_birth.reset();
        }
    }

    std::size_t m_number;
    std::string m_formattedName;
    std::string m_structuredName;
    std::optional<std::int32_t> m_birth;
    char m_sex = 'M';
};

}  // namespace

ContactsRead ReadVCardText(std::string_view text) {
    ContactsRead read;
    LineReader lines(text);
    std::optional<Card> card;
    std::size_t cards = 0;
    std::string line;
    while (!lines.AtEnd()) {
        line = lines.Next();
        // A line starting with a blank or a tab continues the one before it.
        while (!lines.AtEnd() && !lines.Peek().empty() &&
               (lines.Peek().front() == ' ' || lines.Peek().front() == '\t')) {
            line += lines.Next().substr(1);
        }
        std::optional<Property> property = SplitProperty(line);
        if (!property) {
            continue;
        }
        // Quoted-printable values go on after a "=" at the end of a line (a soft break).
        if (property->quotedPrintable && line.ends_with('=') && !lines.AtEnd()) {
            while (line.ends_with('=') && !lines.AtEnd()) {
                line.pop_back();
                line += lines.Next();
            }
            property = SplitProperty(line);  // the name and parameters stay where they were
        }
        const std::string_view word = Trimmed(property->value);
        if (EqualsNoCase(property->name, "BEGIN") && EqualsNoCase(word, "VCARD")) {
            if (card) {
                card->Finish(read);  // a card cut short by the next one
            }
            card.emplace(++cards);
        } else if (EqualsNoCase(property->name, "END") && EqualsNoCase(word, "VCARD")) {
            if (card) {
                card->Finish(read);
                card.reset();
            }
        } else if (card) {
            std::string value = property->quotedPrintable
                                    ? DecodeQuotedPrintable(property->value, property->charset)
                                    : std::string{property->value};
            card->Take(*property, std::move(value));
        }
    }
    if (card) {
        card->Finish(read);  // the file ends without END:VCARD
    }
    if (cards == 0) {
        read.error =
            "The file holds no vCard (no line \"BEGIN:VCARD\"). Choose a .vcf file exported "
            "from an address book.";
    }
    return read;
}

}  // namespace vitalune::contacts
