#include "tools/terrain_import/shift_jis.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// Windows code page 932: Shift_JIS with the vendor extensions that Japanese Windows uses.
constexpr const char* host_code_page = "CP932";

class converter {
public:
    converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~converter() { iconv_close(handle_); }
    converter(const converter&) = delete;
    converter& operator=(const converter&) = delete;

    // Converts as much as it can; returns false at the first byte it cannot convert,
    // with `in` and `in_left` pointing at it.
    bool run(char*& in, std::size_t& in_left, std::string& out) {
        char buffer[256];
        while (in_left > 0) {
            char* out_at = buffer;
            std::size_t out_left = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &in_left, &out_at, &out_left);
            out.append(buffer, static_cast<std::size_t>(out_at - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string shift_jis_to_utf8(std::string_view text) {
    converter to_utf8("UTF-8", host_code_page);
    std::string input(text);
    char* in = input.data();
    std::size_t in_left = input.size();
    std::string out;
    out.reserve(text.size() * 3 / 2);
    while (!to_utf8.run(in, in_left, out)) {
        out += "\xEF\xBF\xBD";  // U+FFFD REPLACEMENT CHARACTER for the byte that is not Shift_JIS
        ++in;
        --in_left;
    }
    return out;
}

std::optional<std::string> utf8_to_shift_jis(std::string_view text) {
    converter to_host("CP932", "UTF-8");
    std::string input(text);
    char* in = input.data();
    std::size_t in_left = input.size();
    std::string out;
    if (!to_host.run(in, in_left, out)) return std::nullopt;
    return out;
}
