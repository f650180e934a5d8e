#pragma once
// The three 32 x 32 tool bar images, drawn in code: a compact disc (save), a stack of
// folders (open) and a pencil (restart).

#include <QPixmap>

QPixmap Save_Image();
QPixmap Open_Image();
QPixmap Restart_Image();
