#pragma once
// Reading a whole file the user named (a names database, a file to merge, an address book)
// without trusting what the name leads to: a folder, a FIFO or a device is refused before it
// is opened, and so is a file too big to hold, so that nothing hangs or eats the memory.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/files/AtomicFile.h"

namespace vitalune {

// A million-person database is a 32 MB file that takes about three times that in memory once
// loaded; 256 MB leaves room for eight times as many persons and stays under a gigabyte.
inline constexpr std::uintmax_t kMaxInputFileBytes = std::uintmax_t{256} << 20;

// Whether ReadInputFile would take the file, judged by its kind and size alone (nothing is
// opened): the failure says why not.
FileResult CheckInputFile(const std::filesystem::path& path,
                          std::uintmax_t limit = kMaxInputFileBytes);

// Reads the regular file at `path` (a link to one is followed) into `content`. Anything else,
// or more than `limit` bytes, fails with a message naming the file and why.
FileResult ReadInputFile(const std::filesystem::path& path, std::string& content,
                         std::uintmax_t limit = kMaxInputFileBytes);

}  // namespace vitalune
