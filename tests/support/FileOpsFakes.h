#pragma once
// File-system layers that fail the way a read-only mount or a full disk does.

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/files/AtomicFile.h"

namespace vitalune::test {

// No new file can be created.
class ReadOnlyMount : public FileOps {
  public:
    int Open(const char* path, int flags, mode_t mode) override {
        if (flags & O_CREAT) {
            errno = EROFS;
            return -1;
        }
        return FileOps::Open(path, flags, mode);
    }
};

// Takes `room` bytes, then every write fails for want of space.
class FullDisk : public FileOps {
  public:
    explicit FullDisk(std::size_t room = 0) : m_room(room) {}
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (m_room == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, m_room);
        m_room -= n;
        return FileOps::Write(fd, data, n);
    }

  private:
    std::size_t m_room;
};

// Renames fail as across devices: all of them, or only those onto `onto`.
class FailingRename : public FileOps {
  public:
    explicit FailingRename(std::filesystem::path onto = {}) : m_onto(std::move(onto)) {}
    int Rename(const char* from, const char* to) override {
        if (!m_onto.empty() && m_onto != to) {
            return FileOps::Rename(from, to);
        }
        errno = EXDEV;
        return -1;
    }

  private:
    std::filesystem::path m_onto;
};

// The first `allowed` renames work, every later one fails as across devices.
class RenamesFailAfter : public FileOps {
  public:
    explicit RenamesFailAfter(int allowed) : m_allowed(allowed) {}
    int Rename(const char* from, const char* to) override {
        if (m_allowed-- > 0) {
            return FileOps::Rename(from, to);
        }
        errno = EXDEV;
        return -1;
    }

  private:
    int m_allowed;
};

// The file system cannot link.
class NoLinks : public FileOps {
  public:
    int Link(const char*, const char*) override {
        errno = EPERM;
        return -1;
    }
};

}  // namespace vitalune::test
