#include "platform/ImageView.h"

#include "platform/Exceptions.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace trelvan {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void ImageView::setPicture(const QImage& picture, std::optional<QRgb> transparentColour) {
    picture_ = picture;
    transparent_ = transparentColour;
    prepared_ = picture.convertToFormat(QImage::Format_ARGB32);
    if (transparent_) {
        const QRgb key = *transparent_ & 0x00FFFFFF;
        for (int y = 0; y < prepared_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(prepared_.scanLine(y));
            for (int x = 0; x < prepared_.width(); ++x) {
                if ((line[x] & 0x00FFFFFF) == key)
                    line[x] = 0;
            }
        }
    }
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    if (prepared_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), prepared_);
}

QImage loadBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(path);
    QImageReader reader(&file, "BMP");
    QImage picture = reader.read();
    if (picture.isNull())
        throw EInvalidGraphic();
    return picture;
}

QRgb lowerLeftColour(const QImage& picture) {
    if (picture.isNull())
        return qRgb(255, 255, 255);
    return picture.pixel(0, picture.height() - 1);
}

} // namespace trelvan
