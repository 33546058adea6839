#include "program/Output.h"

#include <fcntl.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <cerrno>

namespace rotaline {

namespace {

int failure = 0;
bool closed = false;  // when the program started

}  // namespace

void guardOutput() {
#ifdef _WIN32
    if (::_get_osfhandle(STDOUT_FILENO) >= 0) {
        return;
    }
    closed = true;
    const int null = ::open("NUL", O_WRONLY);
#else
    if (::fcntl(STDOUT_FILENO, F_GETFD) >= 0 || errno != EBADF) {
        return;
    }
    closed = true;
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
#endif
    if (null >= 0 && null != STDOUT_FILENO) {
        ::dup2(null, STDOUT_FILENO);
        ::close(null);
    }
}

void printOut(const QByteArray& bytes) {
    if (closed && !bytes.isEmpty()) {
        failure = failure == 0 ? EBADF : failure;
    }
    for (qsizetype done = 0; failure == 0 && done < bytes.size();) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.constData() + done,
                                        static_cast<size_t>(bytes.size() - done));
        if (written > 0) {
            done += written;
        } else if (written == 0 || errno != EINTR) {
            failure = written == 0 ? EIO : errno;
        }
    }
}

void printLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + '\n';
    }
    printOut(bytes);
}

int outputError() {
    return failure;
}

}  // namespace rotaline
