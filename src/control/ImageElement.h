#pragma once
// Image1: the image element that shows the control's picture. It paints a
// QImage inside its border, scaled to its inner area when Stretch is set,
// else at its own size from the top left corner. Mouse events leave it as
// the platform's events: button and modifier masks (1 left, 2 right,
// 4 middle; 1 Shift, 2 Ctrl, 4 Alt) and the position in twips.

#include "platform/files/FileIdentity.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace pinxel {

class ImageElement : public QWidget {
    Q_OBJECT
public:
    explicit ImageElement(QWidget *parent = nullptr);

    // An empty picture shows nothing (the container's background).
    const QImage &Picture() const { return m_picture; }
    // source: the file the picture was read from, as it was then; none for
    // a picture from anywhere else (the editor's canvas). The picture shown
    // handed back unchanged (sharing its pixels) keeps its source.
    void setPicture(const QImage &picture, const std::optional<FileIdentity> &source = std::nullopt);

    // The picture of the file at path, read through the host services,
    // unless this element shows that file and the file has not changed
    // since: then the picture shown, shared. The documented reloads of the
    // control's picture file (its property's reads, the editor's canvas)
    // thus decode an unchanged file once. source: where the picture came from.
    QImage reloadPicture(const QString &path, std::optional<FileIdentity> *source = nullptr) const;

    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    // 0 none, 1 fixed single; other values raise Invalid property value (380).
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // 0 flat (a one-pixel line), 1 three-dimensional (a sunken two-pixel
    // edge); other values raise 380.
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);

    // Geometry in twips, converted through the screen's twips per pixel.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Move(double left, double top, double width, double height);

    // The area inside the border, in pixels.
    QRect innerRect() const;

signals:
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    std::optional<FileIdentity> m_source;
    bool m_stretch = true;
    int m_borderStyle = 1;
    int m_appearance = 0;
    bool m_clickPending = false;  // a left or right press began over the image
};

}  // namespace pinxel
