#pragma once
#include <QMainWindow>
#include <memory>
#include <vector>

#include "ChartDocument.h"
#include "ChartSettings.h"
#include "DocumentSettingsReading.h"

class ChartProjection;
class CommandProcessor;
class PrinterSetup;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class TChart;
class TfrmWriteIniFile;
class UpDown;
class UserDialogs;

// The chart viewer's main window: the options panel on top, the chart in the middle, the
// list of result tables and the series of the selected table on the right.
class TfrmTolmarCharts : public QMainWindow {
    Q_OBJECT
public:
    TfrmTolmarCharts(UserDialogs& dialogs, CommandProcessor& commands, PrinterSetup& printer,
                     QWidget* parent = nullptr);
    ~TfrmTolmarCharts() override;

    // Start-up once the window is shown: the view of the day before now, then each
    // command-line argument in order (settings files and result tables).
    void FormShow(const QStringList& arguments);

    // Restores a chart from the settings file at `path` (an empty path: the file written on
    // close), adding its tables to those loaded.
    void readSettingsFile(const QString& path);
    // Everything the settings file stores, as the window shows it now.
    ChartSettings currentSettings() const { return doc_.settings(); }

    TChart& chart() { return *chrtTolmarResults; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Writes the settings file; a date edit that is no integer keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void btnAddDataClick();
    void btnDelDataClick();
    void chklstbxFilesKeyUp(int key);
    void chklstbxFilesClickCheck();
    void chklstbxSeriesClickCheck(int row);
    void edtSeriesNameExit();
    void edtChartTitleChange();
    void edtOrdinateTitleChange();
    void edtAbszisseTitleChange();
    void updwnLineWidthSelectedClick();
    void miCopytoClipboardClick();
    void miPrintClick();
    // Writes the drawn series over the shown dates as CSV into the file the user chooses.
    void miExportVisibleSeriesClick();
    void miOpenHelpClick();
    void About1Click();
    void miExitClick();

    // Series looks and the chart's appearance.
    void chklstbxSeriesDblClick();
    void setPatternOfSelectedSeries(int penStyle);
    void edtLineWidthSelectedChange();
    void miColorGradientClick();
    void miSetStartColorClick();
    void SetGradientColorDefaultyellowClick();
    void miHideLegendClick();
    void chkbxHideLegendClick();
    void chkbxLogarithmicClick();
    void miScaleYAxisLogarithmicClick();

    // Date range, paging and fitting.
    void edtStartExit();
    void edtEndExit();
    void btnFirstPageClick();
    void btnPreviousPageClick();
    void btnNextPageClick();
    void chrtTolmarResultsZoom();
    void chrtTolmarResultsUndoZoom();
    void chrtTolmarResultsScroll();
    void spdbtnFitDataClick();
    void spdbtnFitVerticallyClick();
    void spdbtnFitHorizontallyClick();
    void spdbtnFitDataHorizontallyAllClick();
    void chkbcSynchronizeDatesClick();

private:
    QMetaObject::Connection focusWatch_;  // applies the date edits when a date group loses focus

    void buildMenus();
    void buildOptionsPanel();
    QWidget* buildManagementPanel();
    void buildChart();

    // Opens each path: one containing ".ini" as a settings file, any other as a table.
    void openPaths(const QStringList& paths);
    // How reading a table or a settings file shows its progress and reports failures.
    SettingsReadingHooks readingHooks();
    std::unique_ptr<FileContainer> readTableWithProgress(const QString& path);
    // After opening files: the file list from the document with the last entry selected when
    // tables were added, and the controls as the document says.
    void showOpened(int addedTables);
    void listTables();
    // The table that the selected entry of the file list acts on; -1 when none is selected.
    int selectedTable() const;
    // Fills the series list with the series of the table that file entry `entry` acts on.
    void showSeriesOf(int entry);
    // The selected series of the selected file; none when there is none.
    std::optional<SeriesKey> selectedSeries() const;
    // Makes the chart show the document, the series selected in the list drawn wider.
    void showDocument();
    // The check boxes, menu checks, title and date edits as the document says.
    void showControls();

    void writeDateEdits(const DateEdits& edits);
    // Sets the view to the date edits; throws ConversionError, changing nothing, for a text
    // that is no integer or a date that does not exist.
    void applyDateEdits();
    // Applies the date edits, reporting a conversion error instead.
    void applyDateEditsReporting();
    void fitValueAxis();
    // After the user zoomed or panned: the document takes the chart's axes.
    void takeAxesFromChart();
    // Opens the colour dialog for a series and sets the chosen colour.
    void chooseSeriesColour(SeriesKey key);
    void setChartGradient(const ChartGradient& gradient);
    void setLegendHidden(bool hidden);
    // Draws the series of item `row` of the series list into `rect`.
    void chklstbxSeriesDrawItem(QPainter& canvas, int row, const QRect& rect, bool selected) const;
    // Repaints the series list and draws its selected series wider in the chart.
    void repaintSeriesList();

    UserDialogs& dialogs_;
    CommandProcessor& commands_;
    PrinterSetup& printer_;

    // What the chart shows; the file list holds its tables in the same order.
    ChartDocument doc_;
    // Set while a bad date is reported, so that the message box taking the focus from a
    // date edit does not apply the edits again.
    bool ReportingDates = false;
    // Set while the settings file is written on close: the progress window lets events
    // through, and a second close must not write it again meanwhile.
    bool WritingSettings = false;

    // Options panel.
    QWidget* pnlOptions = nullptr;
    QPushButton *btnAddData = nullptr, *btnDelData = nullptr;
    QPushButton *btnFirstPage = nullptr, *btnPreviousPage = nullptr, *btnNextPage = nullptr,
                *btnLastPage = nullptr;
    QGroupBox *grpbxStartDate = nullptr, *grpbxEndDate = nullptr;
    QLineEdit *edtStartYear = nullptr, *edtStartMonth = nullptr, *edtStartDay = nullptr;
    QLineEdit *edtEndYear = nullptr, *edtEndMonth = nullptr, *edtEndDay = nullptr;
    QCheckBox *chkbxLogarithmic = nullptr, *chkbcSynchronizeDates = nullptr,
              *chkbxHideLegend = nullptr;
    QToolButton *spdbtnColorGradientSwitch = nullptr, *spdbtnGradientColors = nullptr,
                *spdbtnFitData = nullptr, *spdbtnFitVertically = nullptr,
                *spdbtnFitHorizontally = nullptr, *spdbtnFitDataHorizontallyAll = nullptr;
    QLineEdit *edtChartTitle = nullptr, *edtOrdinateTitle = nullptr, *edtAbszisseTitle = nullptr;
    QLineEdit* edtLineWidthSelected = nullptr;
    UpDown* updwnLineWidthSelected = nullptr;

    TChart* chrtTolmarResults = nullptr;
    std::unique_ptr<ChartProjection> projection_;

    // File and series management.
    QProgressBar* ProgressBar1 = nullptr;
    QListWidget* chklstbxFiles = nullptr;
    QLineEdit* edtSeriesName = nullptr;
    QListWidget* chklstbxSeries = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *Color1 = nullptr, *Style1 = nullptr;
    // The menu behind Style1: its own enabled state rules the action, also when the window is
    // enabled again after reading a table.
    QMenu* PatternMenu = nullptr;

    TfrmWriteIniFile* frmWriteIniFile = nullptr;

    // Main menu.
    QAction *miOpen = nullptr, *miClose = nullptr, *miPrint = nullptr, *miExit = nullptr;
    QAction* miCopytoClipboard = nullptr;
    QAction* miExportVisibleSeries = nullptr;
    QAction *miColorGradient = nullptr, *miSetStartColor = nullptr,
            *SetGradientColorDefaultyellow = nullptr, *miFitChartToData = nullptr,
            *miFitCharttoYValueDataLimits1 = nullptr, *miFitDatatoXValueDataLimits1 = nullptr,
            *miFitDatatoallXValueDataLimits1 = nullptr, *miHideLegend = nullptr,
            *miScaleYAxisLogarithmic = nullptr;
    QAction *About1 = nullptr, *miOpenHelp = nullptr;
};
