// The named browser colours: the colour list parser, the loader that fills the
// drop-down list, and choosing a name.
#include "app/application.h"
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/tscrollbar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::string_literals;

namespace {

QString ShippedList() { return QStringLiteral(TESMAR_SOURCE_DATA_DIR "/colorcode.dat"); }

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("C%1 0102%2\n").arg(i).arg(i, 2, 16, QLatin1Char('0')).toStdString();
    return text;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestBrowserColors : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString Write(const QByteArray& bytes)
    {
        static int n = 0;
        const QString path = dir.filePath(QStringLiteral("list%1.dat").arg(++n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void parsesNamesAndColours()
    {
        const BrowserColorList list = ParseBrowserColors("Sample 1A2B3C\n"
                                                         " ffeedd\n"
                                                         "Sky Blue  :87ceeb\n"
                                                         "Dup 000001\n"
                                                         "Dup 000002\n");
        QVERIFY(!list.failed);
        QCOMPARE(list.entries.size(), std::size_t{5});
        QCOMPARE(list.entries[0].name, "Sample"s);
        QCOMPARE(list.entries[0].color, TColor{0x3C2B1A});
        QCOMPARE(list.entries[1].name, ""s); // the 8-character line
        QCOMPARE(list.entries[1].color, TColor{0xDDEEFF});
        QCOMPARE(list.entries[2].name, "Sky Blue  "s);
        QCOMPARE(list.entries[2].color, TColor{0xEBCE87});
        QCOMPARE(list.entries[3].color, TColor{0x010000});
        QCOMPARE(list.entries[4].color, TColor{0x020000});
    }

    void lineEnds()
    {
        const BrowserColorList lf = ParseBrowserColors("Red FF0000\nLime 00FF00\n");
        const BrowserColorList crlf = ParseBrowserColors("Red FF0000\r\nLime 00FF00\r\n");
        const BrowserColorList unended = ParseBrowserColors("Red FF0000\nLime 00FF00");
        const BrowserColorList unendedCr = ParseBrowserColors("Red FF0000\r\nLime 00FF00\r");
        for (const BrowserColorList* list : {&lf, &crlf, &unended, &unendedCr}) {
            QVERIFY(!list->failed);
            QCOMPARE(list->entries.size(), std::size_t{2});
            QCOMPARE(list->entries[0].name, "Red"s);
            QCOMPARE(list->entries[0].color, TColor{0x0000FF});
            QCOMPARE(list->entries[1].name, "Lime"s);
            QCOMPARE(list->entries[1].color, TColor{0x00FF00});
        }
    }

    void countOfLines()
    {
        QCOMPARE(ParseBrowserColors("").entries.size(), std::size_t{0});
        const BrowserColorList few = ParseBrowserColors(Lines(3));
        QVERIFY(!few.failed);
        QCOMPARE(few.entries.size(), std::size_t{3});
        // The 142nd line and beyond are never looked at.
        const BrowserColorList many = ParseBrowserColors(Lines(141) + "not a colour\n" + Lines(5));
        QVERIFY(!many.failed);
        QCOMPARE(many.entries.size(), std::size_t{141});
        QCOMPARE(many.entries[140].name, "C140"s);
        QCOMPARE(many.entries[140].color, TColor{0x8C0201});
    }

    void badLinesStopLoading_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("not hex") << QByteArray("Bad 12G456") << QByteArray("Bad")
                                 << QStringLiteral("'0x56G412' は整数ではありません");
        QTest::newRow("blank inside") << QByteArray("Gap 12 456") << QByteArray("Gap")
                                      << QStringLiteral("'0x56 412' は整数ではありません");
        QTest::newRow("sign") << QByteArray("Neg -12345") << QByteArray("Neg")
                              << QStringLiteral("'0x4523-1' は整数ではありません");
        QTest::newRow("too short") << QByteArray("abc") << QByteArray()
                                   << QStringLiteral("'0xabc' は整数ではありません");
        QTest::newRow("six digits, no separator")
            << QByteArray("1A2B3C") << QByteArray() << QStringLiteral("'0x1A2B3C' は整数ではありません");
        QTest::newRow("blank line") << QByteArray("") << QByteArray() << QStringLiteral("'0x' は整数ではありません");
        QTest::newRow("nul in digits") << QByteArray("Nul 12\0"
                                                     "456",
                                                     10)
                                       << QByteArray("Nul")
                                       << QStringLiteral("'0x56") + QChar(0) +
                                              QStringLiteral("412' は整数ではありません");
    }
    void badLinesStopLoading()
    {
        QFETCH(QByteArray, bad);
        QFETCH(QByteArray, name);
        QFETCH(QString, error);
        const std::string text = "Good 102030\n" + bad.toStdString() + "\nLater 405060\n";
        const BrowserColorList list = ParseBrowserColors(text);
        QVERIFY(list.failed);
        QCOMPARE(QString::fromUtf8(list.error.data(), static_cast<qsizetype>(list.error.size())), error);
        QCOMPARE(list.entries.size(), std::size_t{2});
        QCOMPARE(list.entries[0].color, TColor{0x302010});
        QCOMPARE(list.entries[1].name, name.toStdString());
        QCOMPARE(list.entries[1].color, TColor{0});
    }

    void longLinesAreCutAndOddBytesStayWhole()
    {
        // 254 characters with the line break are read whole.
        const std::string longest(246, 'x');
        const std::string odd = "A\0B\xff\xfe"s;
        const BrowserColorList list = ParseBrowserColors(longest + " 010203\n" + odd + " 0a0B0c\n");
        QVERIFY(!list.failed);
        QCOMPARE(list.entries.size(), std::size_t{2});
        QCOMPARE(list.entries[0].name, longest);
        QCOMPARE(list.entries[0].color, TColor{0x030201});
        QCOMPARE(list.entries[1].name, odd);
        QCOMPARE(list.entries[1].color, TColor{0x0C0B0A});

        // A longer line is cut after 254 characters and its rest is the next line.
        const BrowserColorList split = ParseBrowserColors(std::string(247, 'n') + " 0A0B0Czz 102030\n");
        QVERIFY(!split.failed);
        QCOMPARE(split.entries.size(), std::size_t{2});
        QCOMPARE(split.entries[0].name, std::string(247, 'n'));
        QCOMPARE(split.entries[0].color, TColor{0x0C0B0A});
        QCOMPARE(split.entries[1].name, "zz"s);
        QCOMPARE(split.entries[1].color, TColor{0x302010});
        // A line of 300 characters of a name fails at its first 254.
        const BrowserColorList failed = ParseBrowserColors(std::string(300, 'x') + " 010203\n");
        QVERIFY(failed.failed);
        QCOMPARE(failed.error, "'0xxxxxxx' は整数ではありません"s);
    }

    void shippedListIsComplete()
    {
        QFile file(ShippedList());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith('\n'));
        QVERIFY(!bytes.contains('\r'));
        QCOMPARE(bytes.count('\n'), 141);
        const BrowserColorList list = ParseBrowserColors(std::string_view(bytes.constData(), bytes.size()));
        QVERIFY(!list.failed);
        QCOMPARE(list.entries.size(), std::size_t{141});
        QCOMPARE(list.entries.front().name, "AliceBlue"s);
        QCOMPARE(list.entries.back().name, "YellowGreen"s);
        const auto find = [&](const std::string& name) {
            for (const BrowserColor& e : list.entries) {
                if (e.name == name)
                    return e.color;
            }
            return TColor{0xFFFFFFFF};
        };
        QCOMPARE(find("RebeccaPurple"), TColor{0x993366});
        QCOMPARE(find("Black"), TColor{0});
        QCOMPARE(find("Orange"), TColor{0x00A5FF});
        QCOMPARE(find("White"), kWhite);
    }

    void missingOrUnreadableFileKeepsBlack()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        for (const QString& path : {dir.filePath(QStringLiteral("absent.dat")), dir.path()}) {
            QVERIFY(!LoadBrowserColors(f, path));
            QCOMPARE(Items(f->cmbBrowserColor), QStringList{QStringLiteral("Black")});
        }
        f->cmbBrowserColor->setCurrentIndex(0);
        f->cmbBrowserColorChange(f->cmbBrowserColor);
        QCOMPARE(f->currentColor, TColor{0});
        QVERIFY(windows.errors.isEmpty());
    }

