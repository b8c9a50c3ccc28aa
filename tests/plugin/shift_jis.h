#pragma once
// Shift_JIS (code page 932) bytes of a UTF-8 text, converted by the C library, so that
// the tests hold the plug-ins' escaped byte strings against an independent encoder.
#include <iconv.h>

#include <stdexcept>
#include <string>

inline std::string shift_jis(const std::string& utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* in_ptr = in.data();
    char* out_ptr = out.data();
    std::size_t in_left = in.size(), out_left = out.size();
    const std::size_t result = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible to CP932: " + utf8);
    out.resize(out.size() - out_left);
    return out;
}
