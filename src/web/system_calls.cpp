// What Emscripten's C library declares but does not define, for the file code of the domain.

// unistd.h first: Emscripten's sys/random.h uses size_t without declaring it.
#include <unistd.h>
// clang-format off
#include <sys/random.h>
// clang-format on

#include <cstddef>

// getrandom from getentropy, which Emscripten takes from the browser's or Node's crypto source.
extern "C" ssize_t getrandom(void* buffer, std::size_t length, unsigned int flags) {
    static_cast<void>(flags);
    constexpr std::size_t kMostAtOnce = 256;
    if (length > kMostAtOnce) length = kMostAtOnce;
    return getentropy(buffer, length) == 0 ? static_cast<ssize_t>(length) : -1;
}
