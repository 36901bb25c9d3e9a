// The decorative picture at the left of the update dialog, drawn by the program.
#pragma once

#include <QPixmap>
#include <QSize>

// A blue panel with a download arrow over a footing on its ground line.
QPixmap DrawUpdatePicture(QSize size);
