// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures, icons and image lists. "$NAME" is a picture built into the program (a Qt resource
// ":/ez/NAME.png" or ".svg"); other names are files in the image folder beside the program.
#include "app/toolkit/internal/state.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>

namespace ez {
namespace {

std::string withoutOptions(const std::string& name) {
    return name.substr(0, name.find('{'));
}

QString resourcePath(const std::string& name) {
    for (const char* ext : {".png", ".svg"}) {
        const QString path = QStringLiteral(":/ez/") + toQt(name) + QLatin1String(ext);
        if (QFile::exists(path)) return path;
    }
    return {};
}

QPixmap loadPixmap(const std::string& nameWithOptions) {
    const std::string name = withoutOptions(nameWithOptions);
    if (!name.empty() && name[0] == '$') return QPixmap(resourcePath(name.substr(1)));
    QString path = toQt(name);
    if (QDir::isRelativePath(path))
        path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + toQt(state().imageFolder) +
               QLatin1Char('/') + path;
    return QPixmap(path);
}

// The picture in `encoded` scaled to fit `box` with its proportions kept; null when the bytes are
// no picture. Readers that can decode at a smaller size do so, so a large picture is never
// decoded whole for a small control.
QPixmap fittedPicture(const std::string& encoded, const QSize& box) {
    QByteArray bytes = QByteArray::fromStdString(encoded);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    if (!own.isValid() || own.isEmpty() || box.isEmpty()) return {};
    const QSize drawn = own.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) reader.setScaledSize(drawn);
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.size() != drawn) image = image.scaled(drawn, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

std::string newReference(const char* prefix) {
    return prefix + std::to_string(state().nextPicture++);
}

} // namespace
} // namespace ez

using namespace ez;

std::string EZ_LOADPICTURE(const std::string& name) {
    const QPixmap pixmap = loadPixmap(name);
    if (pixmap.isNull()) return {};
    const std::string ref = newReference("#PIC");
    state().pictures[ref] = pixmap;
    return ref;
}

std::string EZ_LOADICON(const std::string& name) {
    const std::string bare = withoutOptions(name);
    QIcon icon;
    if (!bare.empty() && bare[0] == '$')
        icon = QIcon(resourcePath(bare.substr(1)));
    else
        icon = QIcon(loadPixmap(bare));
    if (icon.isNull()) return {};
    const std::string ref = newReference("#ICO");
    state().icons[ref] = icon;
    return ref;
}

void EZ_FREEIMAGE(const std::string& picture) {
    state().pictures.erase(picture);
    state().icons.erase(picture);
}

void EZ_GETPICTURESIZE(const std::string& picture, int32_t& width, int32_t& height) {
    auto it = state().pictures.find(picture);
    width = it == state().pictures.end() ? 0 : it->second.width();
    height = it == state().pictures.end() ? 0 : it->second.height();
}

void EZ_DEFIMAGEFOLDER(const std::string& folder) {
    state().imageFolder = folder;
}

void EZ_DEFIMAGELIST(int32_t list, int32_t imageSize, int32_t /*count*/) {
    state().imageLists[list].clear();
    state().imageListSizes[list] = imageSize;
}

void EZ_ADDPICTTOIMGLIST(int32_t list, const std::string& picture, int32_t transparentRgb) {
    auto it = state().pictures.find(picture);
    if (it == state().pictures.end()) return;
    const int size = state().imageListSizes.count(list) ? state().imageListSizes[list] : it->second.height();
    QImage strip = it->second.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(transparentRgb & 0xFF, (transparentRgb >> 8) & 0xFF, (transparentRgb >> 16) & 0xFF);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF)) line[x] = qRgba(0, 0, 0, 0);
    }
    for (int x = 0; x + size <= strip.width(); x += size)
        state().imageLists[list].push_back(
            QPixmap::fromImage(strip.copy(x, 0, size, std::min(size, strip.height()))));
}

void EzSetPicture(const std::string& form, int32_t id, const std::string& encodedImage) {
    Control* control = findControl(form, id);
    auto* label =
        control && control->kind == Kind::Picture ? qobject_cast<QLabel*>(control->widget.data()) : nullptr;
    if (!label) return;
    const QPixmap picture =
        encodedImage.empty() ? QPixmap() : fittedPicture(encodedImage, label->contentsRect().size());
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(picture);
}
