#pragma once

// What every reserved position does: raise an exception whose object is the int 0,
// which the host receives in a handler for int or a catch-all handler.
//
// The host is built with the platform's own compiler. On 32-bit Windows a C++
// exception thrown by our compiler would not reach its handlers, so there the int 0 is
// raised in that compiler's own exception format (platform_cxx_exception.h). Elsewhere
// (the native build of the tests and tools) it is a plain C++ throw of the int 0.
[[noreturn]] void raise_reserved_operation();
