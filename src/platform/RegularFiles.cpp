#include "platform/RegularFiles.h"

#include "platform/AppendLog.h"
#include "platform/OpenFile.h"

namespace rotaline {

namespace {

constexpr qint64 ReadPiece = 64 * 1024;

}  // namespace

QString fileReason(int problem) {
    switch (problem) {
        case FileProblem::NoSuchFile:
            return QStringLiteral("No such file or directory");
        case FileProblem::IsFolder:
            return QStringLiteral("It is a folder.");
        case FileProblem::NotRegular:
            return QStringLiteral("It is not a regular file.");
        case FileProblem::IsLink:
            return QStringLiteral("It is a symbolic link.");
        case FileProblem::HardLinked:
            return QString::fromLatin1(HardLinkedReason);
        case FileProblem::TooLarge:  // of the files read whole, settings files and the settings
                                     // store's
            return QStringLiteral("It is larger than 64 KiB.");
        case FileProblem::ReadOnly:
            return QStringLiteral("It is read-only.");
        case FileProblem::LockHeld:
            return QString::fromLatin1(LockHeldReason);
        default:
            return system::systemReason(problem);
    }
}

FileCheck regularFile(const QString& path, qint64 limit) {
    const OpenFile file(path, system::Open::Read, limit);
    return {file.problem(), file.size(), file.unopened()};
}

bool readRegularFile(const QString& path, qint64 limit,
                     const std::function<bool(const char* bytes, qsizetype size)>& take) {
    const OpenFile file(path, system::Open::Read, limit);
    for (qint64 total = 0; file.isOpen();) {
        int error = 0;
        const QByteArray piece = file.read(total, ReadPiece, &error);
        total += piece.size();
        if (error != 0 || total > limit) {
            return false;
        }
        if (piece.isEmpty() || !take(piece.constData(), piece.size())) {
            return true;
        }
    }
    return false;
}

}  // namespace rotaline
