#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/AboutDialog.h"

using namespace rotaline;

class TestAboutAndScreens : public QObject {
    Q_OBJECT
private slots:
    void aboutOpensOnceWithoutAnOwner() {
        int started = 0;
        AboutDialog* first = AboutDialog::showOnce([&] { ++started; });
        AboutDialog* second = AboutDialog::showOnce([&] { ++started; });
        QCOMPARE(first, second);
        QCOMPARE(first->parent(), nullptr);
        QCOMPARE(first->windowTitle(), QStringLiteral("关于 Rotaline"));
        QCOMPARE(first->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.0.0"));
        QCOMPARE(first->findChild<QPushButton*>("cmdSysInfo")->text(),
                 QStringLiteral("系统信息(&S)..."));
        first->findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(started, 1);

        QPointer<AboutDialog> closed(first);
        first->findChild<QPushButton*>("cmdOK")->click();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(AboutDialog::showOnce([] {}) != nullptr);
    }

    void screenshotsComeAtOneAndTwiceThePixelRatio() {
        QTemporaryDir out;
        for (const QStringList& scale : {QStringList(), QStringList{"--scale", "2"}}) {
            QProcess tool;
            tool.start(QStringLiteral(SCREENSHOT_TOOL), QStringList{out.path()} + scale);
            QVERIFY(tool.waitForFinished(60000));
            QCOMPARE(tool.exitCode(), 0);
        }
        const QStringList shots = QDir(out.path()).entryList({"*.png"});
        QCOMPARE(shots.size(), 12);
        QCOMPARE(QImageReader(out.filePath("chinese.png")).size().width(), 604);
        QCOMPARE(QImageReader(out.filePath("tab-car@2x.png")).size().width(), 1208);
    }
};

QTEST_MAIN(TestAboutAndScreens)
#include "TestAboutAndScreens.moc"
