#include "TfrmFieldGenerator.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolTip>
#include <cmath>

#include "ElidingLabel.h"
#include "FileNameSeries.h"
#include "NumberText.h"
#include "TCGauge.h"
#include "TypedTextCheck.h"
#include "UserDialogs.h"
#include "UserGuide.h"

namespace {

// Short part before the "|" as tooltip, long part after it for the status panel; a hint
// without "|" is both. The whole text is kept as the control's "hint" property.
void setHint(QWidget* control, const QString& hint, int helpContext) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    control->setToolTip(bar < 0 ? hint : hint.left(bar));
    control->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    control->setProperty("hint", hint);
    control->setProperty("helpContext", helpContext);
}

// An edit with its caption to the left, in the given row and pair of columns of the grid.
QLineEdit* addEdit(QGridLayout* grid, const char* name, const QString& text, const QString& label,
                   int row, int column, int columnSpan = 1) {
    QWidget* parent = grid->parentWidget();
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    auto* caption = new QLabel(label, parent);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1, 1, columnSpan);
    return edit;
}

void addHeading(QGridLayout* grid, const QString& text, int row) {
    auto* heading = new QLabel(text, grid->parentWidget());
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, row, 0, 1, 5);
}

const QString sorvekGuidePage = QStringLiteral("sorvek.html");

}  // namespace

QUrl sorvekDocumentation() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString page = UserGuide::findPage(sorvekGuidePage, programFolder);
    return QUrl::fromLocalFile(
        page.isEmpty() ? UserGuide::installedPage(sorvekGuidePage, programFolder) : page);
}

TfrmFieldGenerator::TfrmFieldGenerator(UserDialogs& dialogs,
                                       std::function<void(const QUrl&)> openDocument,
                                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), openDocument_(std::move(openDocument)) {
    buildControls();
    FormCreate();
}

TfrmFieldGenerator::~TfrmFieldGenerator() {
    // Whatever still runs is discarded with its window; the table releases the kernel.
    for (auto& window : waitWindows_) window.reset();
}