    void choosingANameSetsTheColour()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(LoadBrowserColors(f, Write("Teal 008080\nTwin 010203\nTwin 040506\n")));
        QCOMPARE(Items(f->cmbBrowserColor), (QStringList{"Teal", "Twin", "Twin"}));
        QCOMPARE(f->cmbBrowserColor->currentIndex(), -1);
        QCOMPARE(f->browserColors[3].name, ""s);

        f->scrValue->setValue(-30);
        f->cmbBrowserColor->setFocus();
        QTest::keyClick(f->cmbBrowserColor, Qt::Key_Down); // nothing chosen yet: goes to the first
        QTest::keyClick(f->cmbBrowserColor, Qt::Key_Down);
        QTest::keyClick(f->cmbBrowserColor, Qt::Key_Down);
        QCOMPARE(f->cmbBrowserColor->currentIndex(), 2);
        QCOMPARE(f->currentColor, TColor{0x060504});
        QCOMPARE(f->scrValue->value(), 0);
        QCOMPARE(f->edtHtml->text(), QStringLiteral("#040506"));
        QTest::keyClick(f->cmbBrowserColor, Qt::Key_Up);
        QCOMPARE(f->currentColor, TColor{0x030201});
    }

    void loaderOnTheShippedList()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        QVERIFY(LoadBrowserColors(f, ShippedList()));
        QCOMPARE(f->cmbBrowserColor->count(), 141);
        QCOMPARE(f->cmbBrowserColor->itemText(140), QStringLiteral("YellowGreen"));
        QCOMPARE(f->browserColors[140].color, TColor{0x32CD9A});

        // The opened list shows the visible-item count of names, the chosen
        // one among them, just below the box.
        QVERIFY(ShowAndActivate(f));
        QComboBox* combo = f->cmbBrowserColor;
        combo->setCurrentIndex(100);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QTRY_VERIFY(view->isVisible());
        const int rows = view->viewport()->height() / view->sizeHintForRow(0);
        QVERIFY2(rows >= combo->maxVisibleItems() - 2 && rows <= combo->maxVisibleItems(),
                 qPrintable(QString::number(rows)));
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        QCOMPARE(view->window()->y(), combo->mapToGlobal(QPoint(0, combo->height())).y());
        combo->hidePopup();
    }

    void badLineReachesTheErrorReport()
    {
        TesmarWindows windows;
        TForm1* f = windows.main();
        RunGuarded([&] { LoadBrowserColors(f, Write("One 111111\nTwo 222222\nThree 33333Z\nFour 444444\n")); });
        QCOMPARE(windows.errors, QStringList{QStringLiteral("'0x3Z3333' は整数ではありません.")});
        QCOMPARE(Items(f->cmbBrowserColor), (QStringList{"One", "Two"}));
        QCOMPARE(f->browserColors[2].name, "Three"s);
        QCOMPARE(f->browserColors[2].color, TColor{0});
        QCOMPARE(f->browserColors[3].name, ""s);
        QCOMPARE(f->cmbBrowserColor->currentIndex(), -1);
    }

    void checkFileExists()
    {
        Write("x"); // list1.dat or later: make one known file
        QFile known(dir.filePath(QStringLiteral("Index.HTML")));
        QVERIFY(known.open(QIODevice::WriteOnly));
        known.close();
        const std::string folder = dir.path().toStdString() + "/";
        QVERIFY(CheckFileExists(folder + "Index.HTML"));
        QVERIFY(CheckFileExists(folder + "index.html"));
        QVERIFY(CheckFileExists(folder + "INDEX.html"));
        QVERIFY(!CheckFileExists(folder + "index.htm"));
        QVERIFY(!CheckFileExists(folder + "*.html"));
        QVERIFY(!CheckFileExists(folder));
        QVERIFY(!CheckFileExists(folder + "missing/index.html"));
        QVERIFY(CheckFileExists(dir.path().toStdString()));
    }
};

QTEST_MAIN(TestBrowserColors)
#include "test_browsercolors.moc"
