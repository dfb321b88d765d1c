// The main window as the user meets it: title, size, layout, toolbar, menus,
// keyboard focus and the three ways of closing it.
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

namespace {

// One line per menu entry: caption, shortcut and whether it is shown.
QStringList Describe(const QMenu* menu)
{
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        const QString caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        QString line = caption + QLatin1Char('|') + action->shortcut().toString();
        line += action->isVisible() ? QStringLiteral("|shown") : QStringLiteral("|hidden");
        line += action->icon().isNull() ? QString() : QStringLiteral("|icon");
        lines << line;
    }
    return lines;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void windowFrame();
    void clientAreaScrollsToPalette();
    void controlPlaces_data();
    void controlPlaces();
    void hiddenFields();
    void toolbar();
    void menus();
    void popupMenu();
    void hiddenShortcutsDoNothing();
    void onlyBrightnessSliderTakesFocus();
    void sliderKeys_data();
    void sliderKeys();
    void readoutsRefuseTyping();
    void showingAgainRefreshes();
    void closingEmptiesPalette_data();
    void closingEmptiesPalette();
};

void TestMainWindow::windowFrame()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    QCOMPARE(w->windowTitle(), QStringLiteral("Tesmar"));
    QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Tesmar"));

    // 344 by 263 under the menu bar, and the window does not resize.
    QWidget* client = w->centralWidget();
    QCOMPARE(client->size(), QSize(344, 263));
    QCOMPARE(client->y(), w->menuBar()->geometry().bottom() + 1);
    QCOMPARE(w->width(), 344);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    // Maximised or made full screen by the window manager, it goes back.
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        w->setWindowState(state);
        QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
        QCOMPARE(w->size(), w->minimumSize());
    }

    // Centred on the desktop; the frame is not known before the window is
    // shown, so its width is the tolerance.
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const int slack = w->frameGeometry().width() - w->width() + 1;
    QVERIFY2(qAbs(w->frameGeometry().center().x() - desktop.center().x()) <= slack, "not centred across");
    QVERIFY2(qAbs(w->frameGeometry().center().y() - desktop.center().y()) <= slack, "not centred down");

    // The captions are in the first installed font of those asked for; the
    // stand-ins at the end of each list are the only names asked for that
    // need not be installed.
    const QStringList installed = QFontDatabase::families();
    for (const QFont& font : {w->font(), w->Label11->font()}) {
        const QStringList asked = font.families();
        for (const QString& family : asked.mid(0, asked.size() - 2))
            QVERIFY2(installed.contains(family), qPrintable(family));
        const auto first =
            std::find_if(asked.begin(), asked.end(), [&](const QString& f) { return installed.contains(f); });
        if (first != asked.end())
            QCOMPARE(QFontInfo(font).family(), *first);
    }

    // Only the main window is shown at start.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != w)
            QVERIFY2(!top->isVisible(), qPrintable(top->metaObject()->className()));
    }
    QVERIFY(windows.errors.isEmpty());
}

void TestMainWindow::clientAreaScrollsToPalette()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    auto* area = qobject_cast<QScrollArea*>(w->centralWidget());
    QVERIFY(area);
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    QVERIFY(across->isVisible());
    QVERIFY(down->isVisible());
    // The ranges reach the palette grid's right edge and the bottom of lblValue.
    QCOMPARE(across->maximum() + area->viewport()->width(), 554);
    QCOMPARE(down->maximum() + area->viewport()->height(), 256);

    // Scrolling right brings the whole palette grid into view.
    across->setValue(across->maximum());
    const QPoint gridRight = w->imgPalette->mapTo(area->viewport(), QPoint(w->imgPalette->width() - 1, 0));
    QVERIFY(area->viewport()->rect().contains(gridRight));
}

