// The palette store's list: order, counts, colours and the trace lines.
#include "forms/unit1.h"
#include "support/testsupport.h"

#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

class RecordingStore : public PalStore {
public:
    std::vector<std::string> lines;

    // Slot numbers in list order, checked against palCount.
    std::vector<int> Slots() const
    {
        std::vector<int> order;
        for (const PalNode* node = palList; node != nullptr; node = node->next)
            order.push_back(node->no);
        return order;
    }

protected:
    void PalTrace(const std::string& line) override { lines.push_back(line); }
};

std::string Address(const PalNode* node) { return std::to_string(reinterpret_cast<std::uintptr_t>(node)); }

} // namespace

class TestPaletteStore : public QObject {
    Q_OBJECT
private slots:
    void emptyStore()
    {
        RecordingStore store;
        QVERIFY(!store.PalExists(1));
        QCOMPARE(store.PalGetColor(1), kWhite);
        store.PalSetColor(1, 5);
        store.PalDelete(1);
        store.PalClear();
        QVERIFY(store.palList == nullptr);
        QCOMPARE(store.palCount, 0);
        QVERIFY(store.lines.empty());
    }

    void addTracesAddressThenSlot()
    {
        RecordingStore store;
        store.PalAdd(7, 0x123456);
        QCOMPARE(store.palCount, 1);
        QVERIFY(store.palList != nullptr);
        QCOMPARE(store.lines, std::vector<std::string>{"Add " + Address(store.palList)});

        store.PalAdd(3, 0xABCDEF);
        QCOMPARE(store.Slots(), (std::vector<int>{7, 3}));
        QCOMPARE(store.palCount, 2);
        QCOMPARE(store.lines.size(), std::size_t{3});
        QCOMPARE(store.lines[1], "Add " + Address(store.palList->next));
        QCOMPARE(store.lines[2], std::string("3"));
        QCOMPARE(store.PalGetColor(7), TColor{0x123456});
        QCOMPARE(store.PalGetColor(3), TColor{0xABCDEF});
    }

    void deleteHeadMiddleAndLast_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<std::vector<int>>("left");
        QTest::newRow("middle") << 9 << std::vector<int>{5, 2};
        QTest::newRow("head") << 5 << std::vector<int>{9, 2};
        QTest::newRow("last") << 2 << std::vector<int>{5, 9};
        QTest::newRow("absent") << 4 << std::vector<int>{5, 9, 2};
    }
    void deleteHeadMiddleAndLast()
    {
        QFETCH(int, slot);
        QFETCH(std::vector<int>, left);
        RecordingStore store;
        store.PalAdd(5, 0x50);
        store.PalAdd(9, 0x90);
        store.PalAdd(2, 0x20);
        std::string freed;
        for (const PalNode* node = store.palList; node != nullptr; node = node->next) {
            if (node->no == slot)
                freed = Address(node);
        }
        store.lines.clear();
        store.PalDelete(slot);
        QCOMPARE(store.Slots(), left);
        QCOMPARE(store.palCount, static_cast<int>(left.size()));
        if (freed.empty())
            QVERIFY(store.lines.empty());
        else
            QCOMPARE(store.lines, std::vector<std::string>{"Del " + freed});
        for (int no : left)
            QCOMPARE(store.PalGetColor(no), static_cast<TColor>(no * 16));

        // A later add goes behind the last entry that is left.
        store.PalAdd(11, 0xB0);
        left.push_back(11);
        QCOMPARE(store.Slots(), left);
    }

    void setColorTouchesOneEntry()
    {
        RecordingStore store;
        store.PalAdd(5, 0x50);
        store.PalAdd(9, 0x90);
        store.PalAdd(2, 0x20);
        store.lines.clear();
        store.PalSetColor(9, 0xFFEEDD);
        store.PalSetColor(128, 0x1);
        QCOMPARE(store.Slots(), (std::vector<int>{5, 9, 2}));
        QCOMPARE(store.PalGetColor(9), TColor{0xFFEEDD});
        QCOMPARE(store.PalGetColor(5), TColor{0x50});
        QCOMPARE(store.PalGetColor(2), TColor{0x20});
        QVERIFY(!store.PalExists(128));
        QVERIFY(store.lines.empty());
    }

    void duplicateSlotActsOnOlderEntry()
    {
        RecordingStore store;
        store.PalAdd(4, 0x1);
        store.PalAdd(4, 0x2);
        QCOMPARE(store.palCount, 2);
        QCOMPARE(store.PalGetColor(4), TColor{0x1});
        store.PalSetColor(4, 0x3);
        QCOMPARE(store.palList->color, TColor{0x3});
        QCOMPARE(store.palList->next->color, TColor{0x2});
        store.PalDelete(4);
        QCOMPARE(store.PalGetColor(4), TColor{0x2});
        QCOMPARE(store.palCount, 1);
    }

    void clearFreesInListOrder()
    {
        RecordingStore store;
        store.PalAdd(1, 0);
        store.PalAdd(2, 0);
        store.PalAdd(3, 0);
        std::vector<std::string> expected;
        for (const PalNode* node = store.palList; node != nullptr; node = node->next)
            expected.push_back("free " + Address(node));
        store.lines.clear();
        store.PalClear();
        QCOMPARE(store.lines, expected);
        QVERIFY(store.palList == nullptr);
        QCOMPARE(store.palCount, 0);
        store.PalAdd(8, 0x8);
        QVERIFY(store.palList != nullptr);
        QCOMPARE(store.palList->no, 8);
        QCOMPARE(store.palCount, 1);
    }

    void anyNumberIsASlot()
    {
        RecordingStore store;
        for (int no : {0, -1, 129})
            QVERIFY(!store.PalExists(no));
        store.PalAdd(0, 0x10);
        store.PalAdd(-1, 0x20);
        store.PalAdd(129, 0x30);
        QCOMPARE(store.PalGetColor(-1), TColor{0x20});
        QCOMPARE(store.PalGetColor(129), TColor{0x30});
        store.PalDelete(0);
        QCOMPARE(store.Slots(), (std::vector<int>{-1, 129}));
    }

    void mainWindowTracesBareLines()
    {
        // One bare line each on standard error, while the category "tesmar.palette" is on.
        TesmarWindows windows;
        TForm1* form = windows.main();
        const bool wasOn = lcPalette().isDebugEnabled();
        const_cast<QLoggingCategory&>(lcPalette()).setEnabled(QtDebugMsg, true);
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        dup2(capture.handle(), STDERR_FILENO);
        form->PalAdd(1, 0x11);
        form->PalAdd(2, 0x22);
        const QString head = QString::fromStdString(Address(form->palList));
        const QString second = QString::fromStdString(Address(form->palList->next));
        form->FormClose(form);
        const_cast<QLoggingCategory&>(lcPalette()).setEnabled(QtDebugMsg, false);
        form->PalAdd(3, 0x33);
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        const_cast<QLoggingCategory&>(lcPalette()).setEnabled(QtDebugMsg, wasOn);
        capture.seek(0);
        QCOMPARE(QString::fromUtf8(capture.readAll()),
                 QStringList({"Add " + head, "Add " + second, "2", "free " + head, "free " + second, ""})
                     .join(QLatin1Char('\n')));
        QCOMPARE(form->palCount, 1);
    }
};

QTEST_MAIN(TestPaletteStore)
#include "test_palette_store.moc"
