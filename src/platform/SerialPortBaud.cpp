// The kernel's termios2 lives in <asm/termbits.h>, whose struct termios clashes with the C
// library's <termios.h>: this file must never include that one.
#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

#include "platform/SerialPort.h"

namespace platform {

int SetCustomBaudRate(int fd, std::uint32_t baudRate) {
#if defined(TCGETS2) && defined(BOTHER)
    struct termios2 tio {};
    if (::ioctl(fd, TCGETS2, &tio) != 0)
        return errno;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = baudRate;
    tio.c_ospeed = baudRate;
    if (::ioctl(fd, TCSETS2, &tio) != 0)
        return errno;
    return 0;
#else
    (void)fd;
    (void)baudRate;
    return EINVAL;
#endif
}

} // namespace platform
