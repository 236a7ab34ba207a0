#pragma once
#include <QImage>
#include <QWidget>

// Shows a picture at its top left corner and reports clicks.
class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(QWidget* parent = nullptr);
    void setPicture(const QImage* picture) { picture_ = picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage* picture_ = nullptr;
};
