// The keep-above-others layer, through the toolkit's window hint.
#include "core/mfunc.h"

#include <QWidget>
#include <QWindow>

bool SetTopmost(QWidget*) { return false; }
bool ClearTopmost(QWidget*) { return false; }
