#pragma once
#include <cstdio>
#include <string>

// An output file that appears under its name only when it is complete: it is written
// as a hidden temporary file in the same folder and renamed over the name at commit().
// Until then (and when commit() is never reached) the name is left as it was, and the
// destructor removes the temporary file. A device or pipe is written directly.
class atomic_file {
public:
    explicit atomic_file(std::string path);
    ~atomic_file();
    atomic_file(const atomic_file&) = delete;
    atomic_file& operator=(const atomic_file&) = delete;

    // False with error() set when the temporary file could not be made.
    bool open();
    bool write(const void* data, std::size_t size);
    bool write(const std::string& text) { return write(text.data(), text.size()); }
    // For libraries that write through a stdio stream (or a callback); valid after open().
    std::FILE* stream() { return stream_; }
    // Flushes, closes and renames the temporary file to the target name.
    bool commit();

    // After any failure the temporary file is gone and every later step fails too.
    // Why the last step failed, as one line ("No space left on device", ...).
    const std::string& error() const { return error_; }
    const std::string& path() const { return path_; }

private:
    bool fail(const char* what);
    void discard();

    std::string path_;
    std::string temporary_path_;
    std::FILE* stream_ = nullptr;
    std::string error_;
};
