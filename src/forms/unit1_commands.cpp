// The main window's commands: screen picker toggle, clipboard, topmost mode,
// help, home page and dialogs.
#include "app/application.h"
#include "core/filefunc.h"
#include "core/mfunc.h"
#include "forms/shellopen.h"
#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/unit4.h"
#include "forms/unit5.h"
#include "widgets/tedit.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QToolButton>

// ---- screen picker ----

void TForm1::spbToolPixGetClick(QObject*)
{
    if (pixGetOn == 0) {
        spbToolPixGet->setChecked(true);
        Form2->show(); // the snapshot window's FormShow copies the screen first
        stayOnTopStyle = true;
        pixGetOn = 1;
    } else if (pixGetOn == 1) {
        // The button's group lets it come up from now on.
        pixGetGroup->setExclusive(false);
        spbToolPixGet->setChecked(false);
        // A snapshot window already closed by other means gets no second close
        // event from the toolkit, yet its closing steps run again.
        if (Form2->isVisible())
            CloseWindow(Form2);
        else
            Form2->FormClose(Form2);
        pixGetOn = 0;
    }
}

void TForm1::mnuEditScreenCopyClick(QObject* sender) { spbToolPixGetClick(sender); }

// ---- clipboard ----

void TForm1::CopyReadout(TEdit* readout) { QGuiApplication::clipboard()->setText(readout->text()); }

void TForm1::spbToolSet10Click(QObject*) { CopyReadout(edtDec); }
void TForm1::mnuEditSet10Click(QObject*) { CopyReadout(edtDec); }
void TForm1::spbToolSet16Click(QObject*) { CopyReadout(edtHex); }
void TForm1::mnuEditSet16Click(QObject*) { CopyReadout(edtHex); }
void TForm1::spbToolSetHTMLClick(QObject*) { CopyReadout(edtHtml); }
void TForm1::mnuEditSetHTMLClick(QObject*) { CopyReadout(edtHtml); }

// ---- topmost mode ----

void TForm1::spbToolFrontWndClick(QObject*)
{
    if (frontWndOn == 0) {
        spbToolFrontWnd->setChecked(true);
        SetTopmost(this);
        frontWndOn = 1;
    } else if (frontWndOn == 1) {
        frontWndGroup->setExclusive(false);
        spbToolFrontWnd->setChecked(false);
        // While the snapshot is shown the window stays above it, whatever the
        // mode; the snapshot's closing puts it where the mode says.
        if (!(Form2 != nullptr && Form2->isVisible()))
            ClearTopmost(this);
        frontWndOn = 0;
    }
    mnuVisibleWndFront->setChecked(frontWndOn == 1);
}

void TForm1::mnuVisibleWndFrontClick(QObject* sender) { spbToolFrontWndClick(sender); }

// ---- help, home page, dialogs ----

void TForm1::ShowHelpPage()
{
    const QString path = ExecutableFolder() + QStringLiteral("help/index.html");
    // The page may be there under another letter case (INDEX.HTML): the entry found is opened.
    std::string found;
    if (FindFileIgnoringCase(QFile::encodeName(path).toStdString(), found)) {
        OpenRequest(this, HelpPageUrl(QFile::decodeName(QByteArray::fromStdString(found))));
        return;
    }
    QMessageBox::warning(this, QStringLiteral("ヘルプを開けません"),
                         QStringLiteral("ヘルプファイルが見つかりません！\n"
                                        "ヘルプファイルが正しくインストールされているか調べてください"),
                         QMessageBox::Ok);
}

void TForm1::mnuHelpContentsClick(QObject*) { ShowHelpPage(); }
void TForm1::spbToolHelpClick(QObject*) { ShowHelpPage(); }

void TForm1::spbToolHelpMouseUp(QObject*, Qt::MouseButton button, int x, int y)
{
    // A left click opens the help through spbToolHelpClick, which checks for
    // the page first; a left press dragged off the button is a cancelled
    // click and opens nothing. The right button, released over the button,
    // shows the About box.
    if (button == Qt::RightButton && spbToolHelp->rect().contains(x, y))
        mnuHelpAboutClick(spbToolHelp);
}

void TForm1::OpenHomePage() { OpenRequest(this, AddressUrl(HomePageAddress())); }

void TForm1::mnuHelpHomePageClick(QObject*) { OpenHomePage(); }

void TForm1::mnuHelpAboutClick(QObject*) { frmVer->exec(); }

void TForm1::mnuVisibleOptionClick(QObject*) { frmConfig->exec(); }
