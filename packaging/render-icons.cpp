// Writes the program's icon as PNG files of the sizes a desktop's icon theme
// wants, named as installed: <size>x<size>/apps/org.brindlewick.Kovrant.png.
#include "ui/programicon.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovrant_icons <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(sub) ||
            !programIconImage(size).save(folder.filePath(sub + "/org.brindlewick.Kovrant.png"))) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
