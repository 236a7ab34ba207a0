#include "TfrmVistals.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "CommandProcessor.h"
#include "GridNetcdfReader.h"
#include "LegendGeometry.h"
#include "MenuItem.h"
#include "NodataToWrite.h"
#include "PaintBox.h"
#include "PaletteComboBox.h"
#include "Palettes.h"
#include "StatisticsField.h"
#include "TfrmVLProfile.h"
#include "ToolBarIcons.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "UserGuide.h"

namespace {

// Keys with which the user moves the selection of the file list.
bool movesListSelection(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

}  // namespace

TfrmVistals::TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, GridDocument& document,
                         QWidget* parent)
    : TfrmVistals(dialogs, commands, nullptr, &document, parent) {}

TfrmVistals::TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands, QWidget* parent)
    : TfrmVistals(dialogs, commands, std::make_unique<GridDocument>(), nullptr, parent) {}

TfrmVistals::TfrmVistals(UserDialogs& dialogs, CommandProcessor& commands,
                         std::unique_ptr<GridDocument> own, GridDocument* given, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      commands_(commands),
      ownDocument_(std::move(own)),
      document(given ? *given : *ownDocument_),
      switchSteps_(document, dialogs) {
    setObjectName(QStringLiteral("frmVistals"));
    setWindowTitle(QStringLiteral("Vistals"));
    setMinimumSize(900, 600);
    fitFirstSizeToScreen();
    buildMenus();
    buildLayout();
    frmVLProfile = new TfrmVLProfile(this);
    frmVLHistogram = new TfrmVLHistogram(this);
    connect(frmVLHistogram, &TfrmVLHistogram::optionsChanged, this,
            &TfrmVistals::refreshHistogramIfShown);
    buildArrowTools();
    // The resizes of the file list panel and the legend place their controls.
    pnlGridNames->installEventFilter(this);
    PaintBox1->installEventFilter(this);
    PaintBoxLegend->installEventFilter(this);
    watchKeysOfControls();
    setAcceptDrops(true);
}

TfrmVistals::~TfrmVistals() = default;

void TfrmVistals::fitFirstSizeToScreen() {
    QSize first(1316, 819);
    if (const QScreen* shown = screen()) {
        // The frame and title bar need a little room as well.
        const QSize available = shown->availableSize() - QSize(16, 40);
        first = first.boundedTo(available).expandedTo(minimumSize());
    }
    resize(first);
}

void TfrmVistals::watchKeysOfControls() {
    // The form's key preview: every control that can take the focus passes its keys here
    // first, and so does the window itself.
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);
}

