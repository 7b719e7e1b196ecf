// Writes the program's icon as PNG files of the sizes a desktop's icon theme
// wants, named as installed: <size>x<size>/apps/org.brindlewick.Kovrant.png; and,
// when a second argument names one, the same sizes as a Windows .ico file.
#include "ui/programicon.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <cstdio>

namespace {

constexpr std::array IconSizes{16, 32, 48, 64, 128, 256};

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template<typename Number>
void append(QByteArray &bytes, Number value)
{
    const Number little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// An icon directory of PNG images, which Windows reads since Vista: a six-byte
// header, a sixteen-byte entry per image, then the images.
QByteArray icoBytes()
{
    QList<QByteArray> images;
    for (const int size : IconSizes)
        images.append(pngBytes(programIconImage(size)));
    QByteArray ico;
    append<quint16>(ico, 0); // reserved
    append<quint16>(ico, 1); // an icon, not a cursor
    append<quint16>(ico, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = IconSizes[i];
        append<quint8>(ico, size >= 256 ? 0 : quint8(size)); // width; 0 means 256
        append<quint8>(ico, size >= 256 ? 0 : quint8(size)); // height
        append<quint8>(ico, 0);                              // no palette
        append<quint8>(ico, 0);                              // reserved
        append<quint16>(ico, 1);                             // colour planes
        append<quint16>(ico, 32);                            // bits per pixel
        append<quint32>(ico, quint32(images[i].size()));
        append<quint32>(ico, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        ico.append(image);
    return ico;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: kovrant_icons <folder> [<ico file>]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : IconSizes) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(sub) ||
            !programIconImage(size).save(folder.filePath(sub + "/org.brindlewick.Kovrant.png"))) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    if (argc == 3 && !writeFile(QString::fromLocal8Bit(argv[2]), icoBytes())) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
