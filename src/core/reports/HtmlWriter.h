#pragma once
// Builds an HTML report as windows-1252 bytes: the program's markup goes in as it stands, any
// other text is escaped, and characters outside windows-1252 become numeric character
// references. Writes the finished page atomically and returns a failure as the user sees it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vitalune {

class FileOps;

class HtmlWriter {
  public:
    // The program's own markup.
    HtmlWriter& Raw(std::string_view html);
    // UTF-8 text (names, dates, table texts, paths): &, <, > and " are escaped.
    HtmlWriter& Text(std::string_view utf8);
    HtmlWriter& Number(std::int64_t value);
    void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }
    // The page so far, windows-1252.
    const std::string& Bytes() const { return m_bytes; }

  private:
    std::string m_bytes;
};

// &amp; &lt; &gt; &quot; for the four characters that could break markup; control characters
// other than CR and LF become U+FFFD (written as &#65533;).
std::string EscapeHtml(std::string_view utf8);

// "RRGGBB" (upper-case hex) of a colour kept as 0x00BBGGRR.
std::string HtmlColour(std::uint32_t colour);

// A file below the data folder, named as the reports name it ("\Pict\sun.gif" or
// "/Pict/sun.gif"): an absolute path with "/" separators, or a file: URL when the path holds
// characters a browser would take for URL syntax (%, #, ?, backslash, controls).
std::string DataFolderFileRef(const std::filesystem::path& dataFolder, std::string_view file);

// The product's web site, linked from the head of every report.
inline constexpr std::string_view kProductSiteUrl = "https://vitalune.example.org/";
inline constexpr std::string_view kProductSiteText = "vitalune.example.org";
// The start of every report page up to the link to the product's site: the head with the
// title "Vitalune: TITLE", then, centred, the product's name and the heading (raw HTML).
std::string ReportHead(std::string_view title, std::string_view heading);

struct ReportResult {
    bool ok = true;
    std::string message;  // "Unable to create a file" + the file's full path
    std::string reason;   // what the system said, for logs and the command-line tool
    std::filesystem::path path;
    explicit operator bool() const { return ok; }
};

// Writes the page atomically (a failed write leaves any earlier file as it was), creating the
// folder when needed. The page is not synced to disk: it is written anew on every request.
ReportResult WriteReportFile(const std::filesystem::path& file, const HtmlWriter& page,
                             FileOps* ops = nullptr);

// Writes any file the way the reports are written: atomically, creating the folder, a failure
// named by `failureText` + the full path. `sync` for files the user keeps (exports), which a
// crash right after the write must not take back.
ReportResult WriteReportBytes(const std::filesystem::path& file, std::string_view bytes,
                              std::string_view failureText, bool sync, FileOps* ops = nullptr);

}  // namespace vitalune
