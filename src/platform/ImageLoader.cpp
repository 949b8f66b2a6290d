#include "platform/ImageLoader.h"

#include "platform/FileIo.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cstring>

namespace platform {

namespace {

// Whether a JPEG's last scan is followed by its end-of-image marker. The decoder fills in a
// file cut short without failing, so this is how a partial image is told. Inside entropy-coded
// data a 0xFF byte is followed only by 0x00 or a restart marker, so the first other marker
// after a scan is the next segment's.
bool JpegIsComplete(const uchar* data, qint64 size) {
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    qint64 at = 2;
    bool inScan = false;
    while (at < size) {
        if (inScan) {
            const void* ff = std::memchr(data + at, 0xFF, static_cast<size_t>(size - at));
            if (!ff)
                return false;
            at = static_cast<const uchar*>(ff) - data + 1;
            if (at >= size)
                return false;
            const uchar next = data[at];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                continue;
            inScan = false;
            --at; // back onto the 0xFF of the marker
            continue;
        }
        if (data[at] != 0xFF)
            return false;
        while (at < size && data[at] == 0xFF) // fill bytes before a marker
            ++at;
        if (at >= size)
            return false;
        const uchar marker = data[at++];
        if (marker == 0xD9)
            return true;
        if (marker >= 0xD0 && marker <= 0xD7)
            continue; // no length
        if (at + 2 > size)
            return false;
        const qint64 length = (qint64{data[at]} << 8) | data[at + 1];
        at += length;
        inScan = marker == 0xDA;
    }
    return false;
}

bool FileEndsEarly(QFile& file, const QByteArray& format) {
    if (format != "jpeg" || !file.seek(0))
        return false;
    // Read, not mapped: a map file cut by someone else meanwhile must not end the program.
    const QByteArray data = file.readAll();
    return !JpegIsComplete(reinterpret_cast<const uchar*>(data.constData()), data.size());
}

// The file fd through Qt, from its first byte; the descriptor stays open after.
bool OpenFromStart(QFile& file, int fd) {
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) && file.seek(0);
}

} // namespace

bool IsMapImageFile(const QString& path) {
    int err = 0;
    const UniqueFd fd = OpenRegularFile(QFile::encodeName(path).toStdString(), &err);
    QFile file;
    return fd.Valid() && OpenFromStart(file, fd.Get()) && QImageReader(&file).canRead();
}

QSize MapImageFileSize(int fd) {
    QFile file;
    if (!OpenFromStart(file, fd))
        return {};
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    return reader.size();
}

MapImage LoadMapImageFile(int fd, int allocationLimitMb) {
    MapImage out;
    QImageReader::setAllocationLimit(allocationLimitMb);
    QFile file;
    if (!OpenFromStart(file, fd)) {
        out.error = file.errorString();
        return out;
    }
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    // Qt's own word for this is a bare "Unsupported image format".
    const QSize size = reader.size();
    const qint64 maxPixels = (qint64{allocationLimitMb} << 20) / 4;
    if (size.isValid() && qint64{size.width()} * size.height() > maxPixels) {
        out.error = QObject::tr("The image is %1 x %2 pixels; a PNG, GIF or BMP map can have at "
                                "most %3 million.")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(QString::number(static_cast<double>(maxPixels) / 1e6, 'g', 3));
        return out;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        out.error = reader.errorString();
        return out;
    }
    out.incomplete = FileEndsEarly(file, format);
    // Scaling the visible rectangle each frame is fastest from an opaque 32-bit image.
    if (image.hasAlphaChannel()) {
        // Transparent pixels show the white of the margins, as on a window that held nothing.
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        painter.fillRect(image.rect(), Qt::white);
        painter.end();
        image.reinterpretAsFormat(QImage::Format_RGB32); // every pixel is opaque now
    } else if (image.format() != QImage::Format_RGB32) {
        image.convertTo(QImage::Format_RGB32);
    }
    out.image = std::move(image);
    return out;
}

} // namespace platform
