#pragma once
// The 32 x 32 tool bar images, drawn in code: a compact disc (save), a stack of folders
// (open), a pencil (restart), arrows bending back and forward (undo and redo), a fresh grid
// with a star (new puzzle), a light bulb (hint).

#include <QPixmap>

QPixmap Save_Image();
QPixmap Open_Image();
QPixmap Restart_Image();
QPixmap Undo_Image();
QPixmap Redo_Image();
QPixmap Hint_Image();
QPixmap New_Puzzle_Image();
QPixmap Notes_Image();
QPixmap Marks_Image();
QPixmap More_Image();