void TfrmVistals::buildLayout() {
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    setCentralWidget(Splitter1);

    Splitter2 = new QSplitter(Qt::Vertical, Splitter1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    pnlButtonsAndStatistics = new QWidget(Splitter2);
    pnlButtonsAndStatistics->setObjectName(QStringLiteral("pnlButtonsAndStatistics"));
    auto* topLayout = new QVBoxLayout(pnlButtonsAndStatistics);
    topLayout->setContentsMargins(2, 2, 2, 2);
    topLayout->setSpacing(2);
    ToolBar1 = new QToolBar(pnlButtonsAndStatistics);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    topLayout->addWidget(ToolBar1);
    buildToolBar();
    buildStatisticsPanel();
    topLayout->addWidget(pnlStatistics, 1);

    auto* centre = new QWidget(Splitter2);
    auto* centreLayout = new QHBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    ScrollBox1 = new QScrollArea(centre);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    PaintBox1 = new PaintBox(ScrollBox1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    ScrollBox1->setWidget(PaintBox1);
    centreLayout->addWidget(ScrollBox1, 1);
    pnlLegend = new QFrame(centre);
    pnlLegend->setObjectName(QStringLiteral("pnlLegend"));
    pnlLegend->setFixedWidth(LegendMinimumWidth);
    // The legend picture draws the panel's sunken frame itself (DrawLegend).
    pnlLegend->setFrameStyle(QFrame::NoFrame);
    PaintBoxLegend = new PaintBox(pnlLegend);
    PaintBoxLegend->setObjectName(QStringLiteral("PaintBoxLegend"));
    auto* legendLayout = new QVBoxLayout(pnlLegend);
    legendLayout->setContentsMargins(0, 0, 0, 0);
    legendLayout->addWidget(PaintBoxLegend);
    centreLayout->addWidget(pnlLegend);

    Splitter2->addWidget(pnlButtonsAndStatistics);
    Splitter2->addWidget(centre);
    Splitter2->setStretchFactor(1, 1);
    Splitter2->setSizes({129, 819 - 129});
    Splitter2->setCollapsible(0, true);
    Splitter2->setCollapsible(1, false);

    buildRightPanel();
    Splitter1->addWidget(Splitter2);
    Splitter1->addWidget(pnlGridNames);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({1316 - 201, 201});

    connect(PaintBox1, &PaintBox::mouseMoved, this, &TfrmVistals::PaintBox1MouseMove);
    connect(PaintBox1, &PaintBox::mousePressed, this, &TfrmVistals::PaintBox1MouseDown);
    connect(PaintBox1, &PaintBox::mouseReleased, this, &TfrmVistals::PaintBox1MouseUp);
    connect(PaintBox1, &PaintBox::wheelTurned, this, &TfrmVistals::PaintBox1Wheel);
    connect(PaintBox1, &PaintBox::mouseLeft, this, &TfrmVistals::PaintBox1Leave);
}

void TfrmVistals::buildRightPanel() {
    pnlGridNames = new QWidget(Splitter1);
    pnlGridNames->setObjectName(QStringLiteral("pnlGridNames"));
    pnlGridNames->setMinimumWidth(150);

    ProgressBar1 = new QProgressBar(pnlGridNames);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    lblStacklevel = new QLabel(QStringLiteral("Stack&level"), pnlGridNames);
    edtStacklevel = new QLineEdit(QStringLiteral("0"), pnlGridNames);
    edtStacklevel->setObjectName(QStringLiteral("edtStacklevel"));
    lblStacklevel->setBuddy(edtStacklevel);
    updnStacklevel = new UpDown(pnlGridNames);
    updnStacklevel->setObjectName(QStringLiteral("updnStacklevel"));
    updnStacklevel->setAssociate(edtStacklevel);
    updnStacklevel->setButtonSize(QSize(17, 11));
    updnStacklevel->setRange(0, 0);
    updnStacklevel->setEnabled(false);
    lblStacklayers = new QLabel(QStringLiteral("(max 0)"), pnlGridNames);
    lblStacklayers->setObjectName(QStringLiteral("lblStacklayers"));
    lstbxGridNames = new QListWidget(pnlGridNames);
    lstbxGridNames->setObjectName(QStringLiteral("lstbxGridNames"));
    lstbxGridNames->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(lstbxGridNames, &QListWidget::itemClicked, this, &TfrmVistals::lstbxGridNamesClick);
    connect(updnStacklevel, &UpDown::clicked, this, &TfrmVistals::updnStacklevelClick);
    connect(edtStacklevel, &QLineEdit::editingFinished, this, &TfrmVistals::edtStacklevelExit);
}

void TfrmVistals::pnlGridNamesResize() {
    const int width = pnlGridNames->width();
    ProgressBar1->setGeometry(2, 2, width - 4, 14);
    lblStacklevel->setGeometry(4, 24, 60, 22);
    edtStacklevel->setGeometry(66, 24, 40, 22);
    updnStacklevel->move(106, 24);
    lblStacklayers->setGeometry(128, 24, std::max(20, width - 130), 22);
    lstbxGridNames->setGeometry(0, 57, width, pnlGridNames->height() - 57);
}

void TfrmVistals::buildStatisticsPanel() {
    pnlStatistics = new QWidget(pnlButtonsAndStatistics);
    pnlStatistics->setObjectName(QStringLiteral("pnlStatistics"));
    auto* grid = new QGridLayout(pnlStatistics);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    // The widest texts the fields usually show: cell counts, "%g" numbers, the readout's
    // column and row, the format names.
    const QString count = QStringLiteral("99999999");
    const QString number = QStringLiteral("-8.88888e+08");
    const QString cell = QStringLiteral("99999");
    const QString format = QStringLiteral("Grid (double prec.)");
    auto place = [&](const char* caption, QLineEdit*& edit, const char* name, const QString& usual,
                     int row, int col, int span = 1) {
        edit = statisticsField(pnlStatistics, name, usual);
        if (caption) {
            auto* label = new QLabel(QString::fromLatin1(caption), pnlStatistics);
            label->setBuddy(edit);
            grid->addWidget(label, row, col);
        }
        grid->addWidget(edit, row, col + 1, 1, span);
    };
    place("Columns", edtNCols, "edtNCols", count, 0, 0);
    place("Rows", edtNRows, "edtNRows", count, 1, 0);
    place("Cell Count", edtCellCount, "edtCellCount", count, 2, 0);
    place("XLL", edtXLL, "edtXLL", number, 0, 2);
    place("YLL", edtYLL, "edtYLL", number, 1, 2);
    place("CellSize", edtCellSize, "edtCellSize", number, 2, 2);
    place("Minimum", edtMin, "edtMin", number, 0, 4);
    place("Maximum", edtMax, "edtMax", number, 1, 4);
    place("Nodata", edtNodata, "edtNodata", number, 2, 4);
    place("Sum", edtSum, "edtSum", number, 0, 6);
    place("Average", edtAverage, "edtAverage", number, 1, 6);
    place("StdDeviation", edtStdDev, "edtStdDev", number, 2, 6);
    place("actual Column", edtXCol, "edtXCol", cell, 0, 8);
    place(nullptr, edtXCoord, "edtXCoord", number, 0, 9);
    place("Actual Row", edtYCol, "edtYCol", cell, 1, 8);
    place(nullptr, edtYCoord, "edtYCoord", number, 1, 9);
    place("Value", edtValue, "edtValue", number, 2, 8, 2);
    place("Fileformat", edtFileFormat, "edtFileFormat", format, 0, 11);
    // The nodata field is the one the user edits: its number is written when saving.
    edtNodata->setReadOnly(false);
    edtNodata->setFocusPolicy(Qt::StrongFocus);
    edtNodata->setPalette(QPalette());
    // Every text the field takes, typed or filled in by a load, is the value a save writes.
    connect(edtNodata, &QLineEdit::textChanged, this,
            [this](const QString& text) { document.NodataToSave = EnterNodata(text); });
    grid->setColumnStretch(13, 1);
}

void TfrmVistals::buildMenus() {
    auto add = [this](QMenu* menu, QAction*& action, const char* name, const char* caption,
                      QKeySequence shortcut, void (TfrmVistals::*handler)()) {
        action = addMenuItem(menu, name, caption, shortcut, this, handler);
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    const auto ctrlShift = [](int key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };
    const auto alt = [](int key) { return QKeySequence(Qt::ALT | key); };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, miLoadGrids, "miLoadGrids", "&Load Grids", ctrl(Qt::Key_L),
        &TfrmVistals::miLoadGridsClick);
    add(file, miOpenRaster, "miOpenRaster", "Open &Raster...", QKeySequence(),
        &TfrmVistals::miOpenRasterClick);
    add(file, miSaveGrid, "miSaveGrid", "&Save Grid", ctrl(Qt::Key_S),
        &TfrmVistals::miSaveGridClick);
    // Available only while a plain ASCII or binary grid is shown.
    miSaveGrid->setEnabled(false);
    add(file, miSaveGridAs, "miSaveGridAs", "Save Grid As...", ctrlShift(Qt::Key_S),
        &TfrmVistals::miSaveGridAsClick);
    file->addSeparator();
    add(file, miExit, "miExit", "E&xit", alt(Qt::Key_F4), &TfrmVistals::miExitClick);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, miCopyImage, "miCopyImage", "&Copy Image to Clipboard", ctrl(Qt::Key_C),
        &TfrmVistals::miCopyImageClick);
    add(edit, miCopyLegend, "miCopyLegend", "Copy &Legend to Clipboarad", ctrlShift(Qt::Key_C),
        &TfrmVistals::miCopyLegendClick);
    add(edit, miCopyProfileToClipboard, "miCopyProfileToClipboard", "Copy Profile &To Clipboard",
        ctrl(Qt::Key_T), &TfrmVistals::miCopyProfileToClipboardClick);
    add(edit, miCopyRectangleToClipboard, "miCopyRectangleToClipboard",
        "Copy selected &Region To Clipboard", ctrlShift(Qt::Key_R),
        &TfrmVistals::miCopyRectangleToClipboardClick);
    add(edit, miPasteRectangleFromClipBoardHere, "miPasteRectangleFromClipBoardHere",
        "&Paste region here", ctrlShift(Qt::Key_V),
        &TfrmVistals::miPasteRectangleFromClipBoardHereClick);
    // The same cells as rows of numbers, as spreadsheets and editors exchange them.
    add(edit, miCopyRegionAsTable, "miCopyRegionAsTable", "Copy selected Region as T&able", {},
        &TfrmVistals::miCopyRegionAsTableClick);
    add(edit, miPasteTableHere, "miPasteTableHere", "Paste Ta&ble here", {},
        &TfrmVistals::miPasteTableHereClick);
    add(edit, miPastemode1, "miPastemode1", "  &1 Paste mode: Replace", {},
        &TfrmVistals::miPastemode1Click);
    add(edit, miPastemode2, "miPastemode2", "  &2 Paste mode: Add", {},
        &TfrmVistals::miPastemode2Click);
    add(edit, miPastemode3, "miPastemode3", "  &3 Paste mode: Subtract", {},
        &TfrmVistals::miPastemode3Click);
    add(edit, miPastemode4, "miPastemode4", "  &4 Paste mode: Multiply", {},
        &TfrmVistals::miPastemode4Click);
    add(edit, miPastemode5, "miPastemode5", "  &5 Paste mode: divide", {},
        &TfrmVistals::miPastemode5Click);
    add(edit, miPastemode6, "miPastemode6", "  &6 Paste mode: do nothing (select cells only)", {},
        &TfrmVistals::miPastemode6Click);
    auto* pasteModes = new QActionGroup(this);
    for (QAction* mode :
         {miPastemode1, miPastemode2, miPastemode3, miPastemode4, miPastemode5, miPastemode6}) {
        mode->setCheckable(true);
        pasteModes->addAction(mode);
    }
    miPastemode1->setChecked(true);
    edit->addSeparator();
    add(edit, miUnselectAllCellsNotInRange, "miUnselectAllCellsNotInRange",
        "U&nselect All Cells not in Range...", ctrlShift(Qt::Key_U),
        &TfrmVistals::miUnselectAllCellsNotInRangeClick);
    add(edit, miUnselectAll, "miUnselectAll", "&Unselect All Cells", ctrl(Qt::Key_U),
        &TfrmVistals::miUnselectAllClick);
    add(edit, miChangeValue, "miChangeValue", "Change &Value...", QKeySequence(Qt::Key_F5),
        &TfrmVistals::miChangeValueClick);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, miZoomIn, "miZoomIn", "Zoom &In", ctrl(Qt::Key_I), &TfrmVistals::miZoomInClick);
    add(view, miZoomOut, "miZoomOut", "Zoom &Out", ctrl(Qt::Key_O), &TfrmVistals::miZoomOutClick);
    add(view, miFitPage, "miFitPage", "Fit &Page", ctrl(Qt::Key_P), &TfrmVistals::miFitPageClick);
    view->addSeparator();
    add(view, miShiftLeft, "miShiftLeft", "Shift &Left", alt(Qt::Key_Left),
        &TfrmVistals::miShiftLeftClick);
    add(view, miShiftUp, "miShiftUp", "Shift &Up", alt(Qt::Key_Up), &TfrmVistals::miShiftUpClick);
    add(view, miShiftRight, "miShiftRight", "Shift Righ&t", alt(Qt::Key_Right),
        &TfrmVistals::miShiftRightClick);
    add(view, miShiftDown, "miShiftDown", "Shift &Down", alt(Qt::Key_Down),
        &TfrmVistals::miShiftDownClick);
    view->addSeparator();
    add(view, miInvertPalette, "miInvertPalette", "In&vert Palette", ctrl(Qt::Key_V),
        &TfrmVistals::miInvertPaletteClick);
    add(view, miDiscontinuousColors, "miDiscontinuousColors", "discontinuous colors",
        ctrl(Qt::Key_D), &TfrmVistals::miDiscontinuousColorsClick);
    miDiscontinuousColors->setCheckable(true);
    add(view, miSaveActualPalette, "miSaveActualPalette", "Save Actual Palette...",
        ctrl(Qt::Key_F7), &TfrmVistals::miSaveActualPaletteClick);
    view->addSeparator();
    add(view, miShowStatistics, "miShowStatistics", "Show Statistics (toggle)",
        QKeySequence(Qt::Key_F11), &TfrmVistals::miShowStatisticsClick);
    miShowStatistics->setCheckable(true);
    miShowStatistics->setChecked(true);
    add(view, miHistogram, "miHistogram", "&Histogram", {}, &TfrmVistals::miHistogramClick);
    miHistogram->setCheckable(true);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    add(options, miDrawGridLines, "miDrawGridLines", "Draw &Gridlines", ctrl(Qt::Key_G),
        &TfrmVistals::miDrawGridLinesClick);
    miDrawGridLines->setCheckable(true);
    add(options, miEraseGrid, "miEraseGrid", "&Erase old Grid (clear display before drawing)",
        ctrl(Qt::Key_E), &TfrmVistals::miEraseGridClick);
    miEraseGrid->setCheckable(true);
    miEraseGrid->setChecked(true);
    add(options, miSetRange, "miSetRange", "Set &Range...", ctrl(Qt::Key_R),
        &TfrmVistals::miSetRangeClick);
    options->addSeparator();
    add(options, miShowProfile, "miShowProfile", "Show Transection Pro&file", ctrl(Qt::Key_F),
        &TfrmVistals::miShowProfileClick);
    miShowProfile->setCheckable(true);
    options->addSeparator();
    add(options, miShowGradients, "miShowGradients", "Show Gr&adients", QKeySequence(Qt::Key_F2),
        &TfrmVistals::miShowGradientsClick);
    add(options, miShowFlowVelocitiesFromXYFields, "miShowFlowVelocitiesFromXYFields",
        "Show Flow &Velocities From X-Y-Fields...", QKeySequence(Qt::Key_F3),
        &TfrmVistals::miShowFlowVelocitiesFromXYFieldsClick);
    miShowGradients->setCheckable(true);
    miShowFlowVelocitiesFromXYFields->setCheckable(true);
    add(options, miGradientOptions, "miGradientOptions", "Arrow &Options", QKeySequence(Qt::Key_F4),
        &TfrmVistals::miGradientOptionsClick);
    options->addSeparator();
    add(options, miKeepClipping, "miKeepClipping", "&Keep Clipping", ctrl(Qt::Key_K),
        &TfrmVistals::miKeepClippingClick);
    miKeepClipping->setCheckable(true);
    add(options, miNodataTransparent, "miNodataTransparent", "Nodata Tr&ansparent", ctrl(Qt::Key_A),
        &TfrmVistals::miNodataTransparentClick);
    miNodataTransparent->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, miAbout, "miAbout", "&About", {}, &TfrmVistals::miAboutClick);
    add(help, miHelp, "miHelp", "&Summary", QKeySequence(Qt::Key_F1), &TfrmVistals::miHelpClick);
}

