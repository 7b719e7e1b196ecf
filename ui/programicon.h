// The program's icon, drawn rather than shipped as a file.
#pragma once

#include <QIcon>

QIcon programIcon();
