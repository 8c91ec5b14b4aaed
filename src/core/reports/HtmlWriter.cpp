#include "core/reports/HtmlWriter.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/files/AtomicFile.h"
#include "core/text/Encoding.h"

namespace vitalune {

namespace fs = std::filesystem;

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void AppendEncoded(std::string& out, std::string_view utf8) {
    if (IsAscii(utf8)) {
        out.append(utf8);
    } else {
        out += Utf8ToWindows1252WithReferences(utf8);
    }
}

bool NeedsUrlForm(std::string_view path) {
    return std::any_of(path.begin(), path.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '%' || c == '#' || c == '?' || c == '\\' || u < 0x20 || u == 0x7F;
    });
}

bool UrlSafe(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view{"/-._~!$&'()*+,;=:@"}.find(static_cast<char>(c)) !=
               std::string_view::npos;
}

std::string FileUrl(std::string_view path) {
    std::string url = "file://";
    for (char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if (UrlSafe(u)) {
            url += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", u);
            url += escaped;
        }
    }
    return url;
}

}  // namespace

HtmlWriter& HtmlWriter::Raw(std::string_view html) {
    AppendEncoded(m_bytes, html);
    return *this;
}

HtmlWriter& HtmlWriter::Text(std::string_view utf8) {
    if (utf8.find_first_of("&<>\"") == std::string_view::npos && !HasControlCharacter(utf8)) {
        AppendEncoded(m_bytes, utf8);
    } else {
        AppendEncoded(m_bytes, EscapeHtml(utf8));
    }
    return *this;
}

HtmlWriter& HtmlWriter::Number(std::int64_t value) {
    m_bytes += std::to_string(value);
    return *this;
}

std::string EscapeHtml(std::string_view utf8) {
    // Control characters would hide in the page or, as C1 references, show as other letters.
    std::string text{utf8};
    ReplaceControlCharacters(text);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HtmlColour(std::uint32_t colour) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return hex;
}

std::string DataFolderFileRef(const fs::path& dataFolder, std::string_view file) {
    std::string relative{file};
    std::replace(relative.begin(), relative.end(), '\\', '/');
    relative.erase(0, relative.find_first_not_of('/'));
    std::error_code ec;
    fs::path folder = fs::absolute(dataFolder, ec);
    if (ec) {
        folder = dataFolder;
    }
    const std::string path = (folder / relative).lexically_normal().generic_string();
    return NeedsUrlForm(path) ? FileUrl(path) : path;
}

std::string ReportHead(std::string_view title, std::string_view heading) {
    HtmlWriter html;
    html.Raw(
            "<html><head><meta http-equiv=\"Content-Language\" content=\"en-us\"><meta "
            "http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "<title>Vitalune: ")
        .Raw(title)
        .Raw(
            "</title></head><body><center><p><font face=\"Arial\" size=\"6\">Vitalune</font>"
            "</p><p><font face=\"Arial\" size=\"5\">")
        .Raw(heading)
        .Raw("</font></p><p><font face=\"Arial\"><b><a href=\"")
        .Text(kProductSiteUrl)
        .Raw("\">")
        .Text(kProductSiteText)
        .Raw("</a></b></font></p>");
    return html.Bytes();
}

ReportResult WriteReportFile(const fs::path& file, const HtmlWriter& page, FileOps* ops) {
    // A report is written anew on every request: no sync.
    return WriteReportBytes(file, page.Bytes(), "Unable to create a file", false, ops);
}

ReportResult WriteReportBytes(const fs::path& file, std::string_view bytes,
                              std::string_view failureText, bool sync, FileOps* ops) {
    std::error_code ec;
    fs::path full = fs::absolute(file, ec);
    if (ec) {
        full = file;
    }
    full = full.lexically_normal();
    ReportResult result;
    result.path = full;
    const auto fail = [&](std::string reason) {
        result.ok = false;
        result.message = std::string{failureText} + full.string();
        result.reason = std::move(reason);
        return result;
    };
    if (!full.parent_path().empty()) {
        fs::create_directories(full.parent_path(), ec);
        if (ec) {
            return fail("cannot create " + full.parent_path().string() + ": " + ec.message());
        }
    }
    AtomicWriteOptions options;
    options.ops = ops;
    options.sync = sync;
    if (FileResult written = WriteFileAtomically(full, bytes, options); !written) {
        return fail(std::move(written.error));
    }
    return result;
}

}  // namespace vitalune