void TfrmVistals::buildToolBar() {
    auto button = [this](QAction*& action, const char* name, const QString& hint,
                         vistal::ToolBarIcon icon, void (TfrmVistals::*handler)(),
                         bool checkable = false) {
        action = ToolBar1->addAction(vistal::toolBarIcon(icon), hint);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(hint);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, handler);
    };
    ToolBar1->addSeparator();
    button(tlbtnZoomIn, "tlbtnZoomIn", QStringLiteral("zoom in"), vistal::ToolBarIcon::ZoomIn,
           &TfrmVistals::miZoomInClick);
    button(tlbtnZoomOut, "tlbtnZoomOut", QStringLiteral("zoom out"), vistal::ToolBarIcon::ZoomOut,
           &TfrmVistals::miZoomOutClick);
    ToolBar1->addSeparator();
    button(tlbtnShiftLeft, "tlbtnShiftLeft", QStringLiteral("scroll left if zoomed in (Alt+Left)"),
           vistal::ToolBarIcon::Left, &TfrmVistals::miShiftLeftClick);
    button(tlbtnShiftUp, "tlbtnShiftUp", QStringLiteral("scroll up if zoomed in (Alt+Up)"),
           vistal::ToolBarIcon::Up, &TfrmVistals::miShiftUpClick);
    button(tlbtnShiftRight, "tlbtnShiftRight",
           QStringLiteral("scroll right if zoomed in (Alt+Right)"), vistal::ToolBarIcon::Right,
           &TfrmVistals::miShiftRightClick);
    button(tlbtnShiftDown, "tlbtnShiftDown", QStringLiteral("scroll down if zoomed in (Alt+Down)"),
           vistal::ToolBarIcon::Down, &TfrmVistals::miShiftDownClick);
    ToolBar1->addSeparator();
    button(tlbtnDrawGridLines, "tlbtnDrawGridLines", QStringLiteral("draw grid lines"),
           vistal::ToolBarIcon::GridLines, &TfrmVistals::miDrawGridLinesClick, true);
    ToolBar1->addSeparator();
    ComboBox1 = new PaletteComboBox(ToolBar1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("choose color palette"));
    ComboBox1->setMinimumWidth(200);
    ToolBar1->addWidget(ComboBox1);
    ToolBar1->addWidget(new QLabel(QStringLiteral(" Gamma "), ToolBar1));
    edtGamma = new QLineEdit(QStringLiteral("50"), ToolBar1);
    edtGamma->setObjectName(QStringLiteral("edtGamma"));
    edtGamma->setToolTip(QStringLiteral("change gamma of palette"));
    edtGamma->setFixedWidth(36);
    ToolBar1->addWidget(edtGamma);
    updnGamma = new UpDown(ToolBar1);
    updnGamma->setObjectName(QStringLiteral("updnGamma"));
    updnGamma->setRange(0, 100);
    updnGamma->setIncrement(5);
    updnGamma->setPosition(50);
    updnGamma->setAssociate(edtGamma);
    updnGamma->setButtonSize(QSize(17, 11));
    ToolBar1->addWidget(updnGamma);
    ToolBar1->addSeparator();
    button(tlbntInvertPalette, "tlbntInvertPalette", QStringLiteral("Invert Palette (Ctrl+V)"),
           vistal::ToolBarIcon::Invert, &TfrmVistals::miInvertPaletteClick);
    button(tlbtnDiscontinuousColors, "tlbtnDiscontinuousColors",
           QStringLiteral("Show colors in steps as shown in palette"), vistal::ToolBarIcon::Steps,
           &TfrmVistals::miDiscontinuousColorsClick, true);
    ToolBar1->addSeparator();
    button(tlbtnKeepClipping, "tlbtnKeepClipping",
           QStringLiteral("keep the actual clipping rectangle for other grids"),
           vistal::ToolBarIcon::KeepClipping, &TfrmVistals::miKeepClippingClick, true);
    button(tlbtnNodataTransparent, "tlbtnNodataTransparent",
           QStringLiteral("Make nodata transparent"), vistal::ToolBarIcon::Transparent,
           &TfrmVistals::miNodataTransparentClick, true);

    connect(ComboBox1, &QComboBox::activated, this, &TfrmVistals::ComboBox1Change);
    connect(edtGamma, &QLineEdit::textChanged, this, &TfrmVistals::edtGammaChange);
    connect(updnGamma, &UpDown::clicked, this, &TfrmVistals::updnGammaClick);
}

