#include "forms/unit4.h"

#include "app/application.h"
#include "core/inifunc.h"
#include "forms/glyphs.h"
#include "forms/shellopen.h"
#include "forms/unit1.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

TfrmVer* frmVer = nullptr;

namespace {

constexpr QRgb kLinkBlue = 0xFF0000FF; // colour value 16711680
constexpr QRgb kLinkRed = 0xFFFF0000;  // colour value 255

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

int CentredEdge(int mainEdge, int mainSize, int dialogSize) { return mainEdge + (mainSize - dialogSize) / 2; }

void CentreOverMainWindow(QWidget* dialog)
{
    if (Form1 == nullptr)
        return;
    const QRect main = Form1->frameGeometry();
    // The frame the window manager draws around the dialog is known once the
    // dialog has been shown; before that, the main window's frame stands in.
    auto frameOf = [](const QWidget* w) {
        const QRect outer = w->frameGeometry();
        const QRect inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    // A dialog shown before and hidden since can report a frame that is no
    // frame at all (negative margins) until it is framed again.
    const auto isFrame = [](const QMargins& m) {
        return !m.isNull() && m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
    };
    QMargins frame = frameOf(dialog);
    if (!isFrame(frame))
        frame = frameOf(Form1);
    const QSize outer = dialog->size().grownBy(frame);
    const int left = CentredEdge(main.left(), main.width(), outer.width());
    const int top = CentredEdge(main.top(), main.height(), outer.height());
    // The client area is placed, not the frame: a window that has not been
    // mapped yet would otherwise have its client corner put where its frame
    // corner belongs.
    dialog->setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()), dialog->size()));
}

QString HomePageAddress() { return HomePageAddress(ExecutableFolder() + QStringLiteral("tesmar.ini")); }

QString HomePageAddress(const QString& settingsPath)
{
    std::string address;
    ReadIniString(address, QFile::encodeName(settingsPath).toStdString(), "App", "HP");
    return QString::fromLocal8Bit(address);
}

TfrmVer::TfrmVer(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(TesmarFont(12));
    setFixedSize(289, 145);

    imgIcon = new QLabel(this);
    imgIcon->setPixmap(TesmarIcon().pixmap(32, 32));
    imgIcon->setGeometry(66, 16, 32, 32);

    Label1 = new QLabel(QStringLiteral("Tesmar"), this);
    QFont title = TesmarFont(24, true);
    title.setItalic(true);
    Label1->setFont(title);
    // 81 by 21 holds the name in the font it was laid out for; a fallback font
    // that sets it wider (or slants it further) widens the label instead of
    // cutting off its last letter.
    const QFontMetrics titleMetrics(title);
    const int inked = std::max(titleMetrics.horizontalAdvance(Label1->text()),
                               titleMetrics.tightBoundingRect(Label1->text()).right() + 1);
    Label1->setGeometry(108, 23, std::max(81, inked + 2), 21);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor::fromRgb(kLinkBlue));
    Label1->setPalette(blue);

    Label2 = MakeLabel(this, QStringLiteral("Version 0.6a"), 166, 48);
    Label4 = MakeLabel(this, QStringLiteral("Tesmarサポートページ"), 8, 80);
    QPalette black = Label4->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label4->setPalette(black);

    // The address comes from a file: it is shown as plain text, never as markup.
    lblURL = MakeLabel(this, QStringLiteral("http://"), 8, 96);
    QFont link = font();
    link.setUnderline(true);
    lblURL->setFont(link);
    lblURL->setCursor(Qt::PointingHandCursor);
    lblURL->setToolTip(QStringLiteral("バグや感想をお寄せください"));
    SetLinkColour(kLinkBlue);
    lblURL->installEventFilter(this);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setGeometry(208, 112, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { Button1Click(btnOK); });
}

void TfrmVer::showEvent(QShowEvent* event)
{
    RunGuarded([this] { FormShow(this); });
    QDialog::showEvent(event);
}

bool TfrmVer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lblURL)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton)
            linkPressed_ = true;
        RunGuarded([&] { lblURLMouseDown(lblURL, mouse->button(), p.x(), p.y()); });
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        // A click is a left press and release both on the link; it runs while
        // the link is still red.
        const bool click = mouse->button() == Qt::LeftButton && linkPressed_ && lblURL->rect().contains(p);
        if (mouse->button() == Qt::LeftButton)
            linkPressed_ = false;
        if (click)
            RunGuarded([&] { lblURLClick(lblURL); });
        RunGuarded([&] { lblURLMouseUp(lblURL, mouse->button(), p.x(), p.y()); });
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TfrmVer::SetLinkColour(QRgb rgb)
{
    QPalette palette = lblURL->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    lblURL->setPalette(palette);
}

void TfrmVer::FormShow(QObject*)
{
    CentreOverMainWindow(this);
    lblURL->setText(HomePageAddress());
    lblURL->adjustSize();
    if (lblURL->text().isEmpty()) {
        // An empty link still has a clickable area, one blank wide.
        lblURL->resize(lblURL->fontMetrics().horizontalAdvance(QLatin1Char(' ')), lblURL->fontMetrics().height());
    }
}

void TfrmVer::lblURLClick(QObject*) { OpenRequest(Form1, AddressUrl(HomePageAddress())); }

void TfrmVer::lblURLMouseDown(QObject*, Qt::MouseButton, int, int) { SetLinkColour(kLinkRed); }

void TfrmVer::lblURLMouseUp(QObject*, Qt::MouseButton, int, int) { SetLinkColour(kLinkBlue); }

void TfrmVer::Button1Click(QObject*) { accept(); }
