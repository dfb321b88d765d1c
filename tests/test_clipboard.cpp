// Copying the readouts: the clipboard holds exactly the readout's text.
#include "support/testsupport.h"

#include "forms/unit1.h"
#include "widgets/tedit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

class ClipboardTest : public QObject {
    Q_OBJECT
private:
    TesmarWindows* windows = nullptr;
    TForm1* f = nullptr;

    static QString Clip() { return QGuiApplication::clipboard()->text(); }

private slots:
    void init()
    {
        windows = new TesmarWindows;
        f = windows->main();
        f->show();
    }
    void cleanup() { delete windows; }

    void buttonAndMenuCopyTheReadout_data()
    {
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QString>("dec");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("html");
        QTest::newRow("white") << 16777215u << "16777215"
                               << "0xffffff"
                               << "#FFFFFF";
        QTest::newRow("red") << 255u << "255"
                             << "0xff0000"
                             << "#FF0000";
        QTest::newRow("blue") << 16711680u << "16711680"
                              << "0x0000ff"
                              << "#0000FF";
        QTest::newRow("black") << 0u << "0"
                               << "0x000000"
                               << "#000000";
    }
    void buttonAndMenuCopyTheReadout()
    {
        QFETCH(uint, colour);
        QFETCH(QString, dec);
        QFETCH(QString, hex);
        QFETCH(QString, html);
        f->currentColor = colour;
        f->RefreshColor();
        const QString before = f->edtHex->text();
        f->edtDec->setFocus();
        f->edtDec->setSelection(0, 1);

        struct Pair {
            QToolButton* button;
            QAction* item;
            QString expected;
        };
        for (const Pair& p : {Pair{f->spbToolSet10, f->mnuEditSet10, dec}, Pair{f->spbToolSet16, f->mnuEditSet16, hex},
                              Pair{f->spbToolSetHTML, f->mnuEditSetHTML, html}}) {
            QGuiApplication::clipboard()->setText(QStringLiteral("old"));
            QTest::mouseClick(p.button, Qt::LeftButton);
            QCOMPARE(Clip(), p.expected);
            QGuiApplication::clipboard()->setText(QStringLiteral("old"));
            p.item->trigger();
            QCOMPARE(Clip(), p.expected);
            // One plain-text item, nothing else left from before.
            QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
        }
        // Copying changes nothing in the window.
        QCOMPARE(f->currentColor, colour);
        QCOMPARE(f->edtHex->text(), before);
        QCOMPARE(f->edtDec->selectionStart(), 0);
        QCOMPARE(f->edtDec->selectedText().size(), 1);
        QVERIFY(windows->errors.isEmpty());
    }

    void laterCopyReplacesEarlier()
    {
        f->mnuEditSet10->trigger();
        f->mnuEditSetHTML->trigger();
        QCOMPARE(Clip(), QStringLiteral("#FFFFFF"));
    }
};

QTEST_MAIN(ClipboardTest)
#include "test_clipboard.moc"
