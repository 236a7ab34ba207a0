#pragma once
#include <QMainWindow>
#include <memory>

#include "GridDocument.h"

class CommandProcessor;
class PaintBox;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QScrollArea;
class QSplitter;
class QToolBar;
class UpDown;
class UserDialogs;
class netcdfReader;

// The main window of the grid viewer: file list on the right, the grid picture
// with its legend in the middle, tool bar and statistics panel on top.
class TfrmVistals : public QMainWindow {
    Q_OBJECT
public:
    TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, QWidget* parent = nullptr);
    ~TfrmVistals() override;

    // Start-up of the window; `arguments` are the grid files of the command line.
    void FormShow(const QStringList& arguments);

    // Controls, named as the handlers refer to them.
    QSplitter* Splitter1 = nullptr;  // between the grid area and the file list
    QSplitter* Splitter2 = nullptr;  // under the tool bar and statistics panel
    QWidget* pnlGridNames = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* lblStacklevel = nullptr;
    QLineEdit* edtStacklevel = nullptr;
    UpDown* updnStacklevel = nullptr;
    QLabel* lblStacklayers = nullptr;
    QListWidget* lstbxGridNames = nullptr;

    QWidget* pnlButtonsAndStatistics = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QWidget* pnlStatistics = nullptr;
    QLineEdit *edtNCols = nullptr, *edtNRows = nullptr, *edtXLL = nullptr, *edtYLL = nullptr,
              *edtCellSize = nullptr, *edtNodata = nullptr, *edtCellCount = nullptr,
              *edtMin = nullptr, *edtMax = nullptr, *edtSum = nullptr, *edtAverage = nullptr,
              *edtStdDev = nullptr, *edtXCol = nullptr, *edtXCoord = nullptr, *edtYCol = nullptr,
              *edtYCoord = nullptr, *edtValue = nullptr, *edtFileFormat = nullptr;

    QScrollArea* ScrollBox1 = nullptr;
    PaintBox* PaintBox1 = nullptr;
    QFrame* pnlLegend = nullptr;
    PaintBox* PaintBoxLegend = nullptr;

    QComboBox* ComboBox1 = nullptr;
    QLineEdit* edtGamma = nullptr;
    UpDown* updnGamma = nullptr;

    // Menu items.
    QAction *miLoadGrids, *miSaveGrid, *miSaveGridAs, *miExit;
    QAction *miCopyImage, *miCopyLegend, *miCopyProfileToClipboard, *miCopyRectangleToClipboard,
        *miPasteRectangleFromClipBoardHere, *miPastemode1, *miPastemode2, *miPastemode3,
        *miPastemode4, *miPastemode5, *miPastemode6, *miUnselectAllCellsNotInRange,
        *miUnselectAll, *miChangeValue;
    QAction *miZoomIn, *miZoomOut, *miFitPage, *miShiftLeft, *miShiftUp, *miShiftRight,
        *miShiftDown, *miInvertPalette, *miDiscontinuousColors, *miSaveActualPalette,
        *miShowStatistics;
    QAction *miDrawGridLines, *miEraseGrid, *miSetRange, *miShowProfile, *miShowGradients,
        *miShowFlowVelocitiesFromXYFields, *miGradientOptions, *miKeepClipping,
        *miNodataTransparent;
    QAction *miAbout, *miHelp;
    // Tool-bar buttons.
    QAction *tlbtnZoomIn, *tlbtnZoomOut, *tlbtnShiftLeft, *tlbtnShiftUp, *tlbtnShiftRight,
        *tlbtnShiftDown, *tlbtnDrawGridLines, *tlbntInvertPalette, *tlbtnDiscontinuousColors,
        *tlbtnKeepClipping, *tlbtnNodataTransparent;

    // The open grid and the window state around it.
    GridDocument document;
    std::unique_ptr<netcdfReader> reader;
    bool Busy = false;
    bool Painting = false;
    bool SwitchGuard = false;
    bool KeepClipping = false;
    bool NodataTransparent = true;
    bool MouseReleased = true;
    int PasteMode = 1;
    int ColorStepCount = 20;
    int BuiltInPaletteCount = 6;
    int PaletteFileCount = 0;
    bool RangeSet = false;
    double RangeMin = 0;
    double RangeMax = 0;

    // The list's width follows the widest entry: text width on the paint box plus 20.
    void widenListFor(const QString& entry);

public slots:
    void miLoadGridsClick();
    void miSaveGridClick();
    void miSaveGridAsClick();
    void miExitClick();
    void miCopyImageClick();
    void miCopyLegendClick();
    void miCopyProfileToClipboardClick();
    void miCopyRectangleToClipboardClick();
    void miPasteRectangleFromClipBoardHereClick();
    void miPastemode1Click();
    void miPastemode2Click();
    void miPastemode3Click();
    void miPastemode4Click();
    void miPastemode5Click();
    void miPastemode6Click();
    void miUnselectAllCellsNotInRangeClick();
    void miUnselectAllClick();
    void miChangeValueClick();
    void miZoomInClick();
    void miZoomOutClick();
    void miFitPageClick();
    void miShiftLeftClick();
    void miShiftUpClick();
    void miShiftRightClick();
    void miShiftDownClick();
    void miInvertPaletteClick();
    void miDiscontinuousColorsClick();
    void miSaveActualPaletteClick();
    void miShowStatisticsClick();
    void miDrawGridLinesClick();
    void miEraseGridClick();
    void miSetRangeClick();
    void miShowProfileClick();
    void miShowGradientsClick();
    void miShowFlowVelocitiesFromXYFieldsClick();
    void miGradientOptionsClick();
    void miKeepClippingClick();
    void tlbtnKeepClippingClick();
    void miNodataTransparentClick();
    void miAboutClick();
    void miHelpClick();

    void lstbxGridNamesClick();
    void lstbxGridNamesKeyDown(int key, Qt::KeyboardModifiers shift);
    void pnlGridNamesResize();
    void updnStacklevelClick();
    void edtStacklevelExit();
    void ComboBox1Change();
    void edtGammaChange();
    void updnGammaClick();
    void PaintBox1Paint();
    void PaintBoxLegendPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildRightPanel();
    void buildStatisticsPanel();
    void buildMenus();
    void buildToolBar();
    // Fills the paint boxes with the button-face colour (nothing shown).
    void clearPaintBoxes();
    // Releases the shown grid, as deleting its list entry does.
    void releaseShownGrid();
    // Palettes, the palette combo box and the legend controls at start-up.
    void setUpPalettes();
    void setUpLegend();

    UserDialogs& dialogs_;
    CommandProcessor& commands_;
};
