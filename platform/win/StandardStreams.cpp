#include "StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void OpenMissingStandardStreams()
{
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Lower streams are open by now, so /dev/null takes this number.
        const int null = ::open("/dev/null", O_RDWR);
        if (null > stream) {
            ::dup2(null, stream);
            ::close(null);
        }
    }
}