void TfrmVistals::widenListFor(const QString& entry) {
    const int wanted = PaintBox1->fontMetrics().horizontalAdvance(entry) + 20;
    if (lstbxGridNames->width() >= wanted) return;
    QList<int> sizes = Splitter1->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    Splitter1->setSizes({std::max(0, total - wanted), wanted});
    pnlGridNames->resize(wanted, pnlGridNames->height());
    lstbxGridNames->resize(wanted, lstbxGridNames->height());
}

void TfrmVistals::miShowStatisticsClick() {
    const int total = Splitter2->height();
    const bool shown = toggledState(miShowStatistics, nullptr);
    pnlButtonsAndStatistics->setVisible(shown);
    if (shown)
        Splitter2->setSizes({128, std::max(0, total - 128)});
    else
        Splitter2->setSizes({0, total});
}

void TfrmVistals::miAboutClick() {
    dialogs_.message(QStringLiteral("Vistals Version 1.5.0.77\n"
                                    "Tolmar-Tools grid viewer, the Tolmar modelling team, 2026"),
                     QStringLiteral("About Vistals"));
}

void TfrmVistals::miHelpClick() {
    // Every configured command but a lone space is put in quotes.
    UserGuide::openHelp(
        QStringLiteral("Vistal"), QStringLiteral("vistal.html"),
        [](const QString& command) { return command != QStringLiteral(" "); }, this, dialogs_,
        commands_);
}

