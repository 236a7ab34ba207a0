#pragma once
#include <QImage>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "CellClipboardText.h"
#include "Colour.h"
#include "GridDocument.h"
#include "GridSwitch.h"
#include "GridView.h"
#include "LevelHistogram.h"
#include "LoadGrid.h"
#include "ProfileSeries.h"
#include "SelectionRules.h"
#include "TfrmVLHistogram.h"

class CommandProcessor;
class LegendLabel;
class PaintBox;
class PaletteComboBox;
class TfrmVLProfile;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class TfrmGradientOptions;
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
    // The window shows `document`, which its owner keeps (and may look into).
    TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, GridDocument& document,
                QWidget* parent = nullptr);
    // A window with a document of its own.
    TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, QWidget* parent = nullptr);
    ~TfrmVistals() override;

    // Start-up of the window; `arguments` are the grid files of the command line.
    void FormShow(const QStringList& arguments);

    // What decides the picture, which every display command renders once.
    const GridView& gridView() const { return view; }

protected:
    // A resized paint box is rendered for its new size once, before the repaint shows it.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window go into the list as if chosen with "Load Grids".
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void miLoadGridsClick();
    void miOpenRasterClick();
    void miSaveGridClick();
    void miSaveGridAsClick();
    void miExitClick();
    void miPastemode1Click();
    void miPastemode2Click();
    void miPastemode3Click();
    void miPastemode4Click();
    void miPastemode5Click();
    void miPastemode6Click();
    void miCopyRectangleToClipboardClick();
    void miPasteRectangleFromClipBoardHereClick();
    void miCopyRegionAsTableClick();
    void miPasteTableHereClick();
    void miUnselectAllCellsNotInRangeClick();
    void miUnselectAllClick();
    void miChangeValueClick();
    void miSetRangeClick();
    void miShowProfileClick();
    void miCopyProfileToClipboardClick();
    void miHistogramClick();
    void miZoomInClick();
    void miZoomOutClick();
    void miFitPageClick();
    void miShiftLeftClick();
    void miShiftUpClick();
    void miShiftRightClick();
    void miShiftDownClick();
    void miInvertPaletteClick();
    void miSaveActualPaletteClick();
    void miCopyImageClick();
    void miCopyLegendClick();
    void miDiscontinuousColorsClick();
    void miShowStatisticsClick();
    void miDrawGridLinesClick();
    void miEraseGridClick();
    void miKeepClippingClick();
    void miNodataTransparentClick();
    void miShowGradientsClick();
    void miShowFlowVelocitiesFromXYFieldsClick();
    void miGradientOptionsClick();
    void miAboutClick();
    void miHelpClick();

    void lstbxGridNamesClick();
    void pnlGridNamesResize();
    void updnStacklevelClick();
    void edtStacklevelExit();
    void ComboBox1Change();
    void edtGammaChange();
    void updnGammaClick();
    void PaintBox1MouseMove(QMouseEvent* event);
    void PaintBox1MouseDown(QMouseEvent* event);
    void PaintBox1MouseUp();
    void PaintBox1Wheel(QWheelEvent* event);
    void PaintBox1Leave();
    void PanelClick();
    void LabelClick();

