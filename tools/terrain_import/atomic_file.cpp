#include "tools/terrain_import/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

atomic_file::atomic_file(std::string path) : path_(std::move(path)) {}

atomic_file::~atomic_file() { discard(); }

bool atomic_file::fail(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
    discard();
    return false;
}

void atomic_file::discard() {
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_path_.empty()) {
        ::unlink(temporary_path_.c_str());
        temporary_path_.clear();
    }
}

bool atomic_file::open() {
    // A device or pipe (/dev/null, a FIFO) cannot be replaced by renaming, and must not
    // be: it is written directly.
    struct stat target {};
    if (::stat(path_.c_str(), &target) == 0 && !S_ISREG(target.st_mode) && !S_ISDIR(target.st_mode)) {
        stream_ = std::fopen(path_.c_str(), "wb");
        return stream_ != nullptr || fail("cannot open the file");
    }
    const std::size_t slash = path_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    std::string pattern = folder + "." + name + ".tmp-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return fail("cannot create the file");
    temporary_path_ = pattern;

    // mkstemp makes the file private (0600); give it the permissions any new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) {
        ::close(fd);
        return fail("cannot set the file's permissions");
    }
    stream_ = ::fdopen(fd, "wb");
    if (stream_ == nullptr) {
        ::close(fd);
        return fail("cannot write the file");
    }
    return true;
}

bool atomic_file::write(const void* data, std::size_t size) {
    if (stream_ == nullptr) return false;  // not open, or failed before
    if (size > 0 && std::fwrite(data, 1, size, stream_) != size) return fail("cannot write the file");
    return true;
}

bool atomic_file::commit() {
    if (stream_ == nullptr) return false;
    const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
    const int saved = errno;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!written || !closed) {
        if (!written) errno = saved;
        return fail("cannot write the file");
    }
    if (temporary_path_.empty()) return true;  // written directly
    if (::rename(temporary_path_.c_str(), path_.c_str()) != 0) return fail("cannot replace the file");
    temporary_path_.clear();
    return true;
}
