#include "forms/unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent) {}
void TForm3::FormShow(QObject*) {}
void TForm3::Panel1MouseDown(QObject*, Qt::MouseButton, int, int) {}
void TForm3::Label1MouseDown(QObject*, Qt::MouseButton, int, int) {}
