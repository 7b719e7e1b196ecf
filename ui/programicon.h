// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QImage>

// The icon at one size; drawing it needs no running application.
QImage programIconImage(int size);
QIcon programIcon();
