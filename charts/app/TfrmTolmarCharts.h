#pragma once
#include <QMainWindow>
#include <memory>
#include <vector>

#include "ChartAppearance.h"
#include "ChartSettings.h"
#include "LoadedTable.h"
#include "SeriesStyleTable.h"

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

    // Reads the result table at `path` and appends it to the lists, drawing its last column.
    // A table that cannot be read is reported ("wrong file format"), changes nothing and
    // gives null.
    LoadedTable* addResultTable(const QString& path);
    // Fills the series list with the series of the first table added from `path`.
    void showSeriesOfFile(const QString& path);
    // Restores a chart from the settings file at `path` (an empty path: the file written on
    // close), adding its tables to those loaded.
    void readSettingsFile(const QString& path);
    // Everything the settings file stores, as the window shows it now.
    ChartSettings currentSettings() const;

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
    friend class WindowSettingsTarget;

    void buildMenus();
    void buildOptionsPanel();
    QWidget* buildManagementPanel();
    void buildChart();

    // Opens each path: one containing ".ini" as a settings file, any other as a table.
    void openPaths(const QStringList& paths);
    std::unique_ptr<FileContainer> readTableWithProgress(const QString& path);
    // The first table added from `path`; null when there is none.
    LoadedTable* tableOf(const QString& path) const;
    // The table of the selected entry of the file list; null when none is selected.
    LoadedTable* selectedTable() const;
    // Sets the date axis to a new table's dates, or only widens the all-files range while the
    // range is fixed.
    void showDatesOf(const FileContainer& table);
    // The dates of every table loaded now, each widened by its time step; the view at start-up
    // while none is loaded.
    ViewRange allFilesSpan() const;
    // The view over every loaded table, with its labels and page size, as adding a single
    // table sets it; the date edits follow when asked. Nothing changes while none is loaded.
    void showAllTables(bool withDateEdits);
    void writeDateEdits(const DateEdits& edits);
    DateEdits dateEdits() const;
    // Sets the view to the date edits; throws ConversionError, changing nothing, for a text
    // that is no integer or a date that does not exist.
    void applyDateEdits();
    // Applies the date edits, reporting a conversion error instead.
    void applyDateEditsReporting();
    void fitValueAxis();
    void setViewRange(const ViewRange& view);
    // Opens the colour dialog for a series and sets the chosen colour.
    void chooseSeriesColour(SeriesLines& lines);
    // The selected series of the selected file; null when there is none.
    SeriesLines* selectedSeries() const;
    ChartGradient chartGradient() const;
    void setChartGradient(const ChartGradient& gradient);
    void setLegendHidden(bool hidden);
    // Draws the series of item `row` of the series list into `rect`.
    void chklstbxSeriesDrawItem(QPainter& canvas, int row, const QRect& rect, bool selected);
    // The pen width the chart draws series `lines` with: wider by the selected-series width
    // while it is selected in the series list.
    int shownPenWidth(SeriesLines& lines, bool selected) const;
    // Gives every listed series its shown pen width and repaints the series list.
    void repaintSeriesList();

    UserDialogs& dialogs_;
    CommandProcessor& commands_;
    PrinterSetup& printer_;

    // The tables in the order added; the same order as the file list.
    std::vector<std::unique_ptr<LoadedTable>> files;
    SeriesStyleTable styles;
    bool RangeFixed = false;
    // The view at start-up, which F8 takes while no table is loaded.
    double AllFilesStart = -9999.0;
    double AllFilesEnd = -9999.0;
    bool SynchronizeDates = true;
    // Set while a bad date is reported, so that the message box taking the focus from a
    // date edit does not apply the edits again.
    bool ReportingDates = false;
    // Set while the settings file is written on close: the progress window lets events
    // through, and a second close must not write it again meanwhile.
    bool WritingSettings = false;
    GradientColours GradientColors;

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
    QAction *miColorGradient = nullptr, *miSetStartColor = nullptr,
            *SetGradientColorDefaultyellow = nullptr, *miFitChartToData = nullptr,
            *miFitCharttoYValueDataLimits1 = nullptr, *miFitDatatoXValueDataLimits1 = nullptr,
            *miFitDatatoallXValueDataLimits1 = nullptr, *miHideLegend = nullptr,
            *miScaleYAxisLogarithmic = nullptr;
    QAction *About1 = nullptr, *miOpenHelp = nullptr;
};
