#include "platform/CommandLine.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>

namespace rotaline {

namespace {

std::array<bool, 2> closed{};  // when the program started

int descriptorOf(StandardStream stream) {
    return stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

QString reasonOf(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

// The terminal hands over bytes; they are file names in the locale's encoding.
QStringList commandLineArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
    }
    return arguments;
}

void guardStandardStreams() {
    for (const StandardStream stream : {StandardStream::Output, StandardStream::Error}) {
        const int descriptor = descriptorOf(stream);
        if (::fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) {
            continue;
        }
        closed[static_cast<int>(stream)] = true;
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0 && null != descriptor) {
            ::dup2(null, descriptor);
            ::close(null);
        }
    }
}

QString writeStandard(StandardStream stream, const QByteArray& utf8) {
    if (closed[static_cast<int>(stream)] && !utf8.isEmpty()) {
        return reasonOf(EBADF);
    }
    for (qsizetype done = 0; done < utf8.size();) {
        const ssize_t written = ::write(descriptorOf(stream), utf8.constData() + done,
                                        static_cast<size_t>(utf8.size() - done));
        if (written > 0) {
            done += written;
        } else if (written == 0 || errno != EINTR) {
            return reasonOf(written == 0 ? EIO : errno);
        }
    }
    return {};
}

}  // namespace rotaline
