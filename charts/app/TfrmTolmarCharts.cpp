#include "TfrmTolmarCharts.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "ChartProjection.h"
#include "CommandProcessor.h"
#include "DayNumberDate.h"
#include "OutputFile.h"
#include "SeriesCsv.h"
#include "TChart.h"
#include "TfrmWriteIniFile.h"
#include "UpDown.h"
#include "UserDialogs.h"
#include "UserGuide.h"

TfrmTolmarCharts::TfrmTolmarCharts(UserDialogs& dialogs, CommandProcessor& commands,
                                   PrinterSetup& printer, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), commands_(commands), printer_(printer) {
    setObjectName(QStringLiteral("frmTolmarCharts"));
    setWindowTitle(QStringLiteral("Tolmar-Kor Charts Visualisation"));
    // The design size, within the screen's available area (the frame needs a little room).
    QSize first(1309, 818);
    if (const QScreen* shown = screen())
        first = first.boundedTo(shown->availableSize() - QSize(16, 40));
    resize(first);
    buildMenus();

    auto* centre = new QWidget(this);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    buildOptionsPanel();
    centreLayout->addWidget(pnlOptions);
    auto* split = new QSplitter(Qt::Horizontal, centre);
    buildChart();
    split->addWidget(chrtTolmarResults);
    split->addWidget(buildManagementPanel());
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setSizes({1309 - 393, 393});
    centreLayout->addWidget(split, 1);
    setCentralWidget(centre);
    frmWriteIniFile = new TfrmWriteIniFile(this);
    showDocument();

    // Leaving a date group for another control of this window applies the date edits; so
    // does Enter in one of them. The focus going to another window (a message box) is no
    // leaving: the edit gets it back when that window closes.
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            const auto leaves = [this, old, now](QGroupBox* group) {
                return old && now && now->window() == this && group->isAncestorOf(old) &&
                       !group->isAncestorOf(now);
            };
            if (leaves(grpbxStartDate)) edtStartExit();
            if (leaves(grpbxEndDate)) edtEndExit();
        });
    for (QLineEdit* edit :
         {edtStartYear, edtStartMonth, edtStartDay, edtEndYear, edtEndMonth, edtEndDay})
        connect(edit, &QLineEdit::returnPressed, this, &TfrmTolmarCharts::applyDateEditsReporting);
    // The document keeps what the date edits hold: the settings file stores it.
    const std::pair<QLineEdit*, QString DateEdits::*> dateTexts[] = {
        {edtStartYear, &DateEdits::startYear}, {edtStartMonth, &DateEdits::startMonth},
        {edtStartDay, &DateEdits::startDay},   {edtEndYear, &DateEdits::endYear},
        {edtEndMonth, &DateEdits::endMonth},   {edtEndDay, &DateEdits::endDay}};
    for (const auto& [edit, text] : dateTexts)
        connect(edit, &QLineEdit::textChanged, this,
                [this, text](const QString& now) { doc_.dates().edits.*text = now; });
}

TfrmTolmarCharts::~TfrmTolmarCharts() {
    // The base class still hides the window, which moves the focus; this form is gone by then.
    disconnect(focusWatch_);
    // The series leave the chart before the chart goes.
    projection_.reset();
}

void TfrmTolmarCharts::buildChart() {
    chrtTolmarResults = new TChart(this);
    chrtTolmarResults->setObjectName(QStringLiteral("chrtTolmarResults"));
    projection_ = std::make_unique<ChartProjection>(*chrtTolmarResults);
    // A click on a line in the chart opens the colour dialog for its series.
    projection_->lineClicked = [this](SeriesKey key) { chooseSeriesColour(key); };
    connect(chrtTolmarResults, &TChart::zoomed, this, &TfrmTolmarCharts::chrtTolmarResultsZoom);
    connect(chrtTolmarResults, &TChart::undoZoomed, this,
            &TfrmTolmarCharts::chrtTolmarResultsUndoZoom);
    connect(chrtTolmarResults, &TChart::scrolled, this, &TfrmTolmarCharts::chrtTolmarResultsScroll);
}

void TfrmTolmarCharts::FormShow(const QStringList& arguments) {
    ProgressBar1->hide();
    doc_.start(dayNumberFromDateTime(QDateTime::currentDateTime()));
    showControls();
    showDocument();
    openPaths(arguments);
}

void TfrmTolmarCharts::edtChartTitleChange() {
    doc_.setTitle(edtChartTitle->text());
    showDocument();
}

void TfrmTolmarCharts::edtOrdinateTitleChange() {
    doc_.setYAxisTitle(edtOrdinateTitle->text());
    showDocument();
}

void TfrmTolmarCharts::edtAbszisseTitleChange() {
    doc_.setXAxisTitle(edtAbszisseTitle->text());
    showDocument();
}

void TfrmTolmarCharts::miCopytoClipboardClick() { chrtTolmarResults->copyToClipboardBitmap(); }

void TfrmTolmarCharts::miPrintClick() { chrtTolmarResults->print(printer_); }

void TfrmTolmarCharts::miExportVisibleSeriesClick() {
    const QString caption = QStringLiteral("Export Visible Series");
    if (doc_.drawn().empty()) {
        dialogs_.message(QStringLiteral("No series is drawn: check the series to export."),
                         caption);
        return;
    }
    const std::optional<QString> chosen =
        dialogs_.saveFile(caption, QStringLiteral("series.csv"),
                          QStringLiteral("CSV files (*.csv)|*.csv|All files (*)|*"));
    if (!chosen || chosen->isEmpty()) return;
    QString fileName = *chosen;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".csv");
    // The chart holds the points of the series it drew.
    const std::string csv =
        visibleSeriesCsv(doc_, doc_.dates().view.value_or(WholeDateRange),
                         [this](SeriesKey key) { return projection_->pointsOf(key); });
    const std::string failure =
        tolmar::writeWholeFile(QFile::encodeName(fileName).toStdString(), csv);
    if (!failure.empty())
        dialogs_.errorMessage(QStringLiteral("The file %1 could not be written: %2")
                                  .arg(fileName, QString::fromLocal8Bit(failure)),
                              caption);
}

void TfrmTolmarCharts::miOpenHelpClick() {
    // A configured command with a space is put in quotes.
    UserGuide::openHelp(
        QStringLiteral("Linara"), QStringLiteral("linara.html"),
        [](const QString& command) { return command.contains(QLatin1Char(' ')); }, this, dialogs_,
        commands_);
}

void TfrmTolmarCharts::About1Click() {
    dialogs_.message(QStringLiteral("Linara Version 1.5.0.40"), QStringLiteral("About Linara"));
}

void TfrmTolmarCharts::miExitClick() { close(); }
