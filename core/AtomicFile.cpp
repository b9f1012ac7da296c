// Whole-file reading and writing.
#include "core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orlenvo {

std::optional<std::string> WriteFileAtomically(const std::string &path, std::string_view text)
{
    std::vector<char> temp(path.begin(), path.end());
    for (char c : std::string_view(".XXXXXX"))
        temp.push_back(c);
    temp.push_back('\0');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return path + ": " + std::strerror(errno);
    auto fail = [&](int error) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(temp.data());
        return path + ": " + std::strerror(error);
    };
    // mkstemp makes the file for its owner only; a written file gets the usual mode.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0)
        return fail(errno);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.data());
        return path + ": " + std::strerror(error);
    }
    if (::rename(temp.data(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.data());
        return path + ": " + std::strerror(error);
    }
    return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::string &path, std::string &error)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = path + ": read error";
        return std::nullopt;
    }
    return text;
}

}  // namespace orlenvo
