#include "tools/terrain_import/input_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor however the read ends.
struct descriptor {
    int fd;
    ~descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

input_problem system_problem(int error) {
    switch (error) {
    case ENOENT: return {"no such file"};
    case EACCES:
    case EPERM: return {"cannot read the file: permission denied"};
    case EISDIR: return {"is a directory, not an elevation file"};
    default: return {std::string("cannot read the file: ") + std::strerror(error)};
    }
}

bool is_binary_byte(unsigned char byte) {
    if (byte >= 0x20) return byte == 0x7F;
    switch (byte) {
    case '\t': case '\n': case '\v': case '\f': case '\r':
    case 0x1A:  // end-of-file mark that old text files carry
        return false;
    default: return true;
    }
}

}  // namespace

std::size_t first_binary_byte(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (is_binary_byte(static_cast<unsigned char>(bytes[i]))) return i;
    }
    return std::string::npos;
}

std::variant<input_text, input_problem> read_input_file(const std::string& path) {
    // Non-blocking so that a FIFO is refused below instead of waiting for a writer.
    const descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) return system_problem(errno);

    struct stat status {};
    if (::fstat(file.fd, &status) != 0) return system_problem(errno);
    if (S_ISDIR(status.st_mode)) return system_problem(EISDIR);
    if (!S_ISREG(status.st_mode)) return input_problem{"is not a regular file"};

    input_text text;
    text.bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    for (;;) {
        if (filled == text.bytes.size()) text.bytes.resize(filled + 65536);  // the file grew
        const ssize_t got = ::read(file.fd, text.bytes.data() + filled, text.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            return system_problem(errno);
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    text.bytes.resize(filled);

    if (text.bytes.empty()) return input_problem{"empty file"};
    if (const std::size_t at = first_binary_byte(text.bytes); at != std::string::npos) {
        char detail[96];
        std::snprintf(detail, sizeof detail, "binary data, not an elevation text (byte 0x%02x at offset %zu)",
                      static_cast<unsigned char>(text.bytes[at]), at);
        return input_problem{detail};
    }
    return text;
}
