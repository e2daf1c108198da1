#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

namespace trelvan {

// A picture stretched to the control's rectangle. Pixels of the transparent
// colour, when one is set, let whatever lies below the control show through.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture, std::optional<QRgb> transparentColour);
    const QImage& picture() const { return picture_; }
    std::optional<QRgb> transparentColour() const { return transparent_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage prepared_; // the picture with the transparent colour's alpha cleared
    std::optional<QRgb> transparent_;
};

// Reads a picture file as a Windows bitmap whatever its extension says.
// Throws EFOpenError for a file that cannot be opened and EInvalidGraphic for
// one that is not a readable bitmap.
QImage loadBitmap(const QString& path);

// The colour of a picture's lower-left pixel, the one drawn transparently.
QRgb lowerLeftColour(const QImage& picture);

} // namespace trelvan
