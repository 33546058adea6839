#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FormSession.h"

using namespace rotaline::testing;

// Every session under data/sessions, played on a fresh form, must give exactly its reviewed
// transcript. ROTALINE_WRITE_SESSIONS=1 writes the transcripts anew instead, for review.
class TestSessions : public QObject {
    Q_OBJECT
private slots:
    void sessionsGiveTheirTranscripts_data() {
        QTest::addColumn<QString>("path");
        QStringList folders{QStringLiteral(TEST_DATA "/sessions")};
#ifdef Q_OS_LINUX
        folders << QStringLiteral(TEST_DATA "/sessions/linux");  // Linux's own files and words
#endif
        for (const QDir sessions : folders) {
            for (const QString& name : sessions.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
                QTest::newRow(qPrintable(name)) << sessions.filePath(name);
            }
        }
    }
    void sessionsGiveTheirTranscripts() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(file.readAll());
        file.close();
        QTemporaryDir folder;
        for (const QString& name : QDir(QStringLiteral(TEST_DATA)).entryList({"*.esc"})) {
            QFile::copy(QStringLiteral(TEST_DATA "/") + name, folder.filePath(name));
        }

        const QString actual = playSessions(expected, folder.path());

        if (qEnvironmentVariableIsSet("ROTALINE_WRITE_SESSIONS")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.toUtf8());
            return;
        }
        QCOMPARE(actual.split('\n'), expected.split('\n'));  // says the first line that differs
    }
};

QTEST_GUILESS_MAIN(TestSessions)
#include "TestSessions.moc"
