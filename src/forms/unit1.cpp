// The main window's construction, layout and life: start-up, showing, closing.

#include "forms/unit1.h"
#include "app/application.h"
#include "forms/glyphs.h"
#include "forms/spoite.h"
#include "widgets/tcombobox.h"
#include "widgets/tedit.h"
#include "widgets/timage.h"
#include "widgets/tscrollbar.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <concepts>
#include <cstdio>
#include <utility>

Q_LOGGING_CATEGORY(lcPalette, "tesmar.palette")

TForm1* Form1 = nullptr;

namespace {

constexpr QRgb kReadoutBackground = 0xFFEFEFEF; // colour value 15724527

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, bool bold = true)
{
    auto* label = new QLabel(text, parent);
    label->setFont(TesmarFont(12, bold));
    label->move(x, y);
    label->adjustSize();
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

TEdit* MakeEdit(QWidget* parent, int x, int y, int w, int h)
{
    auto* edit = new TEdit(parent);
    edit->setGeometry(x, y, w, h);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

void MakeReadout(TEdit* edit)
{
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kReadoutBackground));
    edit->setPalette(palette);
}

TScrollBar* MakeBar(QWidget* parent, int x, int y, int w, int h, int minimum, int maximum, int largeStep)
{
    auto* bar = new TScrollBar(parent);
    bar->setGeometry(x, y, w, h);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(largeStep);
    return bar;
}

// Items of one fixed height, as the drop-down list lays them out.
class FixedHeightItemDelegate : public QStyledItemDelegate {
public:
    FixedHeightItemDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), height_);
    }

private:
    int height_;
};

QFrame* MakeBevel(QWidget* parent, int y)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, y, 344, 2);
    return bevel;
}

