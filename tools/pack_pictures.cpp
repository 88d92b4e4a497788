// A build step: unpacks the PNG pictures the program shows (icons and emblem) into raw pixels,
// so that showing one costs a copy instead of a PNG decode. Usage:
//   pack_pictures OUT_DIR PICTURE.png...
// writes OUT_DIR/PICTURE.argb for each: the layout is in resources/raw_picture.h. The pixels
// are in this machine's byte order, which is why they are made at build time, not committed.
#include "resources/raw_picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: pack_pictures OUT_DIR PICTURE.png...\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString source = QString::fromLocal8Bit(argv[i]);
        QImage image(source);
        if (image.isNull()) {
            std::fprintf(stderr, "pack_pictures: cannot read %s\n", argv[i]);
            return 1;
        }
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        QFile out(outDir + u'/' + QFileInfo(source).completeBaseName() + QStringLiteral(".argb"));
        if (!out.open(QIODevice::WriteOnly) || !out.write(packRawPicture(image))) {
            std::fprintf(stderr, "pack_pictures: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
