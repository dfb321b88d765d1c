// The 16 by 16 toolbar and menu pictures and the window icon, drawn for Tesmar.
#pragma once

#include <QIcon>
#include <QList>

// The menu image list: 0 save, 1 open, 2 eyedropper, 3 put into palette,
// 4 decimal copy, 5 hexadecimal copy, 6 HTML copy, 7 keep in front, 8 help.
const QList<QIcon>& ImageListTool();
// The program's icon (also shown in the About box).
QIcon TesmarIcon();
