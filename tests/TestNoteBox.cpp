#include <QtTest>

#include "window/controls/TextBox.h"

using namespace rotaline;

class TestNoteBox : public QObject {
    Q_OBJECT
private slots:
    void appendingTellsOnlyThePiece() {
        TextBox box("Text1", "");
        QList<Property> told;
        box.observe([&](Property property) { told << property; });
        box.setText(QStringLiteral("Car\r\n"));
        box.append(QStringLiteral("Brake type: Hard\r\n"));
        box.append(QString());
        QCOMPARE(box.text(), QStringLiteral("Car\r\nBrake type: Hard\r\n"));
        QCOMPARE(box.lastAppended(), QStringLiteral("Brake type: Hard\r\n"));
        QCOMPARE(told, QList<Property>({Property::Text, Property::TextAppended}));
    }

    void aFloodKeepsTheNewestTextWithinCapacity() {
        TextBox box("Text1", "");
        const QString line = QStringLiteral("received 0123456789\r\n");
        for (qsizetype written = 0; written < 3 * TextBox::Capacity; written += line.size()) {
            box.append(line);
            QVERIFY(box.text().size() <= TextBox::Capacity);
        }
        QVERIFY(box.text().size() >= TextBox::Capacity / 2 - line.size());
        QVERIFY(box.text().startsWith(line));
        QVERIFY(box.text().endsWith(line));
    }
};

QTEST_GUILESS_MAIN(TestNoteBox)
#include "TestNoteBox.moc"