void TfrmVistals::miExitClick() { close(); }

void TfrmVistals::closeEvent(QCloseEvent* event) {
    // Closing with changed values asks as switching grids does; Cancel keeps the window.
    if (document.Modified && document.hasValues() && !askToSaveChanges(GridSwitch::Target::Exit)) {
        event->ignore();
        return;
    }
    document.releaseValues();
    event->accept();
}

void TfrmVistals::clearPaintBoxes() {
    const QColor face = palette().color(QPalette::Button);
    PaintBox1->fill(face);
    PaintBoxLegend->fill(face);
    view.forgetCells();
    renderDue_ = false;
    refreshHistogramIfShown();
}

bool TfrmVistals::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlGridNames && event->type() == QEvent::Resize) {
        pnlGridNamesResize();
        return false;
    }
    if ((watched == PaintBox1 || watched == PaintBoxLegend) && event->type() == QEvent::Resize) {
        if (watched == PaintBoxLegend) placeLegendItems();
        renderDue_ = true;
        return false;
    }
    if (event->type() == QEvent::KeyPress && previewKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmVistals::previewKey(QObject* watched, QKeyEvent* key) {
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const bool alt = key->modifiers() & Qt::AltModifier;
    // Ctrl+Left and Ctrl+Right step stack levels wherever the focus is.
    if (ctrl && !alt && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
        lstbxGridNamesKeyDown(key->key(), key->modifiers());
        return true;
    }
    if (watched != lstbxGridNames) return false;
    if (key->key() == Qt::Key_Delete) {
        lstbxGridNamesKeyDown(key->key(), key->modifiers());
        return true;
    }
    if (ctrl || alt || !movesListSelection(key->key())) return false;
    // A selection moved with the keys loads the entry, as a click does. In the one-column
    // list Left and Right move as Up and Down do.
    const int before = lstbxGridNames->currentRow();
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
        QKeyEvent vertical(QEvent::KeyPress, key->key() == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           key->modifiers());
        static_cast<QObject*>(lstbxGridNames)->event(&vertical);
    } else {
        static_cast<QObject*>(lstbxGridNames)->event(key);
    }
    const int after = lstbxGridNames->currentRow();
    if (after != before && after >= 0) lstbxGridNamesClick();
    return true;
}

