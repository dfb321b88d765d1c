// Loading the browser colour list into the main window.
#include "forms/unit1.h"

bool LoadBrowserColors(TForm1*, const QString&) { return false; }

void TForm1::cmbBrowserColorChange(QObject*) {}