void TfrmFieldGenerator::buildControls() {
    setWindowTitle(QStringLiteral("Field Generator v 2.1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Laid out rather than placed, so that every caption shows whole whatever the font and the
    // screen's scale; 513 × 396 stays the size the form asks for. Created in tab order.
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(12, 6, 12, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 110);
    addHeading(grid, QStringLiteral("Dimensions"), 0);
    edtFileName = addEdit(grid, "edtFileName", QStringLiteral("field.000"),
                          QStringLiteral("&File Name:"), 1, 0, 3);
    btnFileDialog = new QPushButton(QStringLiteral(">>"), central);
    btnFileDialog->setObjectName(QStringLiteral("btnFileDialog"));
    grid->addWidget(btnFileDialog, 1, 4);
    edtNumRows = addEdit(grid, "edtNumRows", QStringLiteral("100"), QStringLiteral("&Rows:"), 2, 0);
    edtNumColumns =
        addEdit(grid, "edtNumColumns", QStringLiteral("100"), QStringLiteral("Col&ums:"), 2, 2);
    edtLowerLeftX =
        addEdit(grid, "edtLowerLeftX", QStringLiteral("0"), QStringLiteral("Lower Left &X:"), 3, 0);
    edtLowerLeftY =
        addEdit(grid, "edtLowerLeftY", QStringLiteral("0"), QStringLiteral("Lower Left &Y:"), 3, 2);
    edtCellSize =
        addEdit(grid, "edtCellSize", QStringLiteral("100"), QStringLiteral("Cell Si&ze:"), 4, 0);
    edtNodata =
        addEdit(grid, "edtNodata", QStringLiteral("-9999"), QStringLiteral("Nodata &Value:"), 4, 2);
    grid->setRowMinimumHeight(5, 8);
    addHeading(grid, QStringLiteral("Parameters"), 6);
    edtAverage =
        addEdit(grid, "edtAverage", QStringLiteral("0"), QStringLiteral("&Average:"), 7, 0);
    edtStdDeviation = addEdit(grid, "edtStdDeviation", QStringLiteral("1"),
                              QStringLiteral("&Std.-Deviation:"), 7, 2);
    edtCorrLenX = addEdit(grid, "edtCorrLenX", QStringLiteral("0.01"),
                          QStringLiteral("C&orrel. Lenght X:"), 8, 0);
    edtCorrLenY = addEdit(grid, "edtCorrLenY", QStringLiteral("0.01"),
                          QStringLiteral("Corr&el. Length Y:"), 8, 2);
    chkbxInitValue = new QCheckBox(QStringLiteral("&Use Init Value ->"), central);
    chkbxInitValue->setObjectName(QStringLiteral("chkbxInitValue"));
    grid->addWidget(chkbxInitValue, 9, 0);
    edtInitValue = new QLineEdit(QStringLiteral("1"), central);
    edtInitValue->setObjectName(QStringLiteral("edtInitValue"));
    grid->addWidget(edtInitValue, 9, 1);
    rdgrpDistributionType = new QGroupBox(QStringLiteral("Distribution Type"), central);
    rdgrpDistributionType->setObjectName(QStringLiteral("rdgrpDistributionType"));
    grid->addWidget(rdgrpDistributionType, 10, 0, 1, 5);
    auto* columns = new QGridLayout(rdgrpDistributionType);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    rdNormal = new QRadioButton(QStringLiteral("Gauss &Normal"), rdgrpDistributionType);
    rdLogarithmic = new QRadioButton(QStringLiteral("&Logarithmic (LN2)"), rdgrpDistributionType);
    rdNormal->setObjectName(QStringLiteral("rdNormal"));
    rdLogarithmic->setObjectName(QStringLiteral("rdLogarithmic"));
    rdNormal->setChecked(true);
    columns->addWidget(rdNormal, 0, 0);
    columns->addWidget(rdLogarithmic, 0, 1);

    auto* buttons = new QHBoxLayout();
    grid->addLayout(buttons, 11, 0, 1, 5);
    auto* runningCaption = new QLabel(QStringLiteral("Running:"), central);
    edtRunning = new QLineEdit(QStringLiteral("0"), central);
    edtRunning->setObjectName(QStringLiteral("edtRunning"));
    edtRunning->setReadOnly(true);
    edtRunning->setMaximumWidth(edtRunning->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                                24);
    runningCaption->setBuddy(edtRunning);
    buttons->addWidget(runningCaption);
    buttons->addWidget(edtRunning);
    buttons->addStretch(1);
    btnGo = new QPushButton(goCaption(), central);
    btnGo->setObjectName(QStringLiteral("btnGo"));
    btnGo->setDefault(true);
    fitGoButton();
    buttons->addWidget(btnGo);
    btnClose = new QPushButton(QStringLiteral("&Close"), central);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(true);
    buttons->addWidget(btnClose);
    btnHelp = new QPushButton(QStringLiteral("&Help"), central);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setAutoDefault(true);
    buttons->addWidget(btnHelp);
    btnFileDialog->setAutoDefault(true);
    grid->setRowStretch(12, 1);

    stsbrFieldGenerator = new QStatusBar(this);
    stsbrFieldGenerator->setObjectName(QStringLiteral("stsbrFieldGenerator"));
    stsbrFieldGenerator->setSizeGripEnabled(false);
    // Panel 0 takes the width that panel 1 leaves and cuts a long hint with "…".
    pnlHint = new ElidingLabel(QStringLiteral("Help"));
    pnlHint->setObjectName(QStringLiteral("pnlHint"));
    pnlRunning = new QLabel();
    pnlRunning->setObjectName(QStringLiteral("pnlRunning"));
    pnlRunning->setMinimumWidth(50);
    stsbrFieldGenerator->addWidget(pnlHint, 1);
    stsbrFieldGenerator->addWidget(pnlRunning);
    setStatusBar(stsbrFieldGenerator);
    resize(513, 396);

    setHint(edtFileName,
            QStringLiteral("Gridname | Geben Sie den Namen für das zu erzeugende Grid ein"), 1);
    setHint(btnFileDialog, QStringLiteral("Opens a File Open Dialog"), 2);
    setHint(edtNumRows,
            QStringLiteral("Number of Columns | number of columns, the output grid should have"),
            3);
    setHint(edtNumColumns,
            QStringLiteral("Number of Columns | number of columns, the output grid should have"),
            4);
    setHint(edtLowerLeftX, QStringLiteral("lower left x | X-Coordinate of the lower left corner"),
            5);
    setHint(edtLowerLeftY, QStringLiteral("lower left Y | Y-Coordinate of the lower left corner"),
            6);
    setHint(edtCellSize,
            QStringLiteral("Cell Size | Cell size of all grid cells (usually in Meter)"), 7);
    setHint(edtNodata, QStringLiteral("nodata Value | the nodata value should be -9999 as default"),
            8);
    setHint(edtAverage,
            QStringLiteral("Enter Average | Enter the average value the cells should have"), 9);
    setHint(edtStdDeviation, QStringLiteral("Standard Deviation | Standard Deviation"), 10);
    setHint(edtCorrLenX, QStringLiteral("Correlation Length in x direction"), 11);
    setHint(edtCorrLenY, QStringLiteral("Correlation Length in Y direction"), 12);
    setHint(chkbxInitValue,
            QStringLiteral("use initialization for random numbers | Random Number Generator will "
                           "be initialized with the value in the init-value field"),
            13);
    setHint(edtInitValue,
            QStringLiteral("enter ini-value | Initialization Value for random number generator"),
            14);
    setHint(rdgrpDistributionType,
            QStringLiteral("choose disribution function | choose the type of distribution "
                           "function used for generating random numbers"),
            15);
    setHint(edtRunning,
            QStringLiteral("shows active instances|shows the active number of generator "
                           "instances"),
            16);
    setHint(btnGo,
            QStringLiteral("starts field generator|klick this button to start the field "
                           "generator"),
            17);
    btnClose->setProperty("helpContext", 18);
    setHint(btnHelp, QStringLiteral("click for help|click here for getting a detailed help"), 19);

    edtNumRows->setMaxLength(3);
    edtNumColumns->setMaxLength(3);
    for (QLineEdit* edit : {edtNumRows, edtNumColumns, edtInitValue})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { CheckIntValue(edit); });
    for (QLineEdit* edit : {edtLowerLeftX, edtLowerLeftY, edtCellSize, edtNodata, edtAverage,
                            edtStdDeviation, edtCorrLenX, edtCorrLenY})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { CheckFloatValue(edit); });
    connect(chkbxInitValue, &QCheckBox::clicked, this, &TfrmFieldGenerator::chkbxInitValueClick);
    connect(btnFileDialog, &QPushButton::clicked, this, &TfrmFieldGenerator::btnFileDialogClick);
    connect(btnGo, &QPushButton::clicked, this, [this] {
        btnGo->setFocus();  // a click focuses the button, so it starts
        btnGoClick();
    });
    connect(btnClose, &QPushButton::clicked, this, &TfrmFieldGenerator::btnCloseClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmFieldGenerator::btnHelpClick);
    // F1 opens the help as the help button does.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TfrmFieldGenerator::btnHelpClick);
    btnGo->installEventFilter(this);
}

