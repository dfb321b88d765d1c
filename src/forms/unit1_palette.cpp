// The palette grid and its commands.
#include "forms/unit1.h"

void TForm1::PalDrawGrid() {}
void TForm1::PalSelect(int, int) {}
void TForm1::PalDrawFrame(int, int) {}
void TForm1::PalRepaint() {}
void TForm1::PalBlank() {}
void TForm1::imgPaletteMouseDown(QObject*, Qt::MouseButton, int, int) {}
void TForm1::imgPaletteDblClick(QObject*) {}
void TForm1::PaintBoxDblClick(QObject*) {}
void TForm1::A1Click(QObject*) {}
void TForm1::popPalDelClick(QObject*) {}
void TForm1::N9Click(QObject*) {}
void TForm1::spbToolPalAddClick(QObject*) {}
void TForm1::mnuEditPalAddClick(QObject*) {}
void TForm1::mnuEditPalDelClick(QObject*) {}
void TForm1::C1Click(QObject*) {}
