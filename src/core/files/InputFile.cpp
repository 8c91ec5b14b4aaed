#include "core/files/InputFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

namespace vitalune {

namespace {

// Why a file of this kind cannot be read as a whole, or nothing for a regular file.
const char* KindFault(mode_t mode) {
    if (S_ISREG(mode)) {
        return nullptr;
    }
    if (S_ISDIR(mode)) {
        return "it is a folder, not a file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a pipe (FIFO), not a file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a file";
    }
    return "it is not a regular file";
}

FileResult Refusal(const std::filesystem::path& path, const std::string& why) {
    return FileResult::Failure("cannot read " + path.string() + ": " + why);
}

std::string TooBig(std::uintmax_t limit) {
    return "the file is larger than " + std::to_string(limit >> 20) +
           " MB, more than the program can hold";
}

}  // namespace

FileResult CheckInputFile(const std::filesystem::path& path, std::uintmax_t limit) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FileResult::Failure(SystemErrorText("cannot read", path, errno));
    }
    if (const char* fault = KindFault(info.st_mode)) {
        return Refusal(path, fault);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        return Refusal(path, TooBig(limit));
    }
    return {};
}

// Below this a file goes into an ordinary string: a huge page would be mostly empty.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

FileBytes::FileBytes(FileBytes&& other) noexcept
    : m_text(std::move(other.m_text)),
      m_block(std::exchange(other.m_block, nullptr)),
      m_size(std::exchange(other.m_size, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        Clear();
        m_text = std::move(other.m_text);
        m_block = std::exchange(other.m_block, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    Clear();
}

void FileBytes::Clear() {
    if (m_block) {
        ::operator delete (m_block, std::align_val_t{kHugePage});
    }
    m_block = nullptr;
    m_size = 0;
    std::string{}.swap(m_text);
}

void FileBytes::Reserve(std::size_t size) {
    Clear();
    if (size < kHugePage) {
        m_text.resize(size);
        return;
    }
    // Whole huge pages, aligned to them: the advice only applies to those.
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    m_block = static_cast<char*>(::operator new (rounded, std::align_val_t{kHugePage}));
#ifdef MADV_HUGEPAGE
    ::madvise(m_block, rounded, MADV_HUGEPAGE);  // only advice: ordinary pages work too
#endif
    m_size = size;
}

void FileBytes::Resize(std::size_t size) {
    if (m_block) {
        m_size = std::min(size, m_size);
    } else {
        m_text.resize(std::min(size, m_text.size()));
    }
}

void FileBytes::Append(std::string_view more) {
    if (m_block) {
        std::string text;
        text.reserve(m_size + more.size());
        text.append(m_block, m_size);
        Clear();
        m_text = std::move(text);
    }
    m_text.append(more);
}

namespace {

// A string read into the way FileBytes is.
struct StringRoom {
    std::string& text;
    void Reserve(std::size_t size) {
        text.clear();
        text.resize(size);
    }
    char* Data() { return text.data(); }
    std::size_t Size() const { return text.size(); }
    void Resize(std::size_t size) { text.resize(std::min(size, text.size())); }
    void Append(std::string_view more) { text.append(more); }
};

// Reads `fd` to its end into `content`, sized for `expected` bytes at first.
template <typename Content>
FileResult ReadAll(int fd, const std::filesystem::path& path, Content& content,
                   std::size_t expected, std::uintmax_t limit) {
    content.Reserve(expected);
    std::size_t filled = 0;
    char spill[1 << 16];
    for (;;) {
        // Straight into the room while there is some; beyond it only when the file grew.
        const bool inRoom = filled < expected;
        char* into = inRoom ? content.Data() + filled : spill;
        const std::size_t want = inRoom ? expected - filled : sizeof spill;
        const ssize_t n = ::read(fd, into, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return FileResult::Failure(SystemErrorText("cannot read", path, errno));
        }
        if (n == 0) {
            break;
        }
        const auto got = static_cast<std::size_t>(n);
        if (inRoom) {
            filled += got;
            continue;
        }
        if (content.Size() + got > limit) {
            return Refusal(path, TooBig(limit));  // it grew while being read
        }
        content.Append(std::string_view{spill, got});
    }
    if (filled < expected) {
        content.Resize(filled);  // it shrank while being read
    }
    return {};
}

// Opens `path` for reading and checks again what it is, now that it cannot be swapped.
template <typename Read>
FileResult ReadChecked(const std::filesystem::path& path, std::uintmax_t limit, Read read) {
    if (FileResult checked = CheckInputFile(path, limit); !checked) {
        return checked;
    }
    // Non-blocking, so that a FIFO put in the file's place since the check cannot hang us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return FileResult::Failure(SystemErrorText("cannot read", path, errno));
    }
    FileResult result;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result = FileResult::Failure(SystemErrorText("cannot read", path, errno));
    } else if (const char* fault = KindFault(info.st_mode)) {
        result = Refusal(path, fault);
    } else if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        result = Refusal(path, TooBig(limit));
    } else {
        result = read(fd, static_cast<std::size_t>(info.st_size));
    }
    ::close(fd);
    return result;
}

}  // namespace

FileResult ReadInputFile(const std::filesystem::path& path, FileBytes& content,
                         std::uintmax_t limit) {
    content.Clear();
    FileResult result = ReadChecked(path, limit, [&](int fd, std::size_t size) {
        return ReadAll(fd, path, content, size, limit);
    });
    if (!result) {
        content.Clear();
    }
    return result;
}

FileResult ReadInputFile(const std::filesystem::path& path, std::string& content,
                         std::uintmax_t limit) {
    content.clear();
    StringRoom room{content};
    FileResult result = ReadChecked(path, limit, [&](int fd, std::size_t size) {
        return ReadAll(fd, path, room, size, limit);
    });
    if (!result) {
        std::string{}.swap(content);
    }
    return result;
}

}  // namespace vitalune
