#include "forms/unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent) {}
void TForm2::FormShow(QObject*) {}
void TForm2::FormClose(QObject*) {}
void TForm2::imgMainMouseDown(QObject*, Qt::MouseButton, int, int) {}
void TForm2::imgMainMouseMove(QObject*, int, int) {}
void TForm2::imgMainMouseUp(QObject*, Qt::MouseButton, int, int) {}
