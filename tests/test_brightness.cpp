// The brightness slider: offsets from the base colour, clamping and recovery,
// the label, and when the shown colour becomes the new base.
#include "forms/unit1.h"
#include "support/testsupport.h"
#include "widgets/tedit.h"
#include "widgets/tscrollbar.h"

#include <QLabel>
#include <QtTest>

namespace {

QString Channels(TColor c) { return QStringLiteral("%1 %2 %3").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c)); }

} // namespace

class TestBrightness : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void darkenWhite();
    void clampAndRecover();
    void extremes();
    void captureWhenColourChangedAtZero_data();
    void captureWhenColourChangedAtZero();
    void stepToZeroKeepsShiftedColour();
    void colourSourceResetsSlider();
    void channelDragResetsSliderFirst();
    void typingAwayFromZeroIsReplacedByNextStep();

private:
    // Presses key on the focused slider count times.
    void Press(Qt::Key key, int count = 1);
    void ShowColour(TColor colour);

    TesmarWindows* windows = nullptr;
    TForm1* w = nullptr;
};

void TestBrightness::init()
{
    windows = new TesmarWindows;
    w = windows->main();
    QVERIFY(ShowAndActivate(w));
    QCOMPARE(QApplication::focusWidget(), w->scrValue);
}

void TestBrightness::cleanup()
{
    QVERIFY(windows->errors.isEmpty());
    delete windows;
    windows = nullptr;
    w = nullptr;
}

void TestBrightness::Press(Qt::Key key, int count)
{
    for (int i = 0; i < count; ++i)
        QTest::keyClick(w->scrValue, key);
}

void TestBrightness::ShowColour(TColor colour)
{
    w->currentColor = colour;
    w->RefreshColor();
}

void TestBrightness::darkenWhite()
{
    Press(Qt::Key_PageUp, 7);
    QCOMPARE(w->scrValue->value(), -56);
    QCOMPARE(w->lblValue->text(), QStringLiteral("-56"));
    QCOMPARE(w->currentColor, 0xC7C7C7u);
    QCOMPARE(w->edtDec->text(), QStringLiteral("13092807"));
    QCOMPARE(w->edtHex->text(), QStringLiteral("0xc7c7c7"));
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#C7C7C7"));
    QCOMPARE(w->edtR->text(), QStringLiteral("199"));
    QCOMPARE(w->edtBB->text(), QStringLiteral("c7"));
    QCOMPARE(w->scrG->value(), 199);
    QCOMPARE(w->baseColor, 0xFFFFFFu);

    Press(Qt::Key_PageDown);
    QCOMPARE(w->lblValue->text(), QStringLiteral("-48"));
    QCOMPARE(w->currentColor, 0xCFCFCFu);
}

void TestBrightness::clampAndRecover()
{
    ShowColour(0x0064FAu); // red 250, green 100, blue 0
    Press(Qt::Key_Right, 10);
    QCOMPARE(w->lblValue->text(), QStringLiteral("+10"));
    QCOMPARE(Channels(w->currentColor), QStringLiteral("255 110 10"));
    Press(Qt::Key_Left, 5);
    QCOMPARE(w->lblValue->text(), QStringLiteral("+5"));
    QCOMPARE(Channels(w->currentColor), QStringLiteral("255 105 5"));
    // At 0 the colour stays as +5 made it, and becomes the base. The jump
    // straight from +5 to 0 is made from code: no thumb pixel lands on 0.
    w->scrValue->setValue(0);
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->lblValue->text(), QStringLiteral("0"));
    QCOMPARE(Channels(w->currentColor), QStringLiteral("255 105 5"));
    QCOMPARE(Channels(w->baseColor), QStringLiteral("255 105 5"));
    Press(Qt::Key_Left, 5);
    QCOMPARE(w->lblValue->text(), QStringLiteral("-5"));
    QCOMPARE(Channels(w->currentColor), QStringLiteral("250 100 0"));
    QCOMPARE(w->edtRB->text(), QStringLiteral("fa"));
}

void TestBrightness::extremes()
{
    ShowColour(0x563412u);
    Press(Qt::Key_Home);
    QCOMPARE(w->scrValue->value(), -256);
    QCOMPARE(w->lblValue->text(), QStringLiteral("-256"));
    QCOMPARE(w->currentColor, 0u);
    QCOMPARE(w->edtHex->text(), QStringLiteral("0x000000"));
    // Further steps stop at the end of the range.
    Press(Qt::Key_PageUp);
    QCOMPARE(w->scrValue->value(), -256);

    Press(Qt::Key_End);
    QCOMPARE(w->scrValue->value(), 256);
    QCOMPARE(w->lblValue->text(), QStringLiteral("+256"));
    QCOMPARE(w->currentColor, 0xFFFFFFu);
    // Both ends worked from the same base.
    QCOMPARE(w->baseColor, 0x563412u);
    Press(Qt::Key_Home);
    Press(Qt::Key_PageDown, 32);
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->currentColor, 0x4E2C0Au); // the base shifted by -8
}

