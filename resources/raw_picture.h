// Pictures kept as raw pixels, so that showing one costs a copy instead of a PNG decode: a
// 12-byte header ("KPX1", then the width and the height as 32-bit numbers) followed by
// width x height premultiplied ARGB pixels of 32 bits, row by row from the top. Numbers and
// pixels are in the byte order of the machine that built the program: the build makes these
// files from the committed PNGs (tools/pack_pictures.cpp).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// The bytes of a picture file for IMAGE (converted to premultiplied ARGB first if need be).
QByteArray packRawPicture(const QImage &image);

// The picture in BYTES, or a null image when they are not a whole picture file.
QImage unpackRawPicture(QByteArrayView bytes);

// The picture compiled in at PATH (":/pictures/NAME.argb"), or a null image.
QImage loadRawPicture(const QString &path);
