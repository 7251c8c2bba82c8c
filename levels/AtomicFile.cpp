#include "levels/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvar {

namespace {

/// Writes all of `bytes` to `fd` and has them reach the disk; false on any failure.
bool WriteAndSync(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

/// The folder holding `path` is synced, so that a rename in it survives a power cut.
void SyncFolder(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    // One temporary name per file: a write cut short by a kill leaves at most this one behind,
    // and the next write of the file takes it over.
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = WriteAndSync(fd, bytes);
    if (::close(fd) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    SyncFolder(path);
    return true;
}

void RemoveWhenStale(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto stale = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    if (std::filesystem::last_write_time(path, ec) < stale && !ec)
        std::filesystem::remove(path, ec);
}

}  // namespace tolvar
