// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/station_logo.h"

#include "app/files/safe_file.h"
#include "app/text/cp1252.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cmath>

namespace {

constexpr int kPageLogoDotsPerInch = 600;

LogoRead Problem(std::string why) {
    return {std::nullopt, std::move(why)};
}

bool AcceptedFormat(const QByteArray& format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "svg";
}

std::string SizeText(const QSize& size) {
    return std::to_string(size.width()) + " \xD7 " + std::to_string(size.height()) + " pixels";
}

// The picture's size scaled to fit the bounds with its proportions kept. Pixels are never
// enlarged; a drawing (SVG) is drawn as large as the bounds allow, so it prints sharp.
QSize FittedSize(const QSize& own, int maxWidth, int maxHeight, bool drawing) {
    if (!drawing && own.width() <= maxWidth && own.height() <= maxHeight) return own;
    const double scale =
        std::min(static_cast<double>(maxWidth) / own.width(), static_cast<double>(maxHeight) / own.height());
    return QSize(std::max(1, static_cast<int>(std::lround(own.width() * scale))),
                 std::max(1, static_cast<int>(std::lround(own.height() * scale))));
}

} // namespace

LogoRead ReadStationLogo(const std::string& path, int maxWidth, int maxHeight) {
    if (path.empty()) return {};
    const FileRead file = ReadFileSafely(FromCp1252(path), static_cast<std::size_t>(kLogoMaxFileBytes));
    if (file.status == FileRead::Status::Missing) return Problem("the file does not exist");
    if (!file.ok()) return Problem(file.reason);
    if (file.bytes.empty()) return Problem("the file is empty");

    QByteArray bytes = QByteArray::fromStdString(file.bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!AcceptedFormat(reader.format())) return Problem("it is not a PNG, JPEG or SVG picture");
    const QSize own = reader.size();
    if (!own.isValid() || own.isEmpty()) return Problem("the picture cannot be read");
    // A picture that is decoded whole before it is scaled must fit in memory first.
    // (JPEG is decoded at a fraction of its size, a drawing at the size it is drawn; a PNG is
    // decoded whole and scaled afterwards.)
    const bool decodesScaled = reader.format() != "png";
    if (!decodesScaled && static_cast<long long>(own.width()) * own.height() > kLogoMaxDecodedPixels)
        return Problem("the picture is too large (" + SizeText(own) + ")");

    const QSize drawn = FittedSize(own, maxWidth, maxHeight, reader.format() == "svg");
    if (drawn != own) reader.setScaledSize(drawn);
    QImage image = reader.read();
    if (image.isNull()) return Problem("the picture cannot be read (" + ToCp1252(reader.errorString()) + ")");
    if (image.size() != drawn) image = image.scaled(drawn, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    // Stored without compression: the bytes live only until the page is drawn, and the PDF
    // compresses the picture itself.
    if (!image.save(&out, "PNG", 100)) return Problem("the picture cannot be converted");
    return {StationLogo{png.toStdString(), image.width(), image.height()}, {}};
}

LogoRead ReadLogoForPage(const std::string& path) {
    const auto dots = [](float inches) {
        return static_cast<int>(std::lround(inches * kPageLogoDotsPerInch));
    };
    return ReadStationLogo(path, dots(kLogoSpace.right - kLogoSpace.left),
                           dots(kLogoSpace.bottom - kLogoSpace.top));
}
