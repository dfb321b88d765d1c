// The main window: the current colour and its readouts, the channel controls,
// the brightness slider, the hue bar, the browser colours, the palette and the
// commands of the toolbar and menus.
#pragma once

#include "core/colour.h"
#include "core/filefunc.h"
#include "core/palstore.h"

#include <QLoggingCategory>
#include <QMainWindow>

#include <array>
#include <cstdint>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TEdit;
class TImage;
class TScrollBar;
class TShape;

Q_DECLARE_LOGGING_CATEGORY(lcPalette)

class TForm1 : public QMainWindow, public PalStore {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- state ----
    TColor currentColor = 0;
    TColor baseColor = 0;
    std::uint8_t pixGetOn = 0;
    std::uint8_t frontWndOn = 0;
    std::uint8_t colorBarDown = 0;
    std::int32_t palSelNo = 0;
    std::array<BrowserColor, kBrowserColorCount> browserColors{};
    // Set once picking from the screen has started: the window then keeps the
    // stay-on-top style, and only SetTopmost/ClearTopmost change its layer.
    bool stayOnTopStyle = false;

    // ---- window events ----
    void FormCreate(QObject* sender);
    void FormShow(QObject* sender);
    void FormClose(QObject* sender);
    void mnuFileExitClick(QObject* sender);

    // ---- colour state and readouts ----
    void RefreshColor();
    void RefreshColorKeepBars();
    void PaintBox2Paint(QObject* sender);

    // ---- channel controls ----
    void scrRChange(QObject* sender);
    void scrGChange(QObject* sender);
    void scrBChange(QObject* sender);
    void scrRScroll(QObject* sender, int scrollCode, int& scrollPos);
    void scrGScroll(QObject* sender, int scrollCode, int& scrollPos);
    void scrBScroll(QObject* sender, int scrollCode, int& scrollPos);
    void edtRKeyPress(QObject* sender, QChar& key);
    void edtGKeyPress(QObject* sender, QChar& key);
    void edtBKeyPress(QObject* sender, QChar& key);
    void edtRChange(QObject* sender);
    void edtGChange(QObject* sender);
    void edtBChange(QObject* sender);
    void edtRBKeyPress(QObject* sender, QChar& key);
    void edtGBKeyPress(QObject* sender, QChar& key);
    void edtBBKeyPress(QObject* sender, QChar& key);
    void edtRBChange(QObject* sender);
    void edtGBChange(QObject* sender);
    void edtBBChange(QObject* sender);

    // ---- brightness slider ----
    void scrValueChange(QObject* sender);
    void scrValueScroll(QObject* sender, int scrollCode, int& scrollPos);

    // ---- hue bar ----
    void DrawColorBar();
    void imgColorBarMouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
    void imgColorBarMouseMove(QObject* sender, int x, int y);
    void imgColorBarMouseUp(QObject* sender, Qt::MouseButton button, int x, int y);

    // ---- browser colours ----
    void cmbBrowserColorChange(QObject* sender);

    // ---- palette grid and commands ----
    void PalDrawGrid();
    void PalSelect(int x, int y);
    void PalDrawFrame(int x, int y);
    void PalRepaint();
    void PalBlank();
    void imgPaletteMouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
    void imgPaletteDblClick(QObject* sender);
    void PaintBoxDblClick(QObject* sender);
    void A1Click(QObject* sender);
    void popPalDelClick(QObject* sender);
    void N9Click(QObject* sender);
    void spbToolPalAddClick(QObject* sender);
    void mnuEditPalAddClick(QObject* sender);
    void mnuEditPalDelClick(QObject* sender);
    void C1Click(QObject* sender);

    // ---- screen picker ----
    void spbToolPixGetClick(QObject* sender);
    void mnuEditScreenCopyClick(QObject* sender);

    // ---- clipboard ----
    void spbToolSet10Click(QObject* sender);
    void mnuEditSet10Click(QObject* sender);
    void spbToolSet16Click(QObject* sender);
    void mnuEditSet16Click(QObject* sender);
    void spbToolSetHTMLClick(QObject* sender);
    void mnuEditSetHTMLClick(QObject* sender);

    // ---- topmost mode ----
    void spbToolFrontWndClick(QObject* sender);
    void mnuVisibleWndFrontClick(QObject* sender);

    // ---- help, home page, dialogs ----
    void mnuHelpContentsClick(QObject* sender);
    void spbToolHelpClick(QObject* sender);
    void spbToolHelpMouseUp(QObject* sender, Qt::MouseButton button, int x, int y);
    void mnuHelpHomePageClick(QObject* sender);
    void mnuHelpAboutClick(QObject* sender);
    void mnuVisibleOptionClick(QObject* sender);

