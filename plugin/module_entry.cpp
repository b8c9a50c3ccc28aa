// The library's entry point. The C runtime has already run the static initialisation
// (the math library's constants) when it calls this.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    // Threads that the host starts and ends never concern the plug-in.
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
    return TRUE;
}