void TfrmFieldGenerator::FormCreate() {
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, Qt::white);
    QToolTip::setPalette(hints);
    edtInitValue->setEnabled(false);
    edtInitValue->setFocusPolicy(Qt::NoFocus);
    edtFileName->setFocus();
    pnlRunning->setText(QStringLiteral("Running 0"));
}

bool TfrmFieldGenerator::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        pnlHint->setFullText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmFieldGenerator::fitGoButton() {
    // As wide as the longer of its two captions, so that it keeps its size when they change.
    QStyleOptionButton option;
    option.initFrom(btnGo);
    option.text = goCaption();
    const QSize caption = btnGo->fontMetrics().size(Qt::TextShowMnemonic, goCaption());
    btnGo->setMinimumWidth(
        btnGo->style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, btnGo).width());
}

bool TfrmFieldGenerator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == btnGo) {
        if (event->type() == QEvent::FontChange) fitGoButton();
        if (event->type() == QEvent::FocusIn) btnGo->setText(QStringLiteral("&Go"));
        if (event->type() == QEvent::FocusOut) btnGo->setText(goCaption());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmFieldGenerator::keyPressEvent(QKeyEvent* event) {
    // Return reaches the form from every control that does not take it itself, as it reaches
    // a default button; Escape works the cancel button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (btnGo->isEnabled()) btnGoClick();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (btnClose->isEnabled()) btnClose->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TfrmFieldGenerator::CheckIntValue(QLineEdit* edit) {
    const CheckedText checked = checkIntText(edit->text(), edit->cursorPosition());
    if (!checked.changed) return;
    edit->setText(checked.text);
    edit->setCursorPosition(checked.caret);
}

void TfrmFieldGenerator::CheckFloatValue(QLineEdit* edit) {
    const CheckedText checked = checkFloatText(edit->text(), edit->cursorPosition());
    if (!checked.changed) return;
    edit->setText(checked.text);
    edit->setCursorPosition(checked.caret);
}

void TfrmFieldGenerator::chkbxInitValueClick() {
    const bool use = chkbxInitValue->isChecked();
    edtInitValue->setEnabled(use);
    edtInitValue->setFocusPolicy(use ? Qt::StrongFocus : Qt::NoFocus);
}

void TfrmFieldGenerator::btnFileDialogClick() {
    const auto chosen =
        dialogs_.saveFile(QString(), edtFileName->text(), QStringLiteral("All files (*.*)|*.*"));
    if (chosen && !chosen->isEmpty()) edtFileName->setText(*chosen);
}

void TfrmFieldGenerator::btnHelpClick() {
    if (openDocument_)
        openDocument_(sorvekDocumentation());
    else
        UserGuide::open(sorvekGuidePage, this, dialogs_);
}

void TfrmFieldGenerator::moveFocusOn() {
    QWidget* focused = focusWidget();
    if (focused == edtFileName)
        edtNumRows->setFocus();
    else if (focused == chkbxInitValue)
        (chkbxInitValue->isChecked() ? edtInitValue : edtFileName)->setFocus();
    else if (focused == edtInitValue)
        edtFileName->setFocus();
    else
        focusNextChild();
}

void TfrmFieldGenerator::btnGoClick() {
    if (focusWidget() != btnGo) {
        moveFocusOn();
        return;
    }
    startGenerator();
}

FieldParameters TfrmFieldGenerator::readParameters() const {
    FieldParameters parameters;
    parameters.fileName = edtFileName->text();
    parameters.nrows = int(std::trunc(parseDouble(edtNumRows->text())));
    parameters.ncols = int(std::trunc(parseDouble(edtNumColumns->text())));
    parameters.xll = parseDouble(edtLowerLeftX->text());
    parameters.yll = parseDouble(edtLowerLeftY->text());
    parameters.cellSize = parseDouble(edtCellSize->text());
    parameters.nodata = parseDouble(edtNodata->text());
    parameters.average = parseDouble(edtAverage->text());
    parameters.stdDeviation = parseDouble(edtStdDeviation->text());
    parameters.corrLenX = parseDouble(edtCorrLenX->text());
    parameters.corrLenY = parseDouble(edtCorrLenY->text());
    parameters.initValue = edtInitValue->isEnabled() ? parseInt(edtInitValue->text()) : -1;
    parameters.distributionType = rdLogarithmic->isChecked() ? 1 : 0;
    return parameters;
}

void TfrmFieldGenerator::startGenerator() {
    if (table_.full()) {
        dialogs_.message(
            QStringLiteral("the maximum allowed number of field generators is already running..."),
            applicationTitle());
        return;
    }
    FieldParameters parameters;
    try {
        parameters = readParameters();
    } catch (const ConversionError& error) {
        dialogs_.message(QString::fromUtf8(error.what()), applicationTitle());
        return;
    }
    if (const auto refusal = refusalOf(parameters)) {
        dialogs_.message(*refusal, applicationTitle());
        return;
    }

    btnGo->setEnabled(false);
    btnClose->setEnabled(false);
    const auto started = table_.start(parameters);
    if (!started) {
        btnGo->setEnabled(true);
        btnClose->setEnabled(true);
        dialogs_.message(QStringLiteral("The field generator for %1 could not be started.")
                             .arg(parameters.fileName),
                         applicationTitle());
        return;
    }
    lastMatrix_ = started->matrix;
    auto& window = waitWindows_[started->slot];
    window = std::make_unique<TfrmWaitMessage>();
    window->setWindowTitle(
        QStringLiteral("field generator %1 %2").arg(started->slot).arg(parameters.fileName));
    window->SetStatus(GeneratorStatus::Running);
    window->SetInitialValues(started->matrix, parameters.distributionType,
                             parseDouble(edtStdDeviation->text()), parseDouble(edtAverage->text()),
                             started->nrows, started->ncols, 0, 0, 0, 1);
    window->show();
    table_.attach(started->slot, window.get());
    showRunning(table_.running());

    btnGo->setEnabled(true);
    btnClose->setEnabled(true);
    btnClose->setFocus();
    ++startedCount_;
    edtFileName->setText(nextFileName(edtFileName->text(), startedCount_));
    if (!table_.looping()) RunGenerators();
}

void TfrmFieldGenerator::RunGenerators() { table_.run(*this); }

void TfrmFieldGenerator::btnCloseClick() {
    table_.cancelAll();
    close();
}

void TfrmFieldGenerator::closeEvent(QCloseEvent* event) {
    // Closing the form in any way cancels what runs; the loop discards it in its next pass.
    table_.cancelAll();
    event->accept();
}

void TfrmFieldGenerator::showRunning(int running) {
    // Shown on every pass; unchanged texts are left alone so that nothing is repainted.
    const QString count = QString::number(running);
    if (edtRunning->text() == count) return;
    edtRunning->setText(count);
    pnlRunning->setText(QStringLiteral("Running %1").arg(running));
}

void TfrmFieldGenerator::processMessages() {
    // Handling the pending events costs more than a small step of a generator (twenty running
    // generators take 5 cells each), so they are handled at most every few milliseconds: a click
    // still waits no longer than that, and the generators are not slowed down many times over.
    constexpr qint64 MessageInterval = 4;  // ms
    if (sinceMessages_.isValid() && sinceMessages_.elapsed() < MessageInterval) return;
    QCoreApplication::processEvents();
    sinceMessages_.start();
}

void TfrmFieldGenerator::showMessage(const QString& text) {
    dialogs_.message(text, applicationTitle());
}

void TfrmFieldGenerator::runningChanged(int running) { showRunning(running); }

void TfrmFieldGenerator::generatorEnded(int slot, GeneratorStatus) {
    std::unique_ptr<TfrmWaitMessage> window = std::move(waitWindows_.at(slot));
    if (window) window->Close();
}

void TfrmFieldGenerator::writeFailed(const QString& fileName, int code, const QString& reason) {
    const QString text =
        QStringLiteral("The field could not be written to the file \"%1\" (code %2)")
            .arg(fileName)
            .arg(code);
    dialogs_.message(reason.isEmpty() ? text + QLatin1Char('.')
                                      : text + QStringLiteral(": ") + reason + QLatin1Char('.'),
                     applicationTitle());
}

void TfrmFieldGenerator::fieldNotFinite(const QString& fileName) {
    dialogs_.message(fieldNotFiniteText(fileName), applicationTitle());
}
