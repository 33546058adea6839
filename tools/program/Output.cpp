#include "program/Output.h"

#include "platform/CommandLine.h"

namespace rotaline {

namespace {

QString failure;

}  // namespace

void guardOutput() {
    guardStandardStreams();
}

void printOut(const QByteArray& bytes) {
    if (failure.isEmpty()) {
        failure = writeStandard(StandardStream::Output, bytes);
    }
}

void printLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + '\n';
    }
    printOut(bytes);
}

void printError(const QString& line) {
    writeStandard(StandardStream::Error, line.toUtf8() + '\n');
}

QString outputError() {
    return failure;
}

}  // namespace rotaline