private:
    TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, std::unique_ptr<GridDocument> own,
                GridDocument* given, QWidget* parent);

    void lstbxGridNamesKeyDown(int key, Qt::KeyboardModifiers shift);
    // Appends `files` to the list in this order and loads the entry after the selected one.
    void addGridsAndLoad(const QStringList& files);
    // The form sees keys first: Ctrl+Left and Ctrl+Right from any control, the list's own keys
    // from the list. True when the key was handled.
    bool previewKey(QObject* watched, QKeyEvent* key);
    // Filters the key presses of every control of the window that can take the focus.
    void watchKeysOfControls();

    void buildLayout();
    void buildRightPanel();
    void buildStatisticsPanel();
    void buildMenus();
    void buildToolBar();
    // The first size: the design size, within the screen's available area.
    void fitFirstSizeToScreen();
    // The list's width follows the widest entry: text width on the paint box plus 20.
    void widenListFor(const QString& entry);
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

    // Switches the profile window off when it is shown; true when it was.
    bool switchProfileOffForCopy();
    // Renders the picture and the legend once and shows them, as every display command does at
    // its end; nothing while a grid is read.
    void renderView();
    // The render of a display command: nothing without a grid.
    void GridPaint();
    // After a colour change: without a grid the legend alone, so its boxes show the colours.
    void repaintAfterColourChange();
    RenderTarget renderTarget() const;
    // Shows a rendered legend: the panel's picture and each box's part of it.
    void showLegend(QImage legend);
    // Class bounds and label texts from the shown level's statistics or the set range.
    void UpdateLegendValues();
    // The labels show the view's label texts.
    void showLegendLabels();
    // The menu items and tool buttons show the view's paint switches and arrow mode.
    void showViewSettings();
    // Zooms and shifts switch "Erase old Grid" on.
    void eraseBeforeNextPaint();
    void PaintBoxZoomIn(int x, int y);
    void PaintBoxZoomOut(int x, int y);
    void shiftView(ShiftDirection direction);
    // The marks of selected cells, drawn into the picture the paint box shows.
    SelectionMarks selectionMarks();
    // The selection grows while the left button is held over a cell not selected yet.
    void dragSelect(QMouseEvent* event);
    // Shows what the selection commands changed: the marks at once, the profile chart.
    void showSelectionChanges();
    // The statistics after an edit, in the 15-digit form.
    void fillEditedStatistics();
    // The readout fields for the cell under the paint box's pixel `at`; cleared when nothing
    // is shown, and "-" / "outside" beyond the picture.
    void showReadout(QPoint at);
    void clearReadout();
    // The readout for wherever the pointer is now, after another grid or level is shown.
    void refreshReadout();

    // Starts a grid or level switch: the list is disabled without the focus jumping to
    // another control. False while another switch runs.
    bool beginSwitch();
    void endSwitch();
    // With no entry selected nothing is shown: clears the paint boxes and ends the switch.
    bool endSwitchWhenNothingSelected();
    // The user cancelled: the loaded entry is selected again and the switch ends.
    void cancelSwitch();
    // Asks about unsaved changes; Yes saves the loaded entry's grid with Save As.
    bool askToSaveChanges(GridSwitch::Target target);
    void fillStatisticsPanel();
    void clearStatisticsPanel();
    LoadCallbacks loadCallbacks();
    void handleLoadError(const GridFormatError& error, int index);
    // Writes the shown level in `format`; false when the file could not be written (the user
    // has been told).
    bool writeShownGrid(const QString& fileName, GridOutputFormat format);
    // Save As; false when the chosen file could not be written.
    bool saveGridAs();
    QString selectedEntry() const;
    // The new state of a toggle whose menu item and tool button mirror each other.
    bool toggledState(QAction* menuItem, QAction* button);

    // The histogram window (TfrmVistalsHistogram.cpp): counts anew after a render when what it
    // counts or shows has changed since it last did.
    void refreshHistogramIfShown();
    // The cell values changed in place (an edit, another grid or level).
    void noteValuesChanged() { ++valueChanges_; }

    // Gradient and flow arrows (TfrmVistalsArrows.cpp).
    void buildArrowTools();
    // Before another grid is loaded: the arrow grids and component grids go.
    void releaseArrowGrids();
    void recomputeGradientsIfShown();
    // A flow component grid of the shown grid's geometry; null after telling the user why not.
    std::unique_ptr<GridRows> readFlowComponent(const QString& fileName);

    UserDialogs& dialogs_;
    CommandProcessor& commands_;
    std::unique_ptr<GridDocument> ownDocument_;

    // The open grid and the window state around it.
    GridDocument& document;
    GridSwitch switchSteps_;
    std::unique_ptr<netcdfReader> reader;
    bool Painting = false;
    // A paint box was resized: the next repaint shows a picture rendered for the new size.
    bool renderDue_ = false;
    bool MouseReleased = true;
    // The cell of the last press or drag move inside the grid while the button is held.
    std::optional<GridCell> lastDragCell;
    PasteMode pasteMode = PasteMode::Replace;
    int PaletteFileCount = 0;
    QStringList PaletteFileNames;  // the palette files offered after the built-in palettes
    // The transect profile that the selection feeds, and its window.
    ProfileSeries profile;
    TfrmVLProfile* frmVLProfile = nullptr;
    std::uint64_t shownProfileRevision = 0;
    // The histogram window and what it shows.
    struct HistogramInputs {
        const GridRows* values = nullptr;
        std::uint64_t valueChanges = 0;
        double minimum = 0, maximum = 0;
        std::vector<double> classBounds;
        std::vector<Colour> colours;
        std::vector<QString> labels;
        HistogramOptions options;
        bool operator==(const HistogramInputs&) const = default;
        // Whether the counts of `other` hold for these inputs too (only the look differs).
        bool sameCounts(const HistogramInputs& other) const;
    };
    TfrmVLHistogram* frmVLHistogram = nullptr;
    std::optional<HistogramInputs> shownHistogram_;
    // The counts last made: a new palette or the count axis shows them again without counting.
    LevelHistogram countedHistogram_;
    std::uint64_t valueChanges_ = 0;

    // The component grids of the flow arrows.
    std::unique_ptr<GridRows> FlowXComponent;
    std::unique_ptr<GridRows> FlowYComponent;
    QString FlowXFileName;
    QString FlowYFileName;
    TfrmGradientOptions* frmGradientOptions = nullptr;

    // Palettes, legend, range, view window, paint switches and arrows.
    GridView view;
    std::vector<PaintBox*> LegendBoxes;
    std::vector<LegendLabel*> LegendLabels;

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
    QAction *miLoadGrids = nullptr, *miOpenRaster = nullptr, *miSaveGrid = nullptr,
            *miSaveGridAs = nullptr, *miExit = nullptr;
    QAction *miCopyImage = nullptr, *miCopyLegend = nullptr, *miCopyProfileToClipboard = nullptr,
            *miCopyRectangleToClipboard = nullptr, *miPasteRectangleFromClipBoardHere = nullptr,
            *miCopyRegionAsTable = nullptr, *miPasteTableHere = nullptr, *miPastemode1 = nullptr,
            *miPastemode2 = nullptr, *miPastemode3 = nullptr, *miPastemode4 = nullptr,
            *miPastemode5 = nullptr, *miPastemode6 = nullptr,
            *miUnselectAllCellsNotInRange = nullptr, *miUnselectAll = nullptr,
            *miChangeValue = nullptr;
    QAction *miZoomIn = nullptr, *miZoomOut = nullptr, *miFitPage = nullptr, *miShiftLeft = nullptr,
            *miShiftUp = nullptr, *miShiftRight = nullptr, *miShiftDown = nullptr,
            *miInvertPalette = nullptr, *miDiscontinuousColors = nullptr,
            *miSaveActualPalette = nullptr, *miShowStatistics = nullptr, *miHistogram = nullptr;
    QAction *miDrawGridLines = nullptr, *miEraseGrid = nullptr, *miSetRange = nullptr,
            *miShowProfile = nullptr, *miShowGradients = nullptr,
            *miShowFlowVelocitiesFromXYFields = nullptr, *miGradientOptions = nullptr,
            *miKeepClipping = nullptr, *miNodataTransparent = nullptr;
    QAction *miAbout = nullptr, *miHelp = nullptr;
    // Tool-bar buttons.
    QAction *tlbtnZoomIn = nullptr, *tlbtnZoomOut = nullptr, *tlbtnShiftLeft = nullptr,
            *tlbtnShiftUp = nullptr, *tlbtnShiftRight = nullptr, *tlbtnShiftDown = nullptr,
            *tlbtnDrawGridLines = nullptr, *tlbntInvertPalette = nullptr,
            *tlbtnDiscontinuousColors = nullptr, *tlbtnKeepClipping = nullptr,
            *tlbtnNodataTransparent = nullptr;
};
