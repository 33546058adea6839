#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

#include "support/DataFile.h"

using namespace rotaline::testing;

namespace {

// The exit status, output and error output of one run of the program named first in `arguments`;
// a last argument ">FILE" sends the output to FILE, ">&-" closes it, "2>&1" sends the error output
// to the output.
std::tuple<int, QByteArray, QString> program(QStringList arguments) {
    QProcess tool;
    const QString command = arguments.takeFirst();
    if (arguments.last() == ">&-") {
        arguments.removeLast();
#ifdef Q_OS_UNIX
        tool.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
#endif
    } else if (arguments.last() == QLatin1String("2>&1")) {
        arguments.removeLast();
        tool.setProcessChannelMode(QProcess::MergedChannels);
    } else if (arguments.last().startsWith('>')) {
        tool.setStandardOutputFile(arguments.takeLast().mid(1));
    }
    tool.start(command, arguments);
    tool.waitForFinished(20000);
    return {tool.exitCode(), tool.readAllStandardOutput(),
            QString::fromUtf8(tool.readAllStandardError())};
}

// A text of the data files, with DATA standing for their folder.
QString data(QString text) {
    return text.replace(QStringLiteral("DATA"), QStringLiteral(TEST_DATA));
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestProgramTool : public QObject {
    Q_OBJECT
private slots:
    // The runs of data/program-runs, as common.txt there describes them.
    void eachRunEndsAsReviewed_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        QStringList files{"common.txt"};
#if defined(Q_OS_LINUX)
        files << "linux.txt";
#elif defined(Q_OS_WIN)
        files << "windows.txt";
#endif
        for (const QString& name : files) {
            const QList<DataRow> runs = dataRows(TEST_DATA "/program-runs/" + name);
            QVERIFY2(!runs.isEmpty(), qPrintable(name));
            for (const DataRow& run : runs) {
                QByteArray out;
                for (const QString& piece : wordsOf(data(run.value("out")))) {
                    out += piece.startsWith(TEST_DATA "/") ? contentOf(piece) : piece.toUtf8();
                }
                QTest::newRow(qPrintable(run.title))
                    << run.value("copy").toUtf8()
                    << (run.values("$").isEmpty()
                            ? QStringList{PROGRAM_TOOL} + wordsOf(data(run.value(">")))
                            : wordsOf(data(run.value("$")).replace("ROTALINE", PROGRAMMER)))
                    << run.value("status").toInt() << out << data(run.text("err"));
            }
        }
    }
    void eachRunEndsAsReviewed() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        // Named outside every ANSI code page: on Windows it reaches the tool, its files and its
        // messages as characters.
        const QString copy = dir.filePath(QStringLiteral("飞机 ✈ copy.esc"));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int at = line.isEmpty() ? 0 : (line.front() - '0') * 5;
        file.write(contentOf(TEST_DATA "/airplane.esc").replace(at, line.isEmpty() ? 0 : 3, line));
        QVERIFY(line != "20G" || file.resize(qint64(20) << 30));
        file.close();
        err.replace(QStringLiteral("COPY"), copy);

        const auto [ranStatus, ranOut, ranErr] =
            program(arguments.replaceInStrings(QStringLiteral("COPY"), copy));

        QCOMPARE(ranStatus, status);
        QCOMPARE(ranOut, out);
        QCOMPARE(ranErr.left(err.size()), err);
    }
};

QTEST_GUILESS_MAIN(TestProgramTool)
#include "TestProgramTool.moc"