// Runs a handler bound to a control's notification so that an error it raises
// ends the handler and goes to the general error report there and then. Qt's
// widget code is built without exceptions and cannot be unwound through: an
// error crossing it would leak and leave the control half-updated.
template <typename F> auto Guarded(F body)
{
    return [body](auto&&... args) requires std::invocable<const F&, decltype(args)...>
    {
        RunGuarded([&] { body(std::forward<decltype(args)>(args)...); });
    };
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tesmar"));
    setFont(TesmarFont(12));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildLayout();
    BuildToolbar();
    BuildMenus();
    ConnectHandlers();

    // The window does not resize: the client area stays 344 by 263 under the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    // Centred on the desktop. The frame the window manager draws is not known
    // before the first showing: the window is placed by its inner size now and
    // put right once the frame is known (moveEvent).
    CentreOuterFrame();
    centreWhenFramed_ = true;
    scrValue->setFocus();

    RunGuarded([this] { FormCreate(this); });
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout()
{
    scrollBox = new QScrollArea(this);
    scrollBox->setFrameShape(QFrame::NoFrame);
    scrollBox->setFocusPolicy(Qt::NoFocus);
    scrollBox->setWidgetResizable(false);
    scrollBox->setFixedSize(344, 263);
    // The page reaches the right edge of the palette grid and the bottom of lblValue.
    clientPage = new QWidget;
    clientPage->setFixedSize(554, 256);
    scrollBox->setWidget(clientPage);
    setCentralWidget(scrollBox);
    QWidget* page = clientPage;

    Bevel1 = MakeBevel(page, 0);
    Panel1 = new QWidget(page);
    Panel1->setGeometry(0, 2, 344, 26);
    Bevel2 = MakeBevel(page, 28);

    Shape1 = new TShape(page);
    Shape1->setGeometry(7, 40, 91, 41);
    PaintBox = new TImage(page);
    PaintBox->move(8, 41);
    PaintBox->SetPictureSize(89, 39);
    // The swatch's hint exists but hints are off for it, so it is never shown.
    PaintBox->setWhatsThis(QStringLiteral("ﾀﾞﾌﾞﾙｸﾘｯｸでﾊﾟﾚｯﾄに色をｾｯﾄできます"));

    Label1 = MakeLabel(page, QStringLiteral("10進"), 120, 42);
    edtDec = MakeEdit(page, 152, 40, 65, 17);
    MakeReadout(edtDec);
    edtDec->setLowerCase(true);
    edtDec->setTypedLimit(8);
    Label2 = MakeLabel(page, QStringLiteral("16進"), 232, 42);
    edtHex = MakeEdit(page, 264, 40, 65, 17);
    MakeReadout(edtHex);
    edtHex->setLowerCase(true);
    edtHex->setTypedLimit(7);
    Label12 = MakeLabel(page, QStringLiteral("HTML"), 112, 66);
    edtHtml = MakeEdit(page, 152, 64, 65, 17);
    MakeReadout(edtHtml);

    Label11 = MakeLabel(page, QStringLiteral("10"), 272, 85);
    Label11->setFont(TesmarFixedFont(11, true));
    Label11->adjustSize();
    Label15 = MakeLabel(page, QStringLiteral("16"), 308, 85);
    Label15->setFont(TesmarFixedFont(11, true));
    Label15->adjustSize();

    struct Row {
        QLabel*& label;
        const char* caption;
        QColor colour;
        TScrollBar*& bar;
        TEdit*& decimal;
        TEdit*& hex;
        int y;
    };
    Row rows[] = {{Label3, "R", QColor(255, 0, 0), scrR, edtR, edtRB, 96},
                  {Label4, "G", QColor(0, 128, 0), scrG, edtG, edtGB, 120},
                  {Label5, "B", QColor(0, 0, 255), scrB, edtB, edtBB, 144}};
    for (Row& row : rows) {
        row.label = MakeLabel(page, QString::fromLatin1(row.caption), 8, row.y + 2);
        if (row.caption[0] == 'R') {
            row.label->setFont(TesmarFont(13, true));
            row.label->adjustSize();
        }
        SetTextColour(row.label, row.colour);
        row.bar = MakeBar(page, 24, row.y, 233, 16, 0, 255, 10);
        row.decimal = MakeEdit(page, 272, row.y, 30, 18);
        row.decimal->setTypedLimit(3);
        row.decimal->Write(QStringLiteral("0"));
        row.hex = MakeEdit(page, 308, row.y, 21, 18);
        row.hex->setTypedLimit(2);
        row.hex->setLowerCase(true);
    }

    Label13 = MakeLabel(page, QStringLiteral("ブラウザカラー"), 8, 172);
    cmbBrowserColor = new TComboBox(page);
    cmbBrowserColor->setGeometry(8, 184, 129, 20);
    cmbBrowserColor->setEditable(false);
    cmbBrowserColor->setFocusPolicy(Qt::ClickFocus);
    cmbBrowserColor->addItem(QStringLiteral("Black"));
    cmbBrowserColor->setCurrentIndex(-1);
    cmbBrowserColor->setMaxVisibleItems(16);
    cmbBrowserColor->setItemDelegate(new FixedHeightItemDelegate(12, cmbBrowserColor));

    Label14 = MakeLabel(page, QStringLiteral("ｶﾗｰﾊﾞｰ"), 144, 172);
    Shape2 = new TShape(page);
    Shape2->setGeometry(151, 187, 182, 66);
    imgColorBar = new TImage(page);
    imgColorBar->move(152, 188);
    imgColorBar->SetPictureSize(180, 64);

    Label17 = MakeLabel(page, QStringLiteral("暗"), 8, 210);
    Label18 = MakeLabel(page, QStringLiteral("明"), 123, 210);
    scrValue = MakeBar(page, 8, 225, 129, 17, -256, 256, 8);
    scrValue->setFocusPolicy(Qt::StrongFocus);
    lblValue = new QLabel(QStringLiteral("0"), page);
    lblValue->setGeometry(8, 244, 129, 12);
    lblValue->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblPalLabel = MakeLabel(page, QStringLiteral("パレット"), 360, 36);
    imgPalette = new TImage(page);
    imgPalette->move(361, 51);
    imgPalette->SetPictureSize(193, 97);

    // The hue, saturation and lightness fields exist but are never shown.
    Label6 = MakeLabel(page, QStringLiteral("Ｈ"), 5, 290, false);
    Label6->setToolTip(QStringLiteral("色相"));
    Label7 = MakeLabel(page, QStringLiteral("Ｓ"), 5, 314, false);
    Label7->setToolTip(QStringLiteral("彩度"));
    Label8 = MakeLabel(page, QStringLiteral("Ｖ"), 5, 338, false);
    Label8->setToolTip(QStringLiteral("明度"));
    edtH = MakeEdit(page, 21, 287, 30, 20);
    edtS = MakeEdit(page, 21, 311, 30, 20);
    edtL = MakeEdit(page, 21, 335, 30, 20);
    Label9 = MakeLabel(page, QStringLiteral("%"), 55, 336, false);
    Label10 = MakeLabel(page, QStringLiteral("%"), 55, 312, false);
    for (QWidget* hidden : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8),
                            static_cast<QWidget*>(edtH), static_cast<QWidget*>(edtS), static_cast<QWidget*>(edtL),
                            static_cast<QWidget*>(Label9), static_cast<QWidget*>(Label10)})
        hidden->hide();
}

