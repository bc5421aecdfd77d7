#include "tools/fuzz/memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

int memoryFile() {
    static const int fd = memfd_create("skyrail-fuzz-input", MFD_CLOEXEC);
    return fd;
}

}  // namespace

std::wstring writeMemoryFile(const std::uint8_t* data, std::size_t size) {
    const int fd = memoryFile();
    if (fd < 0 || ftruncate(fd, 0) != 0) return {};
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (n <= 0) return {};
        written += static_cast<std::size_t>(n);
    }
    // Every open of this name starts a new read at offset 0.
    return L"/proc/self/fd/" + std::to_wstring(fd);
}
