#pragma once
#include <QWidget>

class ProfileSeries;
class TChart;
class TLineSeries;

// The profile window: one line chart of the transect profile, on top of the other windows,
// without a close box (the main window's menu item hides it). It sees keys before its chart:
// Ctrl+T copies the chart as the main window's "Copy Profile To Clipboard" does.
class TfrmVLProfile : public QWidget {
    Q_OBJECT
public:
    explicit TfrmVLProfile(QWidget* parent = nullptr);

    // Shows these points: the line in Series1, broken where nodata cells lie between points,
    // the points the line does not show as markers, the axes fitted to the points with a
    // margin.
    void showPoints(const ProfileSeries& points);
    // The whole chart at its current size on the clipboard, as SVG with a PNG beside it.
    void copyChartToClipboard();

    TChart* chart() const { return Chart1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // True when the key was Ctrl+T and the chart was copied.
    bool FormKeyDown(QKeyEvent* key);

    TChart* Chart1 = nullptr;
    TLineSeries* Series1 = nullptr;
    TLineSeries* LonePoints = nullptr;
};