void TestMainWindow::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // width and height 0: size not fixed by the layout

    const struct {
        const char* name;
        QRect place;
    } rows[] = {
        {"Bevel1", {0, 0, 344, 2}},      {"Panel1", {0, 2, 344, 26}},      {"Bevel2", {0, 28, 344, 2}},
        {"Shape1", {7, 40, 91, 41}},     {"PaintBox", {8, 41, 89, 39}},    {"Label1", {120, 42, 0, 0}},
        {"edtDec", {152, 40, 65, 17}},   {"Label2", {232, 42, 0, 0}},      {"edtHex", {264, 40, 65, 17}},
        {"Label12", {112, 66, 0, 0}},    {"edtHtml", {152, 64, 65, 17}},   {"Label11", {272, 85, 0, 0}},
        {"Label15", {308, 85, 0, 0}},    {"Label3", {8, 98, 0, 0}},        {"scrR", {24, 96, 233, 16}},
        {"edtR", {272, 96, 30, 18}},     {"edtRB", {308, 96, 21, 18}},     {"Label4", {8, 122, 0, 0}},
        {"scrG", {24, 120, 233, 16}},    {"edtG", {272, 120, 30, 18}},     {"edtGB", {308, 120, 21, 18}},
        {"Label5", {8, 146, 0, 0}},      {"scrB", {24, 144, 233, 16}},     {"edtB", {272, 144, 30, 18}},
        {"edtBB", {308, 144, 21, 18}},   {"Label13", {8, 172, 0, 0}},      {"cmbBrowserColor", {8, 184, 129, 20}},
        {"Label14", {144, 172, 0, 0}},   {"Shape2", {151, 187, 182, 66}},  {"imgColorBar", {152, 188, 180, 64}},
        {"Label17", {8, 210, 0, 0}},     {"Label18", {123, 210, 0, 0}},    {"scrValue", {8, 225, 129, 17}},
        {"lblValue", {8, 244, 129, 12}}, {"lblPalLabel", {360, 36, 0, 0}}, {"imgPalette", {361, 51, 193, 97}},
        {"Label6", {5, 290, 0, 0}},      {"Label7", {5, 314, 0, 0}},       {"Label8", {5, 338, 0, 0}},
        {"edtH", {21, 287, 30, 20}},     {"edtS", {21, 311, 30, 20}},      {"edtL", {21, 335, 30, 20}},
        {"Label9", {55, 336, 0, 0}},     {"Label10", {55, 312, 0, 0}},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.place;
}

void TestMainWindow::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    TesmarWindows windows;
    TForm1* w = windows.main();
    const QHash<QString, QWidget*> controls = {
        {"Bevel1", w->Bevel1},
        {"Panel1", w->Panel1},
        {"Bevel2", w->Bevel2},
        {"Shape1", w->Shape1},
        {"PaintBox", w->PaintBox},
        {"Label1", w->Label1},
        {"edtDec", w->edtDec},
        {"Label2", w->Label2},
        {"edtHex", w->edtHex},
        {"Label12", w->Label12},
        {"edtHtml", w->edtHtml},
        {"Label11", w->Label11},
        {"Label15", w->Label15},
        {"Label3", w->Label3},
        {"scrR", w->scrR},
        {"edtR", w->edtR},
        {"edtRB", w->edtRB},
        {"Label4", w->Label4},
        {"scrG", w->scrG},
        {"edtG", w->edtG},
        {"edtGB", w->edtGB},
        {"Label5", w->Label5},
        {"scrB", w->scrB},
        {"edtB", w->edtB},
        {"edtBB", w->edtBB},
        {"Label13", w->Label13},
        {"cmbBrowserColor", w->cmbBrowserColor},
        {"Label14", w->Label14},
        {"Shape2", w->Shape2},
        {"imgColorBar", w->imgColorBar},
        {"Label17", w->Label17},
        {"Label18", w->Label18},
        {"scrValue", w->scrValue},
        {"lblValue", w->lblValue},
        {"lblPalLabel", w->lblPalLabel},
        {"imgPalette", w->imgPalette},
        {"Label6", w->Label6},
        {"Label7", w->Label7},
        {"Label8", w->Label8},
        {"edtH", w->edtH},
        {"edtS", w->edtS},
        {"edtL", w->edtL},
        {"Label9", w->Label9},
        {"Label10", w->Label10},
    };
    QWidget* control = controls.value(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), w->clientPage);
    if (place.width() == 0)
        QCOMPARE(control->pos(), place.topLeft());
    else
        QCOMPARE(control->geometry(), place);
}

void TestMainWindow::hiddenFields()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    for (QWidget* hidden : std::initializer_list<QWidget*>{w->Label6, w->Label7, w->Label8, w->edtH, w->edtS, w->edtL,
                                                           w->Label9, w->Label10})
        QVERIFY(!hidden->isVisible());
    QCOMPARE(w->Label6->text(), QStringLiteral("Ｈ"));
    QCOMPARE(w->Label7->toolTip(), QStringLiteral("彩度"));
    QVERIFY(w->lblPalLabel->isVisible());
    QVERIFY(w->imgPalette->isVisible());
    QCOMPARE(w->cmbBrowserColor->isEditable(), false);
}

