// Every way text reaches the edit boxes (input methods, drops, editing keys),
// the scroll bars' own menu, Qt's texts in Japanese, the browser list's change
// rule and item height, and a restore from the task bar.
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/tscrollbar.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

namespace {

void Commit(TEdit* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// Drags text over the box and drops it there, Shift held to propose a move;
// the action the box answered both times, or none when it refused the drag.
Qt::DropAction Drop(TEdit* box, const QString& text, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
{
    QMimeData data;
    data.setText(text);
    const QPoint at = box->rect().center();
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(box, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(box, &drop);
    if (!drop.isAccepted() || drop.dropAction() != enter.dropAction())
        return Qt::IgnoreAction;
    return drop.dropAction();
}

void EmptyByKeys(TEdit* box)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

// Opens the bar's own menu at a point and chooses the item with Qt's caption.
void ChooseFromBarMenu(TScrollBar* bar, QPoint at, const char* caption)
{
    const QString wanted = QCoreApplication::translate("QScrollBar", caption);
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == wanted) {
                chosen = true;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
    QVERIFY2(chosen, caption);
}

} // namespace

class TestTyping : public QObject {
    Q_OBJECT
    TesmarWindows* windows = nullptr;
    TForm1* w = nullptr;

private slots:
    void init()
    {
        windows = new TesmarWindows;
        w = windows->main();
        QVERIFY(ShowAndActivate(w));
    }
    void cleanup()
    {
        QVERIFY(windows->errors.isEmpty());
        delete windows;
    }

    void readoutsRefuseEveryInput()
    {
        for (TEdit* readout : {w->edtDec, w->edtHex, w->edtHtml}) {
            const QString before = readout->text();
            QTest::mouseClick(readout, Qt::LeftButton);
            QTest::keyClick(readout, Qt::Key_End);
            Commit(readout, QStringLiteral("é1"));
            QVERIFY(!Drop(readout, QStringLiteral("12")));
            QCOMPARE(readout->text(), before);
        }
        QCOMPARE(w->currentColor, 0xFFFFFFu);
    }

    void channelBoxesFilterCommitsAndDrops()
    {
        // Composed, accented and full-width characters are not digits.
        EmptyByKeys(w->edtR);
        Commit(w->edtR, QStringLiteral("é"));
        Commit(w->edtR, QString::fromUtf8("à1\uFF12"));
        QCOMPARE(w->edtR->text(), QStringLiteral("1"));
        Commit(w->edtR, QStringLiteral("2345")); // the typed limit holds three
        QCOMPARE(w->edtR->text(), QStringLiteral("123"));
        QCOMPARE(RedOf(w->currentColor), 123);

        EmptyByKeys(w->edtGB);
        Commit(w->edtGB, QStringLiteral("gÄ7"));
        QCOMPARE(w->edtGB->text(), QStringLiteral("07"));
        QCOMPARE(GreenOf(w->currentColor), 7);

        EmptyByKeys(w->edtB);
        QVERIFY(Drop(w->edtB, QStringLiteral("4x-5６6")));
        QCOMPARE(w->edtB->text(), QStringLiteral("255")); // 456, clamped
        QCOMPARE(BlueOf(w->currentColor), 255);
        // A drop from a readout copies: the readout keeps its text. A drop is
        // answered as a copy even when a move was proposed, and a source that
        // can only move gets no drop.
        EmptyByKeys(w->edtG);
        QCOMPARE(Drop(w->edtG, w->edtDec->text()), Qt::CopyAction);
        QCOMPARE(w->edtG->text(), QStringLiteral("167"));
        QCOMPARE(Drop(w->edtG, QStringLiteral("9"), Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(w->edtG->text(), QStringLiteral("167"));
    }

    void editingKeysDoNothingInChannelBoxes()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        for (TEdit* box : {w->edtR, w->edtRB}) {
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_End);
            const QString before = box->text();
            for (Qt::Key key : {Qt::Key_A, Qt::Key_V, Qt::Key_X, Qt::Key_C, Qt::Key_Z, Qt::Key_Backspace})
                QTest::keyClick(box, key, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(box->text(), before);
            QCOMPARE(box->selectedText(), QString());
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
        // The context menu's paste still reaches the box, through its change
        // rules, and inserts what fits of the text; the menu names no keys.
        EmptyByKeys(w->edtR);
        w->edtR->paste();
        QCOMPARE(RedOf(w->currentColor), 7);
        QGuiApplication::clipboard()->setText(QStringLiteral("1234"));
        w->edtR->setCursorPosition(0);
        w->edtR->paste();
        QCOMPARE(w->edtR->text(), QStringLiteral("127"));
        QCOMPARE(RedOf(w->currentColor), 127);
        QSignalSpy changes(w->edtR, &TEdit::changed);
        w->edtR->paste(); // a full box takes nothing
        QCOMPARE(w->edtR->text(), QStringLiteral("127"));
        QCOMPARE(changes.count(), 0);
        QGuiApplication::clipboard()->setText(QStringLiteral("ABC"));
        w->edtGB->selectAll();
        w->edtGB->paste();
        QCOMPARE(w->edtGB->text(), QStringLiteral("ab"));
        QCOMPARE(GreenOf(w->currentColor), 0xab);

        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            QWidget* menu = QApplication::activePopupWidget();
            for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                shown << action->text();
            if (menu)
                menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->edtB->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w->edtB, &event);
        QTRY_VERIFY(!shown.isEmpty());
        QVERIFY2(shown.filter(QStringLiteral("\t")).isEmpty(), qPrintable(shown.join(QLatin1Char('|'))));
    }

    void scrollBarMenuIsAUserAction()
    {
        QSignalSpy scrolled(w->scrR, &TScrollBar::scrolled);
        ChooseFromBarMenu(w->scrR, QPoint(5, 8), "Page left");
        QCOMPARE(w->scrR->value(), 245);
        QCOMPARE(scrolled.count(), 2);
        QCOMPARE(scrolled.last().at(0).toInt(), TScrollBar::kEndScroll);

        // Green typed at slider 0, then "Scroll here" on the slider's thumb:
        // the brightness starts from the colour shown, typed green included.
        EmptyByKeys(w->edtG);
        QTest::keyClicks(w->edtG, QStringLiteral("8"));
        QCOMPARE(w->currentColor, 0xFF08F5u);
        const QPoint middle = w->scrValue->rect().center() + QPoint(20, 0);
        ChooseFromBarMenu(w->scrValue, middle, "Scroll here");
        const int p = w->scrValue->value();
        QVERIFY(p > 0);
        QCOMPARE(GreenOf(w->currentColor), 8 + p);
        QCOMPARE(w->lblValue->text(), QStringLiteral("+%1").arg(p));

        // A channel bar's "Scroll here" puts the slider back to 0.
        ChooseFromBarMenu(w->scrR, w->scrR->rect().center(), "Scroll here");
        QCOMPARE(w->scrValue->value(), 0);
        QVERIFY(w->scrR->value() > 100 && w->scrR->value() < 160);
    }

    void qtTextsAreJapanese()
    {
        QVERIFY(QCoreApplication::translate("QScrollBar", "Scroll here") != QLatin1String("Scroll here"));
        std::unique_ptr<QMenu> menu(w->edtR->createStandardContextMenu());
        for (QAction* action : menu->actions())
            QVERIFY2(!action->text().contains(QLatin1String("Paste")), qPrintable(action->text()));
    }

    void listChangesColourOnlyOnARealChange()
    {
        QTemporaryFile list;
        QVERIFY(list.open());
        list.write("Navy 000080\nTeal 008080\n");
        list.close();
        QVERIFY(LoadBrowserColors(w, list.fileName()));
        QCOMPARE(w->currentColor, 0xFFFFFFu); // loading chooses nothing
        QCOMPARE(w->cmbBrowserColor->view()->sizeHintForRow(0), 12);

        emit w->cmbBrowserColor->activated(1); // as if chosen from the opened list
        w->cmbBrowserColor->setCurrentIndex(1);
        QCOMPARE(w->currentColor, 0x808000u);
        w->currentColor = 0x123456;
        emit w->cmbBrowserColor->activated(1); // the same item again: no change
        QCOMPARE(w->currentColor, 0x123456u);
    }

    void restoreFromTaskBarIsNoShowing()
    {
        // A showing rewrites the hexadecimal channel boxes; a restore must not.
        EmptyByKeys(w->edtRB);
        QCOMPARE(w->edtRB->text(), QString());
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        w->showNormal();
        QTRY_VERIFY(!w->isMinimized());
        QCOMPARE(w->edtRB->text(), QString());
    }
};

TESMAR_TEST_MAIN(TestTyping)
#include "test_typing.moc"