void TForm1::BuildToolbar()
{
    const QList<QIcon>& images = ImageListTool();
    auto button = [this](int x, const QString& hint, const QIcon& glyph) {
        auto* b = new QToolButton(Panel1);
        b->setGeometry(x, 2, 23, 22);
        b->setIcon(glyph);
        b->setIconSize(QSize(16, 16));
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    spbToolPixGet = button(8, QStringLiteral("画面の色をｺﾋﾟｰ"), images[2]);
    spbToolSet10 = button(40, QStringLiteral("10進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), images[4]);
    spbToolSet16 = button(64, QStringLiteral("16進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), images[5]);
    spbToolSetHTML = button(88, QStringLiteral("HTMLｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"), images[6]);
    spbToolFrontWnd = button(120, QStringLiteral("ｳｨﾝﾄﾞｳの最前面表示"), images[7]);
    spbToolHelp = button(152, QStringLiteral("ﾍﾙﾌﾟ"), images[8]);
    SpeedButton1 = button(240, QStringLiteral("ﾊﾟﾚｯﾄの保存"), images[0]);
    SpeedButton2 = button(264, QStringLiteral("ﾊﾟﾚｯﾄの読み込み"), images[1]);
    spbToolPalAdd = button(296, QStringLiteral("ﾊﾟﾚｯﾄに入れる"), images[3]);
    SpeedButton1->hide();
    SpeedButton2->hide();
    spbToolPalAdd->hide();

    // Each toggle is alone in a group that at first does not let it come up.
    spbToolPixGet->setCheckable(true);
    pixGetGroup = new QButtonGroup(this);
    pixGetGroup->setExclusive(true);
    pixGetGroup->addButton(spbToolPixGet, 1);
    spbToolFrontWnd->setCheckable(true);
    frontWndGroup = new QButtonGroup(this);
    frontWndGroup->setExclusive(true);
    frontWndGroup->addButton(spbToolFrontWnd, 2);
    spbToolHelp->installEventFilter(this);
}

void TForm1::BuildMenus()
{
    const QList<QIcon>& images = ImageListTool();
    mnuMain = menuBar();
    auto item = [](QMenu* menu, const QString& caption, int icon = -1, bool visible = true) {
        QAction* action = menu->addAction(caption);
        if (icon >= 0)
            action->setIcon(ImageListTool().at(icon));
        action->setVisible(visible);
        return action;
    };
    auto separator = [](QMenu* menu, bool visible) {
        QAction* action = menu->addSeparator();
        action->setVisible(visible);
        return action;
    };

    mnuFile = mnuMain->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFilePalSave = item(mnuFile, QStringLiteral("ﾊﾟﾚｯﾄの保存(&S)"), 0, false);
    mnuFilePalSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFilePalLoad = item(mnuFile, QStringLiteral("ﾊﾟﾚｯﾄの読み込み(&L)"), 1, false);
    mnuFilePalLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    N1 = separator(mnuFile, false);
    mnuFilePicTake = item(mnuFile, QStringLiteral("画像から抽出(&B)"), -1, false);
    N2 = separator(mnuFile, false);
    mnuFileExit = item(mnuFile, QStringLiteral("終了(&X)"));
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuEdit = mnuMain->addMenu(QStringLiteral("編集(&E)"));
    mnuEditScreenCopy = item(mnuEdit, QStringLiteral("画面の色をｺﾋﾟｰ(&S)"), 2);
    N3 = separator(mnuEdit, true);
    mnuEditPalAdd = item(mnuEdit, QStringLiteral("ﾊﾟﾚｯﾄに入れる(&I)"), 3, false);
    mnuEditPalDel = item(mnuEdit, QStringLiteral("ﾊﾟﾚｯﾄから削除(&E)"), -1, false);
    N4 = separator(mnuEdit, false);
    mnuEditSet10 = item(mnuEdit, QStringLiteral("10進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&D)"), 4);
    mnuEditSet16 = item(mnuEdit, QStringLiteral("16進ｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&H)"), 5);
    mnuEditSetHTML = item(mnuEdit, QStringLiteral("HTMLｶﾗｰをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&T)"), 6);
    N7 = separator(mnuEdit, false);
    C1 = item(mnuEdit, QStringLiteral("ﾊﾟﾚｯﾄをｸﾘｱ(&C)"), -1, false);

    mnuVisible = mnuMain->addMenu(QStringLiteral("表示(&V)"));
    mnuVisibleWndFront = item(mnuVisible, QStringLiteral("ｳｨﾝﾄﾞｳの最前面表示(&F)"));
    mnuVisibleWndFront->setCheckable(true);
    N6 = separator(mnuVisible, false);
    mnuVisibleOption = item(mnuVisible, QStringLiteral("ｵﾌﾟｼｮﾝ(&O)..."), -1, false);

    mnuHelp = mnuMain->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContents = item(mnuHelp, QStringLiteral("目次(&C)"), 8);
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    N5 = separator(mnuHelp, true);
    mnuHelpHomePage = item(mnuHelp, QStringLiteral("作者のﾎｰﾑﾍﾟｰｼﾞ(&H)"));
    N10 = separator(mnuHelp, true);
    AutoUpdateU1 = item(mnuHelp, QStringLiteral("Auto Update(&U)"), -1, false);
    AutoUpdateO1 = item(mnuHelp, QStringLiteral("Auto Update設定(&O)"), -1, false);
    N11 = separator(mnuHelp, false);
    mnuHelpAbout = item(mnuHelp, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    // Opened only by the program, from a press on the palette grid.
    popPal = new QMenu(this);
    A1 = item(popPal, QStringLiteral("色の追加(&A)"), 3);
    popPalDel = item(popPal, QStringLiteral("色の削除(&D)"));
    N8 = separator(popPal, true);
    N9 = item(popPal, QStringLiteral("ﾊﾟﾚｯﾄをｸﾘｱ(&E)"));
    Q_UNUSED(images);
}

void TForm1::ConnectHandlers()
{
    // Channel rows.
    connect(scrR, &TScrollBar::changed, this, Guarded([this] { scrRChange(scrR); }));
    connect(scrG, &TScrollBar::changed, this, Guarded([this] { scrGChange(scrG); }));
    connect(scrB, &TScrollBar::changed, this, Guarded([this] { scrBChange(scrB); }));
    connect(scrR, &TScrollBar::scrolled, this, Guarded([this](int code) {
                int pos = scrR->sliderPosition();
                scrRScroll(scrR, code, pos);
            }));
    connect(scrG, &TScrollBar::scrolled, this, Guarded([this](int code) {
                int pos = scrG->sliderPosition();
                scrGScroll(scrG, code, pos);
            }));
    connect(scrB, &TScrollBar::scrolled, this, Guarded([this](int code) {
                int pos = scrB->sliderPosition();
                scrBScroll(scrB, code, pos);
            }));
    edtR->onKeyPress = [this](QChar& key) { edtRKeyPress(edtR, key); };
    edtG->onKeyPress = [this](QChar& key) { edtGKeyPress(edtG, key); };
    edtB->onKeyPress = [this](QChar& key) { edtBKeyPress(edtB, key); };
    edtRB->onKeyPress = [this](QChar& key) { edtRBKeyPress(edtRB, key); };
    edtGB->onKeyPress = [this](QChar& key) { edtGBKeyPress(edtGB, key); };
    edtBB->onKeyPress = [this](QChar& key) { edtBBKeyPress(edtBB, key); };
    connect(edtR, &TEdit::changed, this, Guarded([this] { edtRChange(edtR); }));
    connect(edtG, &TEdit::changed, this, Guarded([this] { edtGChange(edtG); }));
    connect(edtB, &TEdit::changed, this, Guarded([this] { edtBChange(edtB); }));
    connect(edtRB, &TEdit::changed, this, Guarded([this] { edtRBChange(edtRB); }));
    connect(edtGB, &TEdit::changed, this, Guarded([this] { edtGBChange(edtGB); }));
    connect(edtBB, &TEdit::changed, this, Guarded([this] { edtBBChange(edtBB); }));

    // Brightness slider.
    connect(scrValue, &TScrollBar::changed, this, Guarded([this] { scrValueChange(scrValue); }));
    connect(scrValue, &TScrollBar::scrolled, this, Guarded([this](int code) {
                int pos = scrValue->sliderPosition();
                scrValueScroll(scrValue, code, pos);
            }));

    // Hue bar, browser colours, palette grid and swatch.
    // The bar and the grid take the pixel under the pointer's device pixel.
    connect(imgColorBar, &TImage::pointerDown, this, Guarded([this](Qt::MouseButton b, QPointF p) {
                const QPoint at = imgColorBar->PixelAt(p);
                imgColorBarMouseDown(imgColorBar, b, at.x(), at.y());
            }));
    connect(imgColorBar, &TImage::pointerMove, this, Guarded([this](QPointF p) {
                const QPoint at = imgColorBar->PixelAt(p);
                imgColorBarMouseMove(imgColorBar, at.x(), at.y());
            }));
    connect(imgColorBar, &TImage::mouseUp, this,
            Guarded([this](Qt::MouseButton b, int x, int y) { imgColorBarMouseUp(imgColorBar, b, x, y); }));
    // Only a real change of the selected item: choosing the item already selected changes nothing.
    connect(cmbBrowserColor, &QComboBox::currentIndexChanged, this,
            Guarded([this] { cmbBrowserColorChange(cmbBrowserColor); }));
    connect(imgPalette, &TImage::pointerDown, this, Guarded([this](Qt::MouseButton b, QPointF p) {
                const QPoint at = imgPalette->PixelAt(p);
                imgPaletteMouseDown(imgPalette, b, at.x(), at.y());
            }));
    connect(imgPalette, &TImage::dblClick, this, Guarded([this] { imgPaletteDblClick(imgPalette); }));
    connect(PaintBox, &TImage::dblClick, this, Guarded([this] { PaintBoxDblClick(PaintBox); }));

    // Toolbar.
    connect(spbToolPixGet, &QToolButton::clicked, this, Guarded([this] { spbToolPixGetClick(spbToolPixGet); }));
    connect(spbToolSet10, &QToolButton::clicked, this, Guarded([this] { spbToolSet10Click(spbToolSet10); }));
    connect(spbToolSet16, &QToolButton::clicked, this, Guarded([this] { spbToolSet16Click(spbToolSet16); }));
    connect(spbToolSetHTML, &QToolButton::clicked, this, Guarded([this] { spbToolSetHTMLClick(spbToolSetHTML); }));
    connect(spbToolFrontWnd, &QToolButton::clicked, this, Guarded([this] { spbToolFrontWndClick(spbToolFrontWnd); }));
    connect(spbToolHelp, &QToolButton::clicked, this, Guarded([this] { spbToolHelpClick(spbToolHelp); }));
    connect(spbToolPalAdd, &QToolButton::clicked, this, Guarded([this] { spbToolPalAddClick(spbToolPalAdd); }));

    // Menus.
    connect(mnuFileExit, &QAction::triggered, this, Guarded([this] { mnuFileExitClick(mnuFileExit); }));
    connect(mnuEditScreenCopy, &QAction::triggered, this,
            Guarded([this] { mnuEditScreenCopyClick(mnuEditScreenCopy); }));
    connect(mnuEditPalAdd, &QAction::triggered, this, Guarded([this] { mnuEditPalAddClick(mnuEditPalAdd); }));
    connect(mnuEditPalDel, &QAction::triggered, this, Guarded([this] { mnuEditPalDelClick(mnuEditPalDel); }));
    connect(mnuEditSet10, &QAction::triggered, this, Guarded([this] { mnuEditSet10Click(mnuEditSet10); }));
    connect(mnuEditSet16, &QAction::triggered, this, Guarded([this] { mnuEditSet16Click(mnuEditSet16); }));
    connect(mnuEditSetHTML, &QAction::triggered, this, Guarded([this] { mnuEditSetHTMLClick(mnuEditSetHTML); }));
    connect(C1, &QAction::triggered, this, Guarded([this] { C1Click(C1); }));
    connect(mnuVisibleWndFront, &QAction::triggered, this,
            Guarded([this] { mnuVisibleWndFrontClick(mnuVisibleWndFront); }));
    connect(mnuVisibleOption, &QAction::triggered, this, Guarded([this] { mnuVisibleOptionClick(mnuVisibleOption); }));
    connect(mnuHelpContents, &QAction::triggered, this, Guarded([this] { mnuHelpContentsClick(mnuHelpContents); }));
    connect(mnuHelpHomePage, &QAction::triggered, this, Guarded([this] { mnuHelpHomePageClick(mnuHelpHomePage); }));
    connect(mnuHelpAbout, &QAction::triggered, this, Guarded([this] { mnuHelpAboutClick(mnuHelpAbout); }));
    connect(A1, &QAction::triggered, this, Guarded([this] { A1Click(A1); }));
    connect(popPalDel, &QAction::triggered, this, Guarded([this] { popPalDelClick(popPalDel); }));
    connect(N9, &QAction::triggered, this, Guarded([this] { N9Click(N9); }));
}

void TForm1::FormCreate(QObject*)
{
    currentColor = 0xFFFFFF;
    baseColor = currentColor;
    pixGetOn = 0;
    frontWndOn = 0;
    palSelNo = 1;
    PalClear();
    RefreshColor();

    const QCursor spoite = SpoiteCursor(devicePixelRatioF());
    imgColorBar->setCursor(spoite);
    imgPalette->setCursor(spoite);

    PalDrawGrid();
    DrawColorBar();
    PalSelect(1, 1);
    PalDrawFrame(1, 1);

    LoadBrowserColors(this, ExecutableFolder() + QStringLiteral("colorcode.dat"));
}

void TForm1::FormShow(QObject*) { RefreshColor(); }

void TForm1::FormClose(QObject*) { PalClear(); }

void TForm1::mnuFileExitClick(QObject*) { close(); }

void TForm1::showEvent(QShowEvent* event)
{
    // A window brought back from the task bar was never hidden: the window
    // system's own show event (spontaneous) is no showing.
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(this); });
    QMainWindow::showEvent(event);
    if (iconPending_ && windowHandle() != nullptr)
        windowHandle()->installEventFilter(this);
}

void TForm1::CentreOuterFrame()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect desktop = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(desktop.left() + (desktop.width() - outer.width()) / 2,
         desktop.top() + (desktop.height() - outer.height()) / 2);
}

void TForm1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The first time the window manager has framed the window, the frame is
    // centred instead of the inner area.
    if (centreWhenFramed_ && isVisible() && frameGeometry() != geometry()) {
        centreWhenFramed_ = false;
        CentreOuterFrame();
    }
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The window has one size and offers no maximising, but some window
    // managers (fluxbox) maximise it on a request all the same, whatever its
    // size hints and allowed actions say: it is asked back to its own size.
    constexpr Qt::WindowStates kResized = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & kResized))
        setWindowState(windowState() & ~kResized);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // While picking, the window system's close (Alt+F4 reaches the main
    // window: the snapshot takes no keyboard focus) ends picking as a right
    // press would, and the program with its palette goes on. File > Exit
    // still ends it.
    if (event->spontaneous() && pixGetOn == 1) {
        event->ignore();
        RunGuarded([this] { spbToolPixGetClick(spbToolPixGet); });
        return;
    }
    RunGuarded([this] { FormClose(this); });
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program, whatever else is still shown.
    QCoreApplication::quit();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // The first exposure is drawn when this returns; the icon follows it.
    if (watched == windowHandle() && event->type() == QEvent::Expose && iconPending_) {
        iconPending_ = false;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { setWindowIcon(TesmarIcon()); });
    }
    if (watched == spbToolHelp && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        RunGuarded([&] { spbToolHelpMouseUp(spbToolHelp, mouse->button(), p.x(), p.y()); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::PalTrace(const std::string& line)
{
    // The bare text, one line each; QT_LOGGING_RULES still switches the
    // category "tesmar.palette" on and off.
    if (lcPalette().isDebugEnabled()) {
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
    }
}