void TestMainWindow::toolbar()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    const struct {
        QToolButton* button;
        int x;
        const char* hint;
        bool shown;
        bool toggle;
    } rows[] = {
        {w->spbToolPixGet, 8, "画面の色をｺﾋﾟｰ", true, true},
        {w->spbToolSet10, 40, "10進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", true, false},
        {w->spbToolSet16, 64, "16進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", true, false},
        {w->spbToolSetHTML, 88, "HTMLｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", true, false},
        {w->spbToolFrontWnd, 120, "ｳｨﾝﾄﾞｳの最前面表示", true, true},
        {w->spbToolHelp, 152, "ﾍﾙﾌﾟ", true, false},
        {w->SpeedButton1, 240, "ﾊﾟﾚｯﾄの保存", false, false},
        {w->SpeedButton2, 264, "ﾊﾟﾚｯﾄの読み込み", false, false},
        {w->spbToolPalAdd, 296, "ﾊﾟﾚｯﾄに入れる", false, false},
    };
    for (const auto& row : rows) {
        const QString hint = QString::fromUtf8(row.hint);
        QCOMPARE(row.button->parentWidget(), w->Panel1);
        QCOMPARE(row.button->geometry(), QRect(row.x, 2, 23, 22));
        QCOMPARE(row.button->toolTip(), hint);
        QCOMPARE(row.button->isVisible(), row.shown);
        QCOMPARE(row.button->isCheckable(), row.toggle);
        QVERIFY2(!row.button->icon().isNull(), qPrintable(hint));
        QCOMPARE(row.button->iconSize(), QSize(16, 16));
        QCOMPARE(row.button->icon().pixmap(16, 16).size(), QSize(16, 16));
    }
}

void TestMainWindow::menus()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QStringList bar;
    for (const QAction* action : w->menuBar()->actions())
        bar << action->text() + (action->isVisible() ? QString() : QStringLiteral("|hidden"));
    QCOMPARE(bar, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));

    QCOMPARE(Describe(w->mnuFile), QStringList({
                                       "ﾊﾟﾚｯﾄの保存(&S)|Ctrl+S|hidden|icon",
                                       "ﾊﾟﾚｯﾄの読み込み(&L)|Ctrl+O|hidden|icon",
                                       "-||hidden",
                                       "画像から抽出(&B)||hidden",
                                       "-||hidden",
                                       "終了(&X)|Ctrl+Q|shown",
                                   }));
    QCOMPARE(Describe(w->mnuEdit), QStringList({
                                       "画面の色をｺﾋﾟｰ(&S)||shown|icon",
                                       "-||shown",
                                       "ﾊﾟﾚｯﾄに入れる(&I)||hidden|icon",
                                       "ﾊﾟﾚｯﾄから削除(&E)||hidden",
                                       "-||hidden",
                                       "10進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&D)||shown|icon",
                                       "16進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&H)||shown|icon",
                                       "HTMLｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&T)||shown|icon",
                                       "-||hidden",
                                       "ﾊﾟﾚｯﾄをｸﾘｱ(&C)||hidden",
                                   }));
    QCOMPARE(Describe(w->mnuVisible), QStringList({
                                          "ｳｨﾝﾄﾞｳの最前面表示(&F)||shown",
                                          "-||hidden",
                                          "ｵﾌﾟｼｮﾝ(&O)...||hidden",
                                      }));
    QVERIFY(w->mnuVisibleWndFront->isCheckable());
    QVERIFY(!w->mnuVisibleWndFront->isChecked());
    QCOMPARE(Describe(w->mnuHelp), QStringList({
                                       "目次(&C)|F1|shown|icon",
                                       "-||shown",
                                       "作者のﾎｰﾑﾍﾟｰｼﾞ(&H)||shown",
                                       "-||shown",
                                       "Auto Update(&U)||hidden",
                                       "Auto Update設定(&O)||hidden",
                                       "-||hidden",
                                       "ﾊﾞｰｼﾞｮﾝ情報(&A)...||shown",
                                   }));
    // The members name the entries the tables name.
    QCOMPARE(w->mnuFileExit, w->mnuFile->actions().at(5));
    QCOMPARE(w->mnuEditSetHTML, w->mnuEdit->actions().at(7));
    QCOMPARE(w->mnuHelpAbout, w->mnuHelp->actions().at(7));
}

