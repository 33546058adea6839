#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

namespace {

// The exit status, output and error output of one run of the tool; a last argument ">FILE"
// sends the output to FILE, ">&-" closes it, "2>&1" sends the error output to the output.
std::tuple<int, QByteArray, QString> program(QStringList arguments) {
    QProcess tool;
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
    tool.start(QStringLiteral(PROGRAM_TOOL), arguments);
    tool.waitForFinished(20000);
    return {tool.exitCode(), tool.readAllStandardOutput(),
            QString::fromUtf8(tool.readAllStandardError())};
}

QString data(const QString& name) {
    return QStringLiteral(TEST_DATA "/") + name;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestProgramTool : public QObject {
    Q_OBJECT
private slots:
    // COPY stands for airplane.esc with the line that starts as `line` does
    // replaced by it: its line 9 holds brake type 2, in use; "20G" makes it a
    // sparse file of 20 GB as well. The error output is compared as far as it is
    // given.
    void eachRunEndsAsReviewed_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        for (const QString type : {"airplane", "helicopter", "boat", "car"}) {
            QTest::newRow(qPrintable(type))
                << QStringList{"--describe", data(type + ".esc")} << QByteArray() << 0
                << contentOf(data(type + ".txt")) << "";
        }
        QTest::newRow("car in JSON")
            << QStringList{"--describe", "--format", "json", data("car.esc")} << QByteArray() << 0
            << contentOf(data("car.json")) << "";
        QTest::newRow("helicopter in Chinese")
            << QStringList{"--describe", "--lang=zh", data("helicopter.esc")} << QByteArray() << 0
            << contentOf(data("helicopter-zh.txt")) << "";
        QTest::newRow("boat in German")
            << QStringList{"--describe", "--lang=de", data("boat.esc")} << QByteArray() << 0
            << contentOf(data("boat-de.txt")) << "";
        QTest::newRow("dry run of a >=50A for car with three settings of its own")
            << QStringList{"--dry-run", data("small-car.esc"), "/dev/rotaline-absent"}
            << QByteArray() << 0 << contentOf(data("small-car-load.txt"))
            << "A real run takes 2.9 s on the line.\n";
        QTest::newRow("dry run with both outputs in one, the line time last")
            << QStringList{"--dry-run", data("small-car.esc"), "/dev/rotaline-absent", "2>&1"}
            << QByteArray() << 0
            << contentOf(data("small-car-load.txt")) + "A real run takes 2.9 s on the line.\n"
            << "";
        const QStringList diff = {"--diff", data("airplane.esc"), "COPY"};
        QTest::newRow("diff, brake")
            << diff << QByteArray("91$") << 1 << QByteArray("Brake type: Soft \u2192 Hard\n") << "";
        QTest::newRow("diff, ABS in use in neither")
            << diff << QByteArray("J0!") << 0 << QByteArray() << "";
        // A run that ends with status 2 and nothing printed; `line` changes COPY as
        // above.
        const auto refused = [](const char* row, const QStringList& arguments, const QString& err,
                                const QByteArray& line = QByteArray()) {
            QTest::newRow(row) << arguments << line << 2 << QByteArray() << err;
        };
        refused("diff, bad flag", diff, "COPY: not a settings file at line 10: File is error !\n",
                "9;$");
        const QString damaged =
            "COPY: not a settings file at line 21: File is not found or file is error!\n";
        refused("damaged file", {"COPY", "/dev/rotaline-absent"}, damaged, "D");
        refused("damaged file described", {"--describe", "COPY"}, damaged, "D");
        refused("model that is none", {"--describe", "COPY"},
                "COPY: File is not found or file is error!\n", "519");
        refused("20 GB file described at once", {"--describe", "COPY"},
                "COPY: is larger than 64 KiB, too large for a settings file\n", "20G");
        refused("empty file", {"--describe", data("empty.esc")},
                data("empty.esc") + ": is empty, not a settings file\n");
        refused("empty device", {data("car.esc"), ""},
                "rotaline-program: DEVICE is empty: name the adapter's device, such as ");
        refused("value given to an option that takes none", {"--dry-run=yes", "COPY", "/dev/x"},
                "rotaline-program: --dry-run takes no value\n");
        QTest::newRow("options after the file")
            << QStringList{data("car.esc"), "--describe"} << QByteArray() << 0
            << contentOf(data("car.txt")) << "";
        refused("format that is none", {"--describe", "--format", "xml", data("car.esc")},
                "rotaline-program: \"xml\" is not a format: text or json\n");
        refused("language that is none", {"--diff", "--lang", "fr", "COPY", "COPY"},
                "rotaline-program: \"fr\" is not a language: en or zh or de\n");
        refused("option that is none", {"--frob", "COPY", "/dev/rotaline-absent"},
                "rotaline-program: --frob is not an option\n");
        refused("records asked of a send", {"--last", "3", "COPY", "/dev/rotaline-absent"},
                "rotaline-program: --last goes with --history only\n");
        refused("sheet of no file", {"--sheet", "out.pdf"},
                "rotaline-program: --sheet takes one settings file, 0 given\n");
        refused("diff of one file", {"--diff", "COPY"},
                "rotaline-program: --diff compares two settings files, 1 given\n");
        refused("adapters listed with a file", {"--adapters", "--format", "json", "COPY"},
                "rotaline-program: --adapters takes no file, 1 given\n");
        refused("missing file", {"--describe", "/rotaline-missing.esc"},
                "/rotaline-missing.esc: no such file\n");
        refused("folder", {"--diff", "COPY", TEST_DATA},
                TEST_DATA ": is a folder, not a settings file\n");
#ifdef Q_OS_LINUX  // Linux's own files: a write-only /proc entry, a full /dev/full
        // Write-only even for root, as /proc/sys checks the mode for every user.
        refused("unreadable file", {"/proc/sys/vm/compact_memory", "/dev/rotaline-absent"},
                "/proc/sys/vm/compact_memory: cannot be read: Permission denied\n");
        const QString full =
            "rotaline-program: the output could not be written: No space left on "
            "device\n";
        refused("dry run to a full disk",
                {"--dry-run", data("small-car.esc"), "/dev/rotaline-absent", ">/dev/full"},
                "A real run takes 2.9 s on the line.\n" + full);
        // Whatever the mode and the status it would end with, in the system's own words.
        refused("described to a full disk", {"--describe", data("car.esc"), ">/dev/full"}, full);
        refused("described in JSON to a full disk",
                {"--describe", "--format", "json", data("car.esc"), ">/dev/full"}, full);
        refused("differences to a full disk", diff + QStringList{">/dev/full"}, full, "91$");
        refused("adapters to a full disk", {"--adapters", ">/dev/full"}, full);
        refused("history in JSON to a full disk", {"--history", "--format", "json", ">/dev/full"},
                full);
        refused("described with the output closed", {"--describe", data("car.esc"), ">&-"},
                "rotaline-program: the output could not be written: Bad file descriptor\n");
#endif
        QTest::newRow("port that cannot be used")
            << QStringList{data("airplane.esc"), "/dev/rotaline-absent"} << QByteArray() << 3
            << QByteArray() << "/dev/rotaline-absent cannot be used: ";
    }
    void eachRunEndsAsReviewed() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, line);
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
        file.write(contentOf(data("airplane.esc")).replace(at, line.isEmpty() ? 0 : 3, line));
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
