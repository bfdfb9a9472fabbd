// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG file to square PNG images at build time, for the game, the
// icon theme and the Windows executable's icon:
//   svg_to_png <in.svg> <size> <out.png>
//   svg_to_png <in.svg> <size>,<size>,... <out.ico>   one PNG image a size
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

QByteArray renderPng(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

template <typename T>
void append(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file whose images are PNG data, as Windows reads them since Vista.
QByteArray iconFile(const QList<int>& sizes, const QList<QByteArray>& pngs)
{
    QByteArray icon;
    append<quint16>(icon, 0); // reserved
    append<quint16>(icon, 1); // an icon, not a cursor
    append<quint16>(icon, static_cast<quint16>(pngs.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const auto side = static_cast<quint8>(sizes[i] >= 256 ? 0 : sizes[i]); // 0 stands for 256
        append<quint8>(icon, side);
        append<quint8>(icon, side);
        append<quint8>(icon, 0);   // no palette
        append<quint8>(icon, 0);   // reserved
        append<quint16>(icon, 1);  // colour planes
        append<quint16>(icon, 32); // bits a pixel
        append<quint32>(icon, static_cast<quint32>(pngs[i].size()));
        append<quint32>(icon, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        icon += png;
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <in.svg> <size>[,<size>...] <out.png|out.ico>\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[3]);
    const bool icon = output.endsWith(QStringLiteral(".ico"));
    QList<int> sizes;
    for (const QString& field : QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','))) {
        bool sizeOk = false;
        const int size = field.toInt(&sizeOk);
        if (!sizeOk || size <= 0 || size > 256 || (!icon && !sizes.isEmpty())) {
            std::fprintf(stderr, "svg_to_png: bad size '%s'\n", argv[2]);
            return 2;
        }
        sizes.append(size);
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg_to_png: cannot read '%s'\n", argv[1]);
        return 1;
    }
    QList<QByteArray> pngs;
    for (int size : sizes)
        pngs.append(renderPng(renderer, size));
    QFile file(output);
    const QByteArray bytes = icon ? iconFile(sizes, pngs) : pngs.first();
    if (pngs.contains(QByteArray()) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "svg_to_png: cannot write '%s'\n", argv[3]);
        return 1;
    }
    return 0;
}
