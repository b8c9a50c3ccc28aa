#include "tools/win_test_host/call_ending.h"

#include <exception>

call_ending observe_call(void (*body)(void*), void* context) {
    try {
        body(context);
        return {};
    } catch (int value) {
        return {true, "int " + std::to_string(value)};
    } catch (const std::exception& e) {
        return {true, std::string("C++ exception: ") + e.what()};
    } catch (...) {
        return {true, "C++ exception of another type"};
    }
}