    // ---- controls, by the names of the layout ----
    QScrollArea* scrollBox = nullptr; // the scrolling client area
    QWidget* clientPage = nullptr;    // the 554 by 256 page inside it
    QFrame* Bevel1 = nullptr;
    QWidget* Panel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    TShape* Shape1 = nullptr;
    TImage* PaintBox = nullptr;
    QLabel* Label1 = nullptr;
    TEdit* edtDec = nullptr;
    QLabel* Label2 = nullptr;
    TEdit* edtHex = nullptr;
    QLabel* Label12 = nullptr;
    TEdit* edtHtml = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label3 = nullptr;
    TScrollBar* scrR = nullptr;
    TEdit* edtR = nullptr;
    TEdit* edtRB = nullptr;
    QLabel* Label4 = nullptr;
    TScrollBar* scrG = nullptr;
    TEdit* edtG = nullptr;
    TEdit* edtGB = nullptr;
    QLabel* Label5 = nullptr;
    TScrollBar* scrB = nullptr;
    TEdit* edtB = nullptr;
    TEdit* edtBB = nullptr;
    QLabel* Label13 = nullptr;
    QComboBox* cmbBrowserColor = nullptr;
    QLabel* Label14 = nullptr;
    TShape* Shape2 = nullptr;
    TImage* imgColorBar = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    TScrollBar* scrValue = nullptr;
    QLabel* lblValue = nullptr;
    QLabel* lblPalLabel = nullptr;
    TImage* imgPalette = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    TEdit* edtH = nullptr;
    TEdit* edtS = nullptr;
    TEdit* edtL = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;

    QToolButton* spbToolPixGet = nullptr;
    QToolButton* spbToolSet10 = nullptr;
    QToolButton* spbToolSet16 = nullptr;
    QToolButton* spbToolSetHTML = nullptr;
    QToolButton* spbToolFrontWnd = nullptr;
    QToolButton* spbToolHelp = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* spbToolPalAdd = nullptr;
    QButtonGroup* pixGetGroup = nullptr;   // group 1
    QButtonGroup* frontWndGroup = nullptr; // group 2

    QMenuBar* mnuMain = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFilePalSave = nullptr;
    QAction* mnuFilePalLoad = nullptr;
    QAction* N1 = nullptr;
    QAction* mnuFilePicTake = nullptr;
    QAction* N2 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditScreenCopy = nullptr;
    QAction* N3 = nullptr;
    QAction* mnuEditPalAdd = nullptr;
    QAction* mnuEditPalDel = nullptr;
    QAction* N4 = nullptr;
    QAction* mnuEditSet10 = nullptr;
    QAction* mnuEditSet16 = nullptr;
    QAction* mnuEditSetHTML = nullptr;
    QAction* N7 = nullptr;
    QAction* C1 = nullptr;
    QMenu* mnuVisible = nullptr;
    QAction* mnuVisibleWndFront = nullptr;
    QAction* N6 = nullptr;
    QAction* mnuVisibleOption = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* N5 = nullptr;
    QAction* mnuHelpHomePage = nullptr;
    QAction* N10 = nullptr;
    QAction* AutoUpdateU1 = nullptr;
    QAction* AutoUpdateO1 = nullptr;
    QAction* N11 = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QMenu* popPal = nullptr;
    QAction* A1 = nullptr;
    QAction* popPalDel = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PalTrace(const std::string& line) override;

private:
    void BuildLayout();
    void BuildToolbar();
    void BuildMenus();
    void ConnectHandlers();
    // One channel row's handlers, shared by the red, green and blue families.
    void BarChanged(TScrollBar* bar, TEdit* decimalBox);
    void DecimalChanged(TEdit* decimalBox, TScrollBar* bar);
    void HexChanged(TEdit* hexBox, TEdit* decimalBox);
    void ResetBrightness();
    void ShowHelpPage();
    void OpenHomePage();
    void CopyReadout(TEdit* readout);
    // Puts the window's outer frame in the middle of the desktop.
    void CentreOuterFrame();
    bool centreWhenFramed_ = false;
    // The window icon is given once the window is first on screen: its eight
    // sizes take longer to decode than the rest of the window to draw.
    bool iconPending_ = true;
};

extern TForm1* Form1;

// Reads the colour list file into mainWindow->browserColors and its drop-down
// list. False when the file cannot be opened; a line whose digits do not
// convert raises EConvertError after the entries before it are in place.
bool LoadBrowserColors(TForm1* mainWindow, const QString& path);
