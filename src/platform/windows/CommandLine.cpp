#include "platform/CommandLine.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <array>

#include "platform/windows/SystemError.h"

namespace rotaline {

namespace {

constexpr qsizetype ConsolePiece = 4096;  // characters a console takes in one call
constexpr DWORD FilePiece = 64 * 1024;

std::array<bool, 2> closed{};  // when the program started

HANDLE handleOf(StandardStream stream) {
    return GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// Characters, in pieces that never part the two halves of a surrogate pair.
QString writeConsole(HANDLE console, const QString& text) {
    for (qsizetype done = 0; done < text.size();) {
        qsizetype piece = std::min(text.size() - done, ConsolePiece);
        if (done + piece < text.size() && text.at(done + piece - 1).isHighSurrogate()) {
            --piece;
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, text.utf16() + done, static_cast<DWORD>(piece), &written,
                           nullptr) ||
            written == 0) {
            return lastSystemMessage();
        }
        done += written;
    }
    return {};
}

QString writeFile(HANDLE file, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, FilePiece));
        if (!WriteFile(file, bytes.constData() + done, piece, &written, nullptr) || written == 0) {
            return lastSystemMessage();
        }
        done += written;
    }
    return {};
}

}  // namespace

// Split as Qt splits it for QCoreApplication::arguments(), which needs the application first.
QStringList commandLineArguments(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments << QString::fromWCharArray(words[i]);
    }
    LocalFree(words);
    return arguments;
}

// A file the program opens gets a handle of its own, never a standard one: nothing to put in a
// closed one's place.
void guardStandardStreams() {
    for (const StandardStream stream : {StandardStream::Output, StandardStream::Error}) {
        const HANDLE handle = handleOf(stream);
        closed[static_cast<int>(stream)] = handle == nullptr || handle == INVALID_HANDLE_VALUE;
    }
}

// A console is given characters: bytes written to it are read in its code page (the OEM one,
// 437 or 850 in the West), which would show "10°" as "10┬░". Changing its code page to UTF-8
// instead would change it for the shell and every program sharing the console, and stay so
// after a Ctrl+C. Wine's console writes the characters to its terminal in the terminal's own
// encoding; with its output a pipe or a file, Wine hands over the bytes, as Windows does.
QString writeStandard(StandardStream stream, const QByteArray& utf8) {
    if (utf8.isEmpty()) {
        return {};
    }
    if (closed[static_cast<int>(stream)]) {
        return systemMessage(ERROR_INVALID_HANDLE);
    }
    const HANDLE handle = handleOf(stream);
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? writeConsole(handle, QString::fromUtf8(utf8))
                                         : writeFile(handle, utf8);
}

}  // namespace rotaline
