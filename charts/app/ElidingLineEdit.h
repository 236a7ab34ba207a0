#pragma once
// A one-line edit that shows a text too long for it cut with "…" while it is not being
// edited, the whole text as its tooltip. Its size never follows its text.
#include <QLineEdit>

class ElidingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ElidingLineEdit(const QString& text, QWidget* parent = nullptr);

    // The text as the edit shows it now: whole while it has the focus or fits.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};
