// The current colour's readouts, the channel rows and the brightness slider.
//
// Every change travels one road: a colour source writes currentColor and runs a
// refresh; the full refresh moves the three channel bars, whose change handlers
// rewrite the decimal boxes and run the partial refresh. The chain ends because
// writing an equal text or position raises nothing.
#include "app/application.h"
#include "core/mfunc.h"
#include "forms/unit1.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QLabel>

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

std::string Bytes(const QString& s) { return s.toStdString(); }

QString OffsetText(int position)
{
    if (position > 0)
        return QStringLiteral("+") + QString::number(position);
    return QString::number(position);
}

// A hexadecimal digit, in either case, is the only character a hex box takes.
bool IsHexDigitKey(QChar key)
{
    std::int32_t value = 0;
    return key.unicode() < 0x80 && TryStrToInt("0x" + std::string(1, static_cast<char>(key.unicode())), value);
}

void FilterDecimalKey(QChar& key)
{
    if (key.unicode() == 8)
        return;
    if (key.unicode() >= 0x80 || !IsNumeric(std::string(1, static_cast<char>(key.unicode()))))
        key = QChar();
}

void FilterHexKey(QChar& key)
{
    if (key.unicode() == 8)
        return;
    if (!IsHexDigitKey(key))
        key = QChar();
}

} // namespace

// ---- readouts ----

void TForm1::RefreshColor()
{
    PaintBox->FillRect(0, 0, PaintBox->width(), PaintBox->height(), currentColor);
    // The channels are taken before the bars move: each bar's change handler
    // rebuilds currentColor from all three bars while the others still lag.
    const int r = RedOf(currentColor);
    const int g = GreenOf(currentColor);
    const int b = BlueOf(currentColor);
    scrR->setValue(r);
    scrG->setValue(g);
    scrB->setValue(b);
    const TColor snapshot = MakeColor(r, g, b);
    edtDec->Write(Text(DecimalForm(currentColor)));
    edtHex->Write(Text(HexForm(snapshot)));
    edtHtml->Write(Text(HtmlForm(snapshot)));
    edtRB->Write(Text(ChannelHexForm(r)));
    edtGB->Write(Text(ChannelHexForm(g)));
    edtBB->Write(Text(ChannelHexForm(b)));
}

void TForm1::RefreshColorKeepBars()
{
    PaintBox->FillRect(0, 0, PaintBox->width(), PaintBox->height(), currentColor);
    edtDec->Write(Text(DecimalForm(currentColor)));
    edtHex->Write(Text(HexForm(currentColor)));
    edtHtml->Write(Text(HtmlForm(currentColor)));
    edtRB->Write(Text(ChannelHexForm(RedOf(currentColor))));
    edtGB->Write(Text(ChannelHexForm(GreenOf(currentColor))));
    edtBB->Write(Text(ChannelHexForm(BlueOf(currentColor))));
}

void TForm1::PaintBox2Paint(QObject*) { PaintBox->FillRect(0, 0, PaintBox->width(), PaintBox->height(), currentColor); }

// ---- channel rows ----

void TForm1::BarChanged(TScrollBar* bar, TEdit* decimalBox)
{
    decimalBox->Write(QString::number(bar->value()));
    currentColor = MakeColor(scrR->value(), scrG->value(), scrB->value());
    RefreshColorKeepBars();
}

void TForm1::DecimalChanged(TEdit* decimalBox, TScrollBar* bar)
{
    const std::string text = Bytes(decimalBox->text());
    if (!IsNumeric(text))
        return;
    // Digits only, but possibly more than fit: anything beyond the bar's range clamps to 255.
    std::int32_t value = 0;
    if (!TryStrToInt(text, value))
        value = bar->maximum();
    bar->setValue(value);
}

void TForm1::HexChanged(TEdit* hexBox, TEdit* decimalBox)
{
    if (hexBox->text().isEmpty())
        return;
    try {
        const std::int32_t value = StrToInt("0x" + Bytes(hexBox->text()));
        decimalBox->Write(QString::number(value));
    } catch (const EConvertError&) {
        // Text that is not hexadecimal (a paste) is put back from the decimal box.
        // If that box holds no number either, the error goes to the report.
        const std::int32_t restored = StrToInt(Bytes(decimalBox->text()));
        hexBox->Write(Text(ChannelHexForm(restored)));
    }
}

void TForm1::ResetBrightness() { scrValue->setValue(0); }

void TForm1::scrRChange(QObject*) { BarChanged(scrR, edtR); }
void TForm1::scrGChange(QObject*) { BarChanged(scrG, edtG); }
void TForm1::scrBChange(QObject*) { BarChanged(scrB, edtB); }

void TForm1::scrRScroll(QObject*, int, int&) { ResetBrightness(); }
void TForm1::scrGScroll(QObject*, int, int&) { ResetBrightness(); }
void TForm1::scrBScroll(QObject*, int, int&) { ResetBrightness(); }

void TForm1::edtRKeyPress(QObject*, QChar& key) { FilterDecimalKey(key); }
void TForm1::edtGKeyPress(QObject*, QChar& key) { FilterDecimalKey(key); }
void TForm1::edtBKeyPress(QObject*, QChar& key) { FilterDecimalKey(key); }

void TForm1::edtRChange(QObject*) { DecimalChanged(edtR, scrR); }
void TForm1::edtGChange(QObject*) { DecimalChanged(edtG, scrG); }
void TForm1::edtBChange(QObject*) { DecimalChanged(edtB, scrB); }

void TForm1::edtRBKeyPress(QObject*, QChar& key) { FilterHexKey(key); }
void TForm1::edtGBKeyPress(QObject*, QChar& key) { FilterHexKey(key); }
void TForm1::edtBBKeyPress(QObject*, QChar& key) { FilterHexKey(key); }

void TForm1::edtRBChange(QObject*) { HexChanged(edtRB, edtR); }
void TForm1::edtGBChange(QObject*) { HexChanged(edtGB, edtG); }
void TForm1::edtBBChange(QObject*) { HexChanged(edtBB, edtB); }

// ---- brightness slider ----

void TForm1::scrValueChange(QObject*)
{
    const int p = scrValue->value();
    if (p == 0) {
        // At 0 the colour stays as the last position made it and becomes the base.
        baseColor = currentColor;
    } else {
        auto shifted = [p](int channel) { return std::clamp(channel + p, 0, 255); };
        currentColor = MakeColor(shifted(RedOf(baseColor)), shifted(GreenOf(baseColor)), shifted(BlueOf(baseColor)));
        RefreshColor();
    }
    lblValue->setText(OffsetText(p));
}

void TForm1::scrValueScroll(QObject*, int, int&)
{
    // The first step away from 0 starts from the colour shown now, even when
    // nothing told the slider that the colour had changed while it stood at 0.
    const int stored = scrValue->value();
    if (stored == 0)
        baseColor = currentColor;
    lblValue->setText(OffsetText(stored));
}
