#pragma once
// The small tool window that shows the progress over the tables while the settings file is
// written or read.
#include <QDialog>

class QLabel;
class QProgressBar;

class TfrmWriteIniFile : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWriteIniFile(QWidget* parent = nullptr);

    // Shows the window with `caption` and `label`, the bar from 0 to `count`.
    void start(const QString& caption, const QString& label, int count);
    void setPosition(int index);
    void finish();

private:
    QLabel* lblWriteIniFile = nullptr;
    QProgressBar* prgrsbrWriteIniFile = nullptr;
};
