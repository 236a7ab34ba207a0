#pragma once
#include <QMainWindow>
#include <memory>

#include "Colour.h"
#include "GridDocument.h"
#include "PaletteSet.h"
#include "ViewWindow.h"

class CommandProcessor;
class LegendLabel;
class PaintBox;
class PaletteComboBox;
class QAction;
class QMouseEvent;
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
class GridFormatError;
struct LoadCallbacks;
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

    PaletteComboBox* ComboBox1 = nullptr;
    QLineEdit* edtGamma = nullptr;
    UpDown* updnGamma = nullptr;

    // Menu items.
    QAction *miLoadGrids, *miSaveGrid, *miSaveGridAs, *miExit;
    QAction *miCopyImage, *miCopyLegend, *miCopyProfileToClipboard, *miCopyRectangleToClipboard,
        *miPasteRectangleFromClipBoardHere, *miPastemode1, *miPastemode2, *miPastemode3,
        *miPastemode4, *miPastemode5, *miPastemode6, *miUnselectAllCellsNotInRange, *miUnselectAll,
        *miChangeValue;
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

    // Palettes, class bounds and the legend; the colour of class k is the colour of legend box k.
    PaletteSet palettes;
    std::vector<Colour> LegendColours;
    std::vector<double> ClassBounds;
    std::vector<PaintBox*> LegendBoxes;
    std::vector<LegendLabel*> LegendLabels;
    // The shown part of the grid and the size of the last picture.
    ViewWindow View;

    // Repaints the picture and the legend, as every display command does at its end.
    void GridPaint();
    void DrawLegend();
    // Class bounds and label texts from the shown level's statistics or the set range.
    void UpdateLegendValues();
    // Shows the whole grid unless Keep Clipping is on and the kept window still fits.
    void resetViewUnlessKept();
    void PaintBoxZoomIn(int x, int y);
    void PaintBoxZoomOut(int x, int y);

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
    void PaintBox1MouseMove(QMouseEvent* event);
    void PaintBox1MouseDown(QMouseEvent* event);
    void PanelClick();
    void LabelClick();

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
    void BuildLegendControls();
    // Places the legend boxes and labels for the legend paint box's height. Also run when
    // that box is resized, before its repaint: moving widgets from within the repaint
    // would ask for another one.
    void placeLegendItems();
    // Makes the legend panel as wide as its longest label needs, then places the items.
    void fitLegendWidth();
    // Draws the grid into the paint box's picture; `show` asks for the widget's repaint
    // (not wanted when the repaint event itself is drawing).
    void paintGrid(bool show);
    static const QString SwitchQuestion;
    // The unsaved-changes question before another grid or level is shown; Yes runs
    // Save As and clears Modified. False when the user cancels or the save fails.
    bool askToSaveChanges(const QString& text, const QString& caption);
    void endSwitch();
    // With no entry selected nothing is shown: clears the paint boxes and ends the switch.
    bool endSwitchWhenNothingSelected();
    // The user cancelled: the loaded entry is selected again and the switch ends.
    void cancelSwitch();
    void fillStatisticsPanel();
    void clearStatisticsPanel();
    LoadCallbacks loadCallbacks();
    void handleLoadError(const GridFormatError& error, int index);
    // False when the file could not be written (the user has been told).
    bool writeShownGrid(const QString& fileName);
    // Save As; false when the chosen file could not be written.
    bool saveGridAs();
    QString selectedEntry() const;
    // The new state of a toggle whose menu item and tool button mirror each other.
    bool toggledState(QAction* menuItem, QAction* button);

    UserDialogs& dialogs_;
    CommandProcessor& commands_;
};
