// The main window's commands: screen picker toggle, clipboard, topmost mode,
// help, home page and dialogs.
#include "forms/unit1.h"

void TForm1::spbToolPixGetClick(QObject*) {}
void TForm1::mnuEditScreenCopyClick(QObject*) {}
void TForm1::spbToolSet10Click(QObject*) {}
void TForm1::mnuEditSet10Click(QObject*) {}
void TForm1::spbToolSet16Click(QObject*) {}
void TForm1::mnuEditSet16Click(QObject*) {}
void TForm1::spbToolSetHTMLClick(QObject*) {}
void TForm1::mnuEditSetHTMLClick(QObject*) {}
void TForm1::spbToolFrontWndClick(QObject*) {}
void TForm1::mnuVisibleWndFrontClick(QObject*) {}
void TForm1::mnuHelpContentsClick(QObject*) {}
void TForm1::spbToolHelpClick(QObject*) {}
void TForm1::spbToolHelpMouseUp(QObject*, Qt::MouseButton, int, int) {}
void TForm1::mnuHelpHomePageClick(QObject*) {}
void TForm1::mnuHelpAboutClick(QObject*) {}
void TForm1::mnuVisibleOptionClick(QObject*) {}
void TForm1::ShowHelpPage() {}
void TForm1::OpenHomePage() {}
void TForm1::CopyReadout(TEdit*) {}