void TfrmVistals::lstbxGridNamesKeyDown(int key, Qt::KeyboardModifiers shift) {
    const bool ctrl = shift & Qt::ControlModifier;
    const bool alt = shift & Qt::AltModifier;
    if (key == Qt::Key_Delete) {
        if (!askToSaveChanges(GridSwitch::Target::Grid)) return;
        const int index = lstbxGridNames->currentRow();
        if (index < 0) return;
        releaseShownGrid();
        delete lstbxGridNames->takeItem(index);
        const int next = std::min(index, lstbxGridNames->count() - 1);
        lstbxGridNames->setCurrentRow(next);
        if (next < 0) lstbxGridNames->clearSelection();
        lstbxGridNamesClick();
        return;
    }
    if (ctrl && !alt && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        if (!document.IsStack || !updnStacklevel->isEnabled()) return;
        const int step = key == Qt::Key_Left ? -1 : 1;
        updnStacklevel->setPosition(updnStacklevel->position() + step);
        updnStacklevelClick();
    }
}

void TfrmVistals::releaseShownGrid() {
    if (document.IsStack) {
        updnStacklevel->setPosition(0);
        updnStacklevel->setEnabled(false);
    }
    document.releaseValues();
    miSaveGrid->setEnabled(false);
}

void TfrmVistals::FormShow(const QStringList& arguments) {
    // Tool-bar toggles and their menu mirrors.
    view.settings.KeepClipping = false;
    view.settings.NodataTransparent = true;
    miKeepClipping->setEnabled(true);
    tlbtnKeepClipping->setEnabled(true);
    miNodataTransparent->setEnabled(true);
    tlbtnNodataTransparent->setEnabled(true);
    showViewSettings();

    pasteMode = PasteMode::Replace;
    PaletteFileCount = 0;
    setUpPalettes();

    ProgressBar1->hide();
    switchSteps_.endLoad();
    Painting = false;
    switchSteps_.end();
    MouseReleased = true;
    document.Modified = false;
    document.FileName.clear();
    view.range = ValueRange{};
    document.statistics.Minimum = 0;
    document.statistics.Maximum = ColorStepCount;
    setUpLegend();

    for (const QString& argument : arguments) {
        lstbxGridNames->addItem(argument);
        widenListFor(argument);
    }
    reader = std::make_unique<netcdfReader>();
    if (lstbxGridNames->count() > 0) {
        lstbxGridNames->setCurrentRow(0);
        lstbxGridNames->setFocus();
        lstbxGridNamesClick();
    }
}
