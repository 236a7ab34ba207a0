// The window's controls: the menus, the options panel and the file and series lists.
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "ElidingLineEdit.h"
#include "MenuItem.h"
#include "SeriesListDelegate.h"
#include "TfrmTolmarCharts.h"
#include "UpDown.h"

namespace {

QLineEdit* dateEdit(QWidget* parent, const char* name, const char* text) {
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(48);
    return edit;
}

QGroupBox* dateGroup(QWidget* parent, const char* name, const char* caption, QLineEdit*& year,
                     QLineEdit*& month, QLineEdit*& day, const char* names[3],
                     const char* texts[3]) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(6, 2, 6, 4);
    QLineEdit** edits[3] = {&year, &month, &day};
    const char* captions[3] = {"Year", "Month", "Day"};
    for (int i = 0; i < 3; ++i) {
        *edits[i] = dateEdit(group, names[i], texts[i]);
        layout->addWidget(new QLabel(QString::fromLatin1(captions[i]), group), 0, i);
        layout->addWidget(*edits[i], 1, i);
    }
    return group;
}

}  // namespace
void TfrmTolmarCharts::buildMenus() {
    auto add = [this](QMenu* menu, QAction*& action, const char* name, const char* caption,
                      QKeySequence shortcut, void (TfrmTolmarCharts::*handler)()) {
        action = addMenuItem(menu, name, caption, shortcut, this, handler);
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    const auto alt = [](int key) { return QKeySequence(Qt::ALT | key); };

    QMenu* menuFile = menuBar()->addMenu(QStringLiteral("&File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    add(menuFile, miOpen, "miOpen", "&Open new file", ctrl(Qt::Key_O),
        &TfrmTolmarCharts::btnAddDataClick);
    add(menuFile, miClose, "miClose", "&Close actual file", ctrl(Qt::Key_C),
        &TfrmTolmarCharts::btnDelDataClick);
    menuFile->addSeparator();
    add(menuFile, miPrint, "miPrint", "&Print", ctrl(Qt::Key_P), &TfrmTolmarCharts::miPrintClick);
    add(menuFile, miExportVisibleSeries, "miExportVisibleSeries", "&Export Visible Series...", {},
        &TfrmTolmarCharts::miExportVisibleSeriesClick);
    menuFile->addSeparator();
    add(menuFile, miExit, "miExit", "E&xit", alt(Qt::Key_X), &TfrmTolmarCharts::miExitClick);

    QMenu* menuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    add(menuEdit, miCopytoClipboard, "miCopytoClipboard", "&Copy to Clipboard", alt(Qt::Key_C),
        &TfrmTolmarCharts::miCopytoClipboardClick);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Op1"));
    add(options, miColorGradient, "miColorGradient", "Show &Color Gradient", ctrl(Qt::Key_G),
        &TfrmTolmarCharts::miColorGradientClick);
    miColorGradient->setCheckable(true);
    miColorGradient->setChecked(true);
    add(options, miSetStartColor, "miSetStartColor", "Choose &Gradient Colors", ctrl(Qt::Key_B),
        &TfrmTolmarCharts::miSetStartColorClick);
    add(options, SetGradientColorDefaultyellow, "SetGradientColorDefaultyellow",
        "Set Gradient Color Default (yellow)", {},
        &TfrmTolmarCharts::SetGradientColorDefaultyellowClick);
    options->addSeparator();
    add(options, miFitChartToData, "miFitChartToData", "&Fit Chart To Data Limits",
        QKeySequence(Qt::Key_F5), &TfrmTolmarCharts::spdbtnFitDataClick);
    miFitChartToData->setToolTip(QStringLiteral("Undo all Zooms and fir chart to data limits"));
    miFitChartToData->setStatusTip(miFitChartToData->toolTip());
    add(options, miFitCharttoYValueDataLimits1, "miFitCharttoYValueDataLimits1",
        "Fit Chart to &Y-Value Data Limits", QKeySequence(Qt::Key_F6),
        &TfrmTolmarCharts::spdbtnFitVerticallyClick);
    add(options, miFitDatatoXValueDataLimits1, "miFitDatatoXValueDataLimits1",
        "Fit Chart to Start-End-&Dates", QKeySequence(Qt::Key_F7),
        &TfrmTolmarCharts::spdbtnFitHorizontallyClick);
    add(options, miFitDatatoallXValueDataLimits1, "miFitDatatoallXValueDataLimits1",
        "Fit Data to all &X-Value Data Limits", QKeySequence(Qt::Key_F8),
        &TfrmTolmarCharts::spdbtnFitDataHorizontallyAllClick);
    options->addSeparator();
    add(options, miHideLegend, "miHideLegend", "Hide &Legend",
        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_L), &TfrmTolmarCharts::miHideLegendClick);
    miHideLegend->setCheckable(true);
    options->addSeparator();
    add(options, miScaleYAxisLogarithmic, "miScaleYAxisLogarithmic", "Scale Y-Axis Logarithmic", {},
        &TfrmTolmarCharts::miScaleYAxisLogarithmicClick);
    miScaleYAxisLogarithmic->setCheckable(true);

    QMenu* menuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    add(menuHelp, About1, "About1", "&About", {}, &TfrmTolmarCharts::About1Click);
    add(menuHelp, miOpenHelp, "miOpenHelp", "&Summary", QKeySequence(Qt::Key_F1),
        &TfrmTolmarCharts::miOpenHelpClick);
}

void TfrmTolmarCharts::buildOptionsPanel() {
    pnlOptions = new QWidget(this);
    pnlOptions->setObjectName(QStringLiteral("pnlOptions"));
    pnlOptions->setFixedHeight(115);
    auto* row = new QHBoxLayout(pnlOptions);
    row->setContentsMargins(6, 4, 6, 4);

    auto button = [this](QPushButton*& target, const char* name, const char* caption) {
        target = new QPushButton(QString::fromLatin1(caption), pnlOptions);
        target->setObjectName(QLatin1String(name));
        return target;
    };
    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(button(btnAddData, "btnAddData", "&Add File"));
    fileButtons->addWidget(button(btnDelData, "btnDelData", "&Remove File"));
    connect(btnAddData, &QPushButton::clicked, this, &TfrmTolmarCharts::btnAddDataClick);
    connect(btnDelData, &QPushButton::clicked, this, &TfrmTolmarCharts::btnDelDataClick);
    row->addLayout(fileButtons);

    auto* paging = new QGridLayout;
    paging->addWidget(button(btnFirstPage, "btnFirstPage", "<<"), 0, 0);
    paging->addWidget(button(btnPreviousPage, "btnPreviousPage", "&<"), 0, 1);
    paging->addWidget(button(btnNextPage, "btnNextPage", "&>"), 1, 0);
    paging->addWidget(button(btnLastPage, "btnLastPage", ">>"), 1, 1);
    for (QPushButton* pageButton : {btnFirstPage, btnPreviousPage, btnNextPage, btnLastPage})
        pageButton->setMaximumWidth(36);
    // The last page is not offered (the view may run past the data's ends either way); the
    // button stays disabled and has no command.
    btnLastPage->setEnabled(false);
    connect(btnFirstPage, &QPushButton::clicked, this, &TfrmTolmarCharts::btnFirstPageClick);
    connect(btnPreviousPage, &QPushButton::clicked, this, &TfrmTolmarCharts::btnPreviousPageClick);
    connect(btnNextPage, &QPushButton::clicked, this, &TfrmTolmarCharts::btnNextPageClick);
    row->addLayout(paging);

    const char* startNames[3] = {"edtStartYear", "edtStartMonth", "edtStartDay"};
    const char* startTexts[3] = {"1997", "1", "1"};
    grpbxStartDate = dateGroup(pnlOptions, "grpbxStartDate", "Start Date", edtStartYear,
                               edtStartMonth, edtStartDay, startNames, startTexts);
    const char* endNames[3] = {"edtEndYear", "edtEndMonth", "edtEndDay"};
    const char* endTexts[3] = {"1998", "1", "1"};
    grpbxEndDate = dateGroup(pnlOptions, "grpbxEndDate", "End Date", edtEndYear, edtEndMonth,
                             edtEndDay, endNames, endTexts);
    row->addWidget(grpbxStartDate);
    row->addWidget(grpbxEndDate);

    auto check = [this](QCheckBox*& target, const char* name, const char* caption,
                        const char* hint) {
        target = new QCheckBox(QString::fromLatin1(caption), pnlOptions);
        target->setObjectName(QLatin1String(name));
        if (hint) target->setToolTip(QString::fromLatin1(hint));
        return target;
    };
    auto* checks = new QVBoxLayout;
    checks->addWidget(check(chkbxLogarithmic, "chkbxLogarithmic", "&Logarithmic",
                            "scale Y-axis as logarithmic axis"));
    checks->addWidget(check(chkbcSynchronizeDates, "chkbcSynchronizeDates",
                            "&Synchronize Dates when panning", nullptr));
    chkbcSynchronizeDates->setChecked(true);
    checks->addWidget(check(chkbxHideLegend, "chkbxHideLegend", "&Hide Legend",
                            "Hide Legend from Chart (Ctrl+Shift+L)"));
    // A change of state runs the handler, whether the user clicked or the window set it.
    connect(chkbxLogarithmic, &QCheckBox::toggled, this, &TfrmTolmarCharts::chkbxLogarithmicClick);
    connect(chkbcSynchronizeDates, &QCheckBox::toggled, this,
            &TfrmTolmarCharts::chkbcSynchronizeDatesClick);
    connect(chkbxHideLegend, &QCheckBox::toggled, this, &TfrmTolmarCharts::chkbxHideLegendClick);
    row->addLayout(checks);

    auto speed = [this](QToolButton*& target, const char* name, const char* text,
                        const char* hint) {
        target = new QToolButton(pnlOptions);
        target->setObjectName(QLatin1String(name));
        target->setText(QString::fromLatin1(text));
        if (hint) target->setToolTip(QString::fromLatin1(hint));
        return target;
    };
    auto* speeds = new QGridLayout;
    speeds->addWidget(speed(spdbtnColorGradientSwitch, "spdbtnColorGradientSwitch", "Gradient",
                            "Switch Color Gradient on/off (Ctrl+G)"),
                      0, 0);
    spdbtnColorGradientSwitch->setCheckable(true);
    spdbtnColorGradientSwitch->setChecked(true);
    speeds->addWidget(speed(spdbtnGradientColors, "spdbtnGradientColors", "Colors",
                            "choose gradient colors (Ctrl+B)"),
                      1, 0);
    speeds->addWidget(speed(spdbtnFitData, "spdbtnFitData", "Fit", "Fit chart to data limits (F5)"),
                      0, 1);
    speeds->addWidget(speed(spdbtnFitVertically, "spdbtnFitVertically", "Fit Y", nullptr), 1, 1);
    speeds->addWidget(speed(spdbtnFitHorizontally, "spdbtnFitHorizontally", "Fit X",
                            "Fit chart to X-data limits (F7)"),
                      0, 2);
    speeds->addWidget(speed(spdbtnFitDataHorizontallyAll, "spdbtnFitDataHorizontallyAll", "Fit all",
                            "Fit chart to X-data limits (F8)"),
                      1, 2);
    row->addLayout(speeds);
    connect(spdbtnColorGradientSwitch, &QToolButton::clicked, this, [this] {
        miColorGradient->setChecked(!miColorGradient->isChecked());
        miColorGradientClick();
    });
    connect(spdbtnGradientColors, &QToolButton::clicked, this,
            &TfrmTolmarCharts::miSetStartColorClick);
    connect(spdbtnFitData, &QToolButton::clicked, this, &TfrmTolmarCharts::spdbtnFitDataClick);
    connect(spdbtnFitVertically, &QToolButton::clicked, this,
            &TfrmTolmarCharts::spdbtnFitVerticallyClick);
    connect(spdbtnFitHorizontally, &QToolButton::clicked, this,
            &TfrmTolmarCharts::spdbtnFitHorizontallyClick);
    connect(spdbtnFitDataHorizontallyAll, &QToolButton::clicked, this,
            &TfrmTolmarCharts::spdbtnFitDataHorizontallyAllClick);

    auto* titles = new QGridLayout;
    auto title = [this, titles](QLineEdit*& target, const char* name, const char* caption,
                                const QString& text, int at) {
        target = new ElidingLineEdit(text, pnlOptions);
        target->setObjectName(QLatin1String(name));
        auto* label = new QLabel(QString::fromLatin1(caption), pnlOptions);
        label->setBuddy(target);
        titles->addWidget(label, at, 0);
        titles->addWidget(target, at, 1);
    };
    title(edtChartTitle, "edtChartTitle", "Chart &Title", ChartDocument::DefaultTitle, 0);
    title(edtOrdinateTitle, "edtOrdinateTitle", "Title &Y-axis", QStringLiteral("Value"), 1);
    title(edtAbszisseTitle, "edtAbszisseTitle", "T&itle X-axis", QStringLiteral("Axis title"), 2);
    connect(edtChartTitle, &QLineEdit::textChanged, this, &TfrmTolmarCharts::edtChartTitleChange);
    connect(edtOrdinateTitle, &QLineEdit::textChanged, this,
            &TfrmTolmarCharts::edtOrdinateTitleChange);
    connect(edtAbszisseTitle, &QLineEdit::textChanged, this,
            &TfrmTolmarCharts::edtAbszisseTitleChange);
    row->addLayout(titles, 1);

    auto* width = new QGridLayout;
    edtLineWidthSelected = new QLineEdit(pnlOptions);
    edtLineWidthSelected->setObjectName(QStringLiteral("edtLineWidthSelected"));
    edtLineWidthSelected->setReadOnly(true);
    edtLineWidthSelected->setMaximumWidth(32);
    updwnLineWidthSelected = new UpDown(pnlOptions);
    updwnLineWidthSelected->setObjectName(QStringLiteral("updwnLineWidthSelected"));
    updwnLineWidthSelected->setButtonSize(QSize(16, 11));
    updwnLineWidthSelected->setRange(1, 10);
    updwnLineWidthSelected->setAssociate(edtLineWidthSelected, true);
    updwnLineWidthSelected->setPosition(2);
    connect(updwnLineWidthSelected, &UpDown::positionChanged, this,
            &TfrmTolmarCharts::updwnLineWidthSelectedClick);
    connect(edtLineWidthSelected, &QLineEdit::textChanged, this,
            &TfrmTolmarCharts::edtLineWidthSelectedChange);
    auto* widthLabel = new QLabel(QStringLiteral("Line &Width Selected Series"), pnlOptions);
    widthLabel->setBuddy(edtLineWidthSelected);
    width->addWidget(widthLabel, 0, 0, 1, 2);
    width->addWidget(edtLineWidthSelected, 1, 0);
    width->addWidget(updwnLineWidthSelected, 1, 1, Qt::AlignLeft);
    row->addLayout(width);
}

QWidget* TfrmTolmarCharts::buildManagementPanel() {
    auto* pnlManagementMain = new QSplitter(Qt::Vertical, this);
    pnlManagementMain->setObjectName(QStringLiteral("pnlManagementMain"));

    const auto panel = [pnlManagementMain](const char* name) {
        auto* widget = new QWidget(pnlManagementMain);
        widget->setObjectName(QLatin1String(name));
        auto* layout = new QVBoxLayout(widget);
        layout->setContentsMargins(4, 4, 4, 4);
        return std::make_pair(widget, layout);
    };
    const auto [pnlFileManagement, fileLayout] = panel("pnlFileManagement");
    ProgressBar1 = new QProgressBar(pnlFileManagement);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    chklstbxFiles = new QListWidget(pnlFileManagement);
    chklstbxFiles->setObjectName(QStringLiteral("chklstbxFiles"));
    auto* filesLabel =
        new QLabel(QStringLiteral("&File List (uncheck for hide all graphs, DEL to delete)"),
                   pnlFileManagement);
    filesLabel->setBuddy(chklstbxFiles);
    fileLayout->addWidget(ProgressBar1);
    fileLayout->addWidget(filesLabel);
    fileLayout->addWidget(chklstbxFiles, 1);
    connect(chklstbxFiles, &QListWidget::itemClicked, this,
            &TfrmTolmarCharts::chklstbxFilesClickCheck);
    // Moving the selection with the keys counts as a click, as in a list box.
    connect(chklstbxFiles, &QListWidget::currentRowChanged, this,
            &TfrmTolmarCharts::chklstbxFilesClickCheck);
    connect(chklstbxFiles, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        // A check-box click: the item becomes the selected one, as a click makes it.
        chklstbxFiles->setCurrentItem(item);
        chklstbxFilesClickCheck();
    });
    chklstbxFiles->installEventFilter(this);

    const auto [pnlSeriesManagement, seriesLayout] = panel("pnlSeriesManagement");
    edtSeriesName = new QLineEdit(pnlSeriesManagement);
    edtSeriesName->setObjectName(QStringLiteral("edtSeriesName"));
    auto* nameLabel = new QLabel(QStringLiteral("Series &Name"), pnlSeriesManagement);
    nameLabel->setBuddy(edtSeriesName);
    chklstbxSeries = new QListWidget(pnlSeriesManagement);
    chklstbxSeries->setObjectName(QStringLiteral("chklstbxSeries"));
    chklstbxSeries->setUniformItemSizes(true);
    chklstbxSeries->setItemDelegate(new SeriesListDelegate(
        [this](QPainter& canvas, int row, const QRect& rect, bool selected) {
            chklstbxSeriesDrawItem(canvas, row, rect, selected);
        },
        chklstbxSeries));
    auto* seriesLabel = new QLabel(QStringLiteral("&Series List"), pnlSeriesManagement);
    seriesLabel->setBuddy(chklstbxSeries);
    seriesLayout->addWidget(nameLabel);
    seriesLayout->addWidget(edtSeriesName);
    seriesLayout->addWidget(seriesLabel);
    seriesLayout->addWidget(chklstbxSeries, 1);
    connect(edtSeriesName, &QLineEdit::editingFinished, this, &TfrmTolmarCharts::edtSeriesNameExit);
    connect(chklstbxSeries, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { chklstbxSeriesClickCheck(chklstbxSeries->row(item)); });
    connect(chklstbxSeries, &QListWidget::itemSelectionChanged, this,
            &TfrmTolmarCharts::repaintSeriesList);

    PopupMenu1 = new QMenu(chklstbxSeries);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Color1 = PopupMenu1->addAction(QStringLiteral("&Color..."));
    Color1->setObjectName(QStringLiteral("Color1"));
    connect(Color1, &QAction::triggered, this, &TfrmTolmarCharts::chklstbxSeriesDblClick);
    connect(chklstbxSeries, &QListWidget::itemDoubleClicked, this,
            &TfrmTolmarCharts::chklstbxSeriesDblClick);
    chklstbxSeries->installEventFilter(this);
    PatternMenu = PopupMenu1->addMenu(QStringLiteral("&Pattern"));
    QMenu* patterns = PatternMenu;
    Style1 = patterns->menuAction();
    Style1->setObjectName(QStringLiteral("Style1"));
    const char* patternNames[5][2] = {{"N1solidline1", "&1 solid line"},
                                      {"N2dashes1", "&2 dashes"},
                                      {"N3dots1", "&3 dots"},
                                      {"N4dashdots1", "&4 dash-dots"},
                                      {"N5dashdotdot1", "&5 dash-dot-dot"}};
    for (int penStyle = 0; penStyle < 5; ++penStyle) {
        QAction* item = patterns->addAction(QString::fromLatin1(patternNames[penStyle][1]));
        item->setObjectName(QLatin1String(patternNames[penStyle][0]));
        connect(item, &QAction::triggered, this,
                [this, penStyle] { setPatternOfSelectedSeries(penStyle); });
    }
    // Patterns show at width 1 only; the selected-series width starts at 2.
    PatternMenu->setEnabled(false);
    chklstbxSeries->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chklstbxSeries, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(chklstbxSeries->viewport()->mapToGlobal(at));
    });

    pnlManagementMain->addWidget(pnlFileManagement);
    pnlManagementMain->addWidget(pnlSeriesManagement);
    pnlManagementMain->setMinimumWidth(200);
    return pnlManagementMain;
}
