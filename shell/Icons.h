#pragma once
// The program's pictures, drawn in code: toolbar icons, the program icon, the splash.
#include <QIcon>
#include <QPixmap>

#include "shell/CommandTable.h"

QIcon commandIcon(Command command);
QIcon programIcon();
// The 198 x 198 splash picture: "ORVAN" in large red capitals over a green-to-yellow
// gradient, with a small red crane over a building beneath it.
QPixmap splashPicture();