void TestBrightness::captureWhenColourChangedAtZero_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("colour source") << false;
    QTest::newRow("typed channel") << true;
}

void TestBrightness::captureWhenColourChangedAtZero()
{
    QFETCH(bool, typed);
    if (typed) {
        QTest::mouseClick(w->edtGB, Qt::LeftButton);
        QTest::keyClick(w->edtGB, Qt::Key_End);
        QTest::keyClick(w->edtGB, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(w->edtGB, QStringLiteral("8"));
        QCOMPARE(w->currentColor, 0xFF08FFu);
        w->scrValue->setFocus();
    } else {
        // A colour source writes the colour, resets the slider (already 0) and refreshes.
        w->currentColor = 0x808080u;
        w->scrValue->setValue(0);
        w->RefreshColor();
    }
    // Nothing has told the slider yet: the base is still white.
    QCOMPARE(w->baseColor, 0xFFFFFFu);
    const TColor shown = w->currentColor;
    Press(Qt::Key_Left);
    QCOMPARE(w->baseColor, shown);
    QCOMPARE(w->currentColor, shown - 0x010101u);
}

void TestBrightness::stepToZeroKeepsShiftedColour()
{
    ShowColour(0x302010u);
    Press(Qt::Key_Right);
    QCOMPARE(w->currentColor, 0x312111u);
    Press(Qt::Key_Left);
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->lblValue->text(), QStringLiteral("0"));
    QCOMPARE(w->currentColor, 0x312111u);
    QCOMPARE(w->baseColor, 0x312111u);
    Press(Qt::Key_Right);
    QCOMPARE(w->currentColor, 0x322212u);
}

void TestBrightness::colourSourceResetsSlider()
{
    ShowColour(0x102030u);
    Press(Qt::Key_PageDown, 5);
    QCOMPARE(w->lblValue->text(), QStringLiteral("+40"));
    QCOMPARE(w->currentColor, 0x384858u);

    // The order every other colour source keeps: colour, slider to 0, refresh.
    w->currentColor = 0x0000FFu;
    w->scrValue->setValue(0);
    w->RefreshColor();
    QCOMPARE(w->lblValue->text(), QStringLiteral("0"));
    QCOMPARE(w->baseColor, 0x0000FFu);
    QCOMPARE(w->edtHtml->text(), QStringLiteral("#FF0000"));
    Press(Qt::Key_Right);
    QCOMPARE(w->currentColor, 0x0101FFu);
}

void TestBrightness::channelDragResetsSliderFirst()
{
    ShowColour(0x0000D7u); // red 215
    Press(Qt::Key_PageDown, 5);
    QCOMPARE(w->currentColor, 0x2828FFu);

    QVERIFY(DragThumbTo(w->scrG, 128));
    QCOMPARE(w->scrValue->value(), 0);
    QCOMPARE(w->lblValue->text(), QStringLiteral("0"));
    // The base is the colour before the drag; the drag then applies.
    QCOMPARE(w->baseColor, 0x2828FFu);
    QCOMPARE(w->currentColor, 0x2880FFu);
    QCOMPARE(w->edtG->text(), QStringLiteral("128"));

    // The next step starts from the colour shown.
    Press(Qt::Key_Right);
    QCOMPARE(w->currentColor, 0x2981FFu);
}

void TestBrightness::typingAwayFromZeroIsReplacedByNextStep()
{
    ShowColour(0x102030u);
    Press(Qt::Key_PageDown, 5);
    QCOMPARE(w->currentColor, 0x384858u);

    QTest::mouseClick(w->edtR, Qt::LeftButton);
    QTest::keyClick(w->edtR, Qt::Key_End);
    QTest::keyClick(w->edtR, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(w->edtR, QStringLiteral("5"));
    QCOMPARE(w->currentColor, 0x384805u);
    QCOMPARE(w->scrValue->value(), 40);
    QCOMPARE(w->lblValue->text(), QStringLiteral("+40"));

    w->scrValue->setFocus();
    Press(Qt::Key_Right);
    QCOMPARE(w->currentColor, 0x394959u);
    QCOMPARE(w->edtR->text(), QStringLiteral("89"));
}

TESMAR_TEST_MAIN(TestBrightness)
#include "test_brightness.moc"
