#pragma once
#include <QImage>
#include <QWidget>

// A drawing surface that keeps what was drawn on it: painting goes into
// `canvas`, which persists between repaints (so a grid with transparent
// nodata cells can be drawn over the previous one). The repaint event first
// asks the owner to draw (paintRequested), then shows the canvas.
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
    bool inPaint_ = false;
};
