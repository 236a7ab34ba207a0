#pragma once
#include <QLabel>

// A one-line label that shows its whole text when it fits and otherwise the text cut at the
// right with "…", the whole text as its tooltip. Its width follows the layout, never the text.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void setFullText(const QString& text);
    QString fullText() const { return fullText_; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
};
