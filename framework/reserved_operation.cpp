#include "framework/reserved_operation.h"

#if defined(__i386__) && defined(_WIN32)
#include "framework/platform_cxx_exception.h"
#endif

void raise_reserved_operation() {
#if defined(__i386__) && defined(_WIN32)
    raise_platform_cxx_int(0);
#else
    throw 0;
#endif
}
