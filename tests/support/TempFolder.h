#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it (also
// after a test made it read-only).

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vitalune::test {

class TempFolder {
  public:
    TempFolder() {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "vitalune-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    // What it holds: a file or folder more than expected may be a temporary left behind.
    std::size_t Entries() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(m_path), {}));
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace vitalune::test
