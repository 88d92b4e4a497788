// Packing and unpacking the raw picture files.
#include "resources/raw_picture.h"

#include <QResource>

#include <cstring>

namespace {
constexpr char kMagic[4] = { 'K', 'P', 'X', '1' };
constexpr qsizetype kHeaderSize = 12;
constexpr quint32 kMaxSide = 4096; // far above any picture of ours; keeps the sizes sane
} // namespace

QByteArray packRawPicture(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const quint32 width = quint32(argb.width());
    const quint32 height = quint32(argb.height());
    QByteArray bytes;
    bytes.reserve(kHeaderSize + qsizetype(width) * height * 4);
    bytes.append(kMagic, sizeof kMagic);
    bytes.append(reinterpret_cast<const char *>(&width), sizeof width);
    bytes.append(reinterpret_cast<const char *>(&height), sizeof height);
    for (int y = 0; y < argb.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(argb.constScanLine(y)), qsizetype(width) * 4);
    return bytes;
}

QImage unpackRawPicture(QByteArrayView bytes)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return {};
    quint32 width = 0;
    quint32 height = 0;
    std::memcpy(&width, bytes.data() + 4, sizeof width);
    std::memcpy(&height, bytes.data() + 8, sizeof height);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide
        || bytes.size() != kHeaderSize + qsizetype(width) * height * 4)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const char *row = bytes.data() + kHeaderSize;
    for (int y = 0; y < image.height(); ++y, row += width * 4)
        std::memcpy(image.scanLine(y), row, width * 4);
    return image;
}

QImage loadRawPicture(const QString &path)
{
    // The pictures are compiled in uncompressed, so their bytes are read where they lie.
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return unpackRawPicture(QByteArrayView(resource.data(), resource.size()));
}
