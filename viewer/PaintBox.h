#pragma once
#include <QImage>
#include <QWidget>

// A surface that shows a finished picture, its `canvas`, which its owner draws and which
// persists between repaints. The repaint event only shows the canvas (and tells so with
// paintRequested); it draws nothing.
//
// The canvas has the box's size in logical pixels at every scale factor, so every geometry
// rule of the drawing stays as at scale 1; above it the canvas is shown enlarged with
// nearest-neighbour sampling, which keeps one-pixel lines sharp instead of blurring them.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    // Fills the whole canvas with one colour and shows it.
    void fill(QColor colour);

signals:
    // The box is being repainted.
    void paintRequested();
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void wheelTurned(QWheelEvent* event);
    void mouseLeft();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage canvas_;
};
