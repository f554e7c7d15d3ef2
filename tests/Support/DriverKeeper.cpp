#include "Support/DriverKeeper.h"

#include <dlfcn.h>

// g++ 12 defines __SANITIZE_ADDRESS__ under AddressSanitizer; clang 14 does not, and answers
// __has_feature(address_sanitizer) instead.
#if defined(__SANITIZE_ADDRESS__)
#define KESSOK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESSOK_ASAN 1
#endif
#endif

namespace TestSupport {

// Mesa unloads its software driver inside glfwTerminate, after which LeakSanitizer can no
// longer scan the driver's globals and reports their allocations as leaks. Loading the
// driver once more, never to be unloaded, keeps it mapped until the process ends.
void keepDriverLoaded() {
#if defined(KESSOK_ASAN)
    static void* const l_driver = dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so",
                                         RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    (void)l_driver;
#endif
}

} // namespace TestSupport
