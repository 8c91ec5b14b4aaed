#pragma once
// Reading a whole file the user named (a names database, a file to merge, an address book)
// without trusting what the name leads to: a folder, a FIFO or a device is refused before it
// is opened, and so is a file too big to hold, so that nothing hangs or eats the memory.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/AtomicFile.h"

namespace vitalune {

// A million-person database is a 32 MB file that takes about three times that in memory once
// loaded; 256 MB leaves room for eight times as many persons and stays under a gigabyte.
inline constexpr std::uintmax_t kMaxInputFileBytes = std::uintmax_t{256} << 20;

// Whether ReadInputFile would take the file, judged by its kind and size alone (nothing is
// opened): the failure says why not.
FileResult CheckInputFile(const std::filesystem::path& path,
                          std::uintmax_t limit = kMaxInputFileBytes);

// A whole file's bytes in memory. Big ones sit in memory of their own, in huge pages where
// the system gives them on request: reading a large database into ordinary fresh pages costs
// several times the copy itself in page faults.
class FileBytes {
  public:
    FileBytes() = default;
    explicit FileBytes(std::string text) : m_text(std::move(text)) {}
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    std::string_view View() const {
        return m_block ? std::string_view{m_block, m_size} : std::string_view{m_text};
    }
    std::size_t Size() const { return View().size(); }

    // Room for `size` bytes, which Data() then holds; anything held before is gone. Throws
    // std::bad_alloc when there is no memory for it.
    void Reserve(std::size_t size);
    char* Data() { return m_block ? m_block : m_text.data(); }
    // Keeps the first `size` bytes of the room.
    void Resize(std::size_t size);
    // Appends past the room (a file that grew while it was read).
    void Append(std::string_view more);
    void Clear();

  private:
    std::string m_text;
    char* m_block = nullptr;  // huge-page aligned, when not null
    std::size_t m_size = 0;
};

// Reads the regular file at `path` (a link to one is followed) into `content`. Anything else,
// or more than `limit` bytes, fails with a message naming the file and why.
FileResult ReadInputFile(const std::filesystem::path& path, std::string& content,
                         std::uintmax_t limit = kMaxInputFileBytes);
FileResult ReadInputFile(const std::filesystem::path& path, FileBytes& content,
                         std::uintmax_t limit = kMaxInputFileBytes);

}  // namespace vitalune
