// Reads its input as a session of user steps on the whole window, offscreen, with a controller
// on the serial double, and checks the window's promises after every step. A broken promise
// prints the steps in words, for a person to replay by hand, and aborts. Built with
// -fsanitize=fuzzer this is a fuzz target; in the suite, ReplayCorpus.cpp replays the corpus
// and changes of it.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "explorer/Promises.h"
#include "explorer/Session.h"
#include "explorer/Steps.h"

using namespace rotaline::explorer;

namespace {

// A session this long reaches every path a user walks in one sitting; longer ones only cost.
constexpr int MaxSteps = 32;

// Settings files of three controllers, one read-only, one damaged; the journal goes too.
void layFiles(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        dir.remove(name);
    }
    const QStringList copies{"boat alpha", "car bravo", "helicopter charlie", "airplane readonly"};
    for (const QString& copy : copies) {
        QFile::copy(QStringLiteral(TEST_DATA "/") + copy.section(' ', 0, 0) + ".esc",
                    dir.filePath(copy.section(' ', 1) + ".esc"));
    }
    QFile::setPermissions(dir.filePath("readonly.esc"), QFile::ReadOwner | QFile::ReadOther);
    QFile damaged(dir.filePath("damaged.esc"));
    if (damaged.open(QIODevice::WriteOnly)) {
        damaged.write("not a settings file\r\n");
    }
}

struct World {
    QTemporaryDir home;
    QString folder;
    QApplication* app = nullptr;  // never destroyed: Qt's devices outlive it at exit

    World() : folder(home.filePath(QStringLiteral("files"))) {
        // Never the user's settings, journal or display.
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QDir().mkpath(folder);
        static int argc = 1;
        static char name[] = "explorer";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    layFiles(world.folder);
    Session session(world.folder);
    const Steps steps(session);
    Promises promises(session);
    // Each step as it is taken, to read an input of the corpus as a session.
    static const bool tell = qEnvironmentVariableIsSet("ROTALINE_EXPLORER_TELL");
    QStringList transcript;
    std::size_t at = 0;
    for (int taken = 0; at < size && taken < MaxSteps; ++taken) {
        const Done done = steps.take(session, data, size, at);
        QCoreApplication::processEvents();
        if (done.words.isEmpty()) {
            continue;  // greyed or hidden: the user could not have done it
        }
        transcript << QStringLiteral("  %1. %2").arg(transcript.size() + 1).arg(done.words);
        if (tell) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(done.words));
        }
        const QStringList received = session.port.messages();
        if (const QString broken = promises.check(done); !broken.isEmpty()) {
            std::fprintf(
                stderr,
                "\nSession explorer: after these steps, from a fresh start (adapter "
                "with a controller on COM1):\n%s\nthe controller received in the "
                "last step:\n%s\nthe %s\n",
                qUtf8Printable(transcript.join('\n')),
                qUtf8Printable(received.isEmpty() ? QString() : "    " + received.join("\n    ")),
                qUtf8Printable(broken));
            std::abort();
        }
    }
    return 0;
}
