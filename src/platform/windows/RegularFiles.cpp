#include "platform/RegularFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "platform/OpenFile.h"
#include "platform/windows/Handle.h"
#include "platform/windows/LongPath.h"
#include "platform/windows/SystemError.h"

namespace rotaline {

namespace {

constexpr DWORD WritePiece = 64 * 1024;
constexpr int CopyLetters = 6;
constexpr int CopyAttempts = 100;
constexpr qsizetype MaxNameUnits = 255;  // NTFS and exFAT: 255 UTF-16 units a name
const QString CopyMark = QStringLiteral(".rotaline-");

// ".NAME.rotaline-" before the six letters of a copy of the file named `name`, the name cut so
// that the copy's fits where the file's does.
QString copyPrefix(const QString& name) {
    return QLatin1Char('.') + name.left(MaxNameUnits - 1 - CopyMark.size() - CopyLetters) +
           CopyMark;
}

bool writeAll(HANDLE file, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - done, WritePiece));
        if (!WriteFile(file, bytes.constData() + done, piece, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// A new file beside the target, held open without sharing while it is written, so that no
// sweep removes it meanwhile; gone again unless it was moved onto the target.
class Companion {
public:
    explicit Companion(const QString& target) {
        const QFileInfo info(target);
        static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < CopyAttempts && !file_.valid(); ++attempt) {
            QString letters;
            for (int n = 0; n < CopyLetters; ++n) {
                letters += QLatin1Char(Letters[QRandomGenerator::global()->bounded(36)]);
            }
            name_ = longPath(info.absolutePath() + QLatin1Char('/') + copyPrefix(info.fileName()) +
                             letters);
            file_.reset(CreateFileW(wide(name_), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file_.valid() && GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        error_ = file_.valid() ? QString() : lastSystemMessage();
    }
    ~Companion() {
        file_.close();
        if (!error_.isEmpty() || !moved_) {
            DeleteFileW(wide(name_));
        }
    }
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    const QString& error() const { return error_; }

    // The whole content on the disk, then the copy in the target's place: ReplaceFileW keeps
    // the target's attributes and permissions, and a new file is moved into place.
    QString putInPlaceOf(const QString& target, bool exists, const QByteArray& bytes) {
        if (!writeAll(file_.get(), bytes) || !FlushFileBuffers(file_.get())) {
            return lastSystemMessage();
        }
        if (!file_.close()) {
            return lastSystemMessage();
        }
        const QString native = longPath(target);
        moved_ = exists ? ReplaceFileW(wide(native), wide(name_), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                              MoveFileExW(wide(name_), wide(native),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                        : MoveFileExW(wide(name_), wide(native), MOVEFILE_WRITE_THROUGH);
        return moved_ ? QString() : lastSystemMessage();
    }

private:
    QString name_;
    Handle file_{INVALID_HANDLE_VALUE};
    QString error_;
    bool moved_ = false;
};

}  // namespace

// A copy a running save holds cannot be removed: it is open without sharing.
void sweepStaleCopies(const QString& path) {
    const QFileInfo info(path);
    if (info.fileName().isEmpty()) {
        return;
    }
    const QDir folder = info.absoluteDir();
    const QString prefix = copyPrefix(info.fileName());
    static const QRegularExpression letters(QStringLiteral("^[a-z0-9]{%1}$").arg(CopyLetters));
    for (const QString& entry :
         folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (entry.startsWith(prefix) && letters.match(entry.mid(prefix.size())).hasMatch()) {
            DeleteFileW(wide(longPath(folder.filePath(entry))));
        }
    }
}

// Files with other hard links lose them, as with every program that saves through a copy.
bool replaceFileContents(const QString& path, const QByteArray& bytes, QString* error) {
    sweepStaleCopies(path);
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath();
    system::FileStatus found;
    int problem = system::statusOfPath(target, true, &found);
    const bool exists = problem == 0;
    if (exists) {
        problem = found.folder ? FileProblem::IsFolder : found.readOnly ? FileProblem::ReadOnly : 0;
    }
    if (exists && problem == 0) {
        // Looked at on the open file: a device or a pipe has the attributes of none.
        const OpenFile existing(target, system::Open::Read);
        problem = existing.problem();
    } else if (problem == FileProblem::NoSuchFile && !info.isSymLink()) {
        problem = 0;  // made; a dangling link is not followed to make a file
    }
    if (problem != 0) {
        *error = fileReason(problem);
        return false;
    }
    Companion copy(target);
    if (!copy.error().isEmpty()) {
        *error = copy.error();
        return false;
    }
    *error = copy.putInPlaceOf(target, exists, bytes);
    return error->isEmpty();
}

}  // namespace rotaline
