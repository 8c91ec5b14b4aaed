#include "core/files/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

FileResult ReadInputFile(const std::filesystem::path& path, std::string& content,
                         std::uintmax_t limit) {
    content.clear();
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
    } else {
        content.reserve(static_cast<std::size_t>(
            std::min<std::uintmax_t>(static_cast<std::uintmax_t>(info.st_size), limit)));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                result = FileResult::Failure(SystemErrorText("cannot read", path, errno));
                break;
            }
            if (n == 0) {
                break;
            }
            if (content.size() + static_cast<std::size_t>(n) > limit) {
                result = Refusal(path, TooBig(limit));  // it grew while being read
                break;
            }
            content.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (!result) {
        std::string{}.swap(content);
    }
    return result;
}

}  // namespace vitalune
