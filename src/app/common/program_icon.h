#pragma once
// The program's icon: a small camera, drawn in code so the program needs no image files.

#include <QIcon>
#include <QPixmap>

QPixmap ProgramPixmap(int side);
QIcon ProgramIcon();
