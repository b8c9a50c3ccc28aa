#include "framework/structured_exception_guard.h"

#include "framework/platform_cxx_exception.h"

#include <cstddef>

namespace {

constexpr int exception_continue_search = 1;

// The platform's registration record comes first (the dispatcher reads those two
// words); the rest is ours. It lives on the stack of run_guarded.
struct guard_frame {
    guard_frame* next;
    int (*handler)(platform_exception_record*, void*, void*, void*);
    exception_filter filter;
    void* filter_context;
    void* resume[5];  // __builtin_setjmp buffer
};
static_assert(offsetof(guard_frame, handler) == 4);

guard_frame* exception_chain_head() {
    guard_frame* head;
    asm volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}

void set_exception_chain_head(guard_frame* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }

}  // namespace

// Unwinds every frame registered above `target` (their handlers run their cleanups)
// and leaves `target` at the head of the chain. RtlUnwind does not keep the registers
// that the caller expects kept (not even EBP), so this small routine saves and
// restores them around it.
extern "C" void terrain_unwind_frames_above(void* target, platform_exception_record* record);
asm(R"(
    .text
    .globl _terrain_unwind_frames_above
    .def _terrain_unwind_frames_above; .scl 2; .type 32; .endef
_terrain_unwind_frames_above:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    pushl %ebp
    pushl $0
    pushl 12(%ebp)
    pushl $1f
    pushl 8(%ebp)
    call *__imp__RtlUnwind@16
1:
    popl %ebp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

// Called by the platform's dispatcher (cdecl) for each exception raised while the frame
// is registered, and again while frames are unwound.
int guard_handler(platform_exception_record* record, void* establisher_frame, void*, void*) {
    auto* frame = static_cast<guard_frame*>(establisher_frame);
    if ((record->flags & (exception_unwinding | exception_exit_unwind)) != 0) return exception_continue_search;
    if (!frame->filter(*record, frame->filter_context)) return exception_continue_search;

    terrain_unwind_frames_above(frame, record);
    // The handled exception ends here, as at the end of its compiler's catch block.
    destroy_platform_cxx_object(*record);
    set_exception_chain_head(frame->next);
    __builtin_longjmp(frame->resume, 1);
}

}  // namespace

bool run_guarded(void (*body)(void*), void* body_context, exception_filter filter,
                 void* filter_context) noexcept {
    guard_frame frame{};
    frame.handler = guard_handler;
    frame.filter = filter;
    frame.filter_context = filter_context;
    frame.next = exception_chain_head();
    if (__builtin_setjmp(frame.resume) != 0) return false;
    set_exception_chain_head(&frame);
    body(body_context);
    set_exception_chain_head(frame.next);
    return true;
}