void TestMainWindow::popupMenu()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(w->popPal);
    QCOMPARE(Describe(w->popPal), QStringList({
                                      "色の追加(&A)||shown|icon",
                                      "色の削除(&D)||shown",
                                      "-||shown",
                                      "ﾊﾟﾚｯﾄをｸﾘｱ(&E)||shown",
                                  }));
    QVERIFY(!w->popPal->isVisible());
}

void TestMainWindow::hiddenShortcutsDoNothing()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    QSignalSpy save(w->mnuFilePalSave, &QAction::triggered);
    QSignalSpy load(w->mnuFilePalLoad, &QAction::triggered);
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(save.count(), 0);
    QCOMPARE(load.count(), 0);
    QVERIFY(w->isVisible());
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    QVERIFY(windows.errors.isEmpty());
}

void TestMainWindow::onlyBrightnessSliderTakesFocus()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    QCOMPARE(QApplication::focusWidget(), w->scrValue);

    QStringList tabStops;
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->isWindow() && child->isVisibleTo(w) && (child->focusPolicy() & Qt::TabFocus))
            tabStops << child->metaObject()->className();
    }
    QCOMPARE(tabStops, QStringList({"TScrollBar"}));
    QVERIFY(w->scrValue->focusPolicy() & Qt::TabFocus);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->scrValue);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w->scrValue);
}

void TestMainWindow::sliderKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    QTest::newRow("Right") << int(Qt::Key_Right) << 1;
    QTest::newRow("Left") << int(Qt::Key_Left) << -1;
    QTest::newRow("Down") << int(Qt::Key_Down) << 1;
    QTest::newRow("Up") << int(Qt::Key_Up) << -1;
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 8;
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << -8;
    QTest::newRow("Home") << int(Qt::Key_Home) << -256;
    QTest::newRow("End") << int(Qt::Key_End) << 256;
}

void TestMainWindow::sliderKeys()
{
    QFETCH(int, key);
    QFETCH(int, position);
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    QSignalSpy scrolled(w->scrValue, &TScrollBar::scrolled);
    QTest::keyClick(w->scrValue, Qt::Key(key));
    QCOMPARE(w->scrValue->value(), position);
    // One step, then the end of the action when the key comes up.
    QCOMPARE(scrolled.count(), 2);
    QCOMPARE(scrolled.last().at(0).toInt(), TScrollBar::kEndScroll);
}

void TestMainWindow::readoutsRefuseTyping()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    for (TEdit* readout : {w->edtDec, w->edtHex, w->edtHtml}) {
        const QString before = readout->text();
        QTest::mouseClick(readout, Qt::LeftButton);
        QTest::keyClick(readout, Qt::Key_End);
        QTest::keyClicks(readout, QStringLiteral("12"));
        QTest::keyClick(readout, Qt::Key_Backspace);
        QCOMPARE(readout->text(), before);
    }
    QCOMPARE(w->currentColor, 0xFFFFFFu);
}

void TestMainWindow::showingAgainRefreshes()
{
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    w->currentColor = 0x563412u;
    w->edtHtml->Write(QStringLiteral("#000000"));
    w->hide();
    QVERIFY(ShowAndActivate(w));
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#123456"));
    QCOMPARE(w->edtR->text(), QStringLiteral("18"));
    QCOMPARE(w->scrB->value(), 86);
    QCOMPARE(w->scrValue->value(), 0);
}

void TestMainWindow::closingEmptiesPalette_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+Q") << "key";
    QTest::newRow("exit menu item") << "menu";
    QTest::newRow("close button") << "close";
}

void TestMainWindow::closingEmptiesPalette()
{
    QFETCH(QString, how);
    TesmarWindows windows;
    TForm1* w = windows.main();
    QVERIFY(ShowAndActivate(w));
    w->PalAdd(1, 0x123456);
    w->PalAdd(5, 0x0000FF);
    QCOMPARE(w->palCount, 2);
    if (how == QLatin1String("key"))
        QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
    else if (how == QLatin1String("menu"))
        w->mnuFileExit->trigger();
    else
        QVERIFY(w->close());
    QVERIFY(!w->isVisible());
    QCOMPARE(w->palCount, 0);
    QCOMPARE(w->palList, nullptr);
    QVERIFY(windows.errors.isEmpty());
}

TESMAR_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
