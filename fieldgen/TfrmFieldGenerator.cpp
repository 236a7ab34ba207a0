#include "TfrmFieldGenerator.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolTip>
#include <cmath>

#include "FileNameSeries.h"
#include "NumberText.h"
#include "TCGauge.h"
#include "TypedTextCheck.h"
#include "UserDialogs.h"

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

QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text, const QString& label,
                   QRect labelRect, QRect editRect) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(editRect);
    auto* caption = new QLabel(label, parent);
    caption->setGeometry(labelRect);
    caption->setBuddy(edit);
    return edit;
}

QLabel* addHeading(QWidget* parent, const QString& text, int top) {
    auto* heading = new QLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(12, top, 200, 18);
    return heading;
}

}  // namespace

QUrl sorvekDocumentation() {
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/Sorvek.html"));
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

    // Created in tab order.
    addHeading(central, QStringLiteral("Dimensions"), 6);
    edtFileName = addEdit(central, "edtFileName", QStringLiteral("field.000"),
                          QStringLiteral("&File Name:"), {16, 30, 110, 22}, {130, 30, 300, 22});
    btnFileDialog = new QPushButton(QStringLiteral(">>"), central);
    btnFileDialog->setObjectName(QStringLiteral("btnFileDialog"));
    btnFileDialog->setGeometry(436, 29, 40, 24);
    edtNumRows = addEdit(central, "edtNumRows", QStringLiteral("100"), QStringLiteral("&Rows:"),
                         {16, 58, 110, 22}, {130, 58, 80, 22});
    edtNumColumns = addEdit(central, "edtNumColumns", QStringLiteral("100"),
                            QStringLiteral("Col&ums:"), {250, 58, 110, 22}, {364, 58, 80, 22});
    edtLowerLeftX = addEdit(central, "edtLowerLeftX", QStringLiteral("0"),
                            QStringLiteral("Lower Left &X:"), {16, 86, 110, 22}, {130, 86, 80, 22});
    edtLowerLeftY =
        addEdit(central, "edtLowerLeftY", QStringLiteral("0"), QStringLiteral("Lower Left &Y:"),
                {250, 86, 110, 22}, {364, 86, 80, 22});
    edtCellSize = addEdit(central, "edtCellSize", QStringLiteral("100"),
                          QStringLiteral("Cell Si&ze:"), {16, 114, 110, 22}, {130, 114, 80, 22});
    edtNodata = addEdit(central, "edtNodata", QStringLiteral("-9999"),
                        QStringLiteral("Nodata &Value:"), {250, 114, 110, 22}, {364, 114, 80, 22});
    addHeading(central, QStringLiteral("Parameters"), 146);
    edtAverage = addEdit(central, "edtAverage", QStringLiteral("0"), QStringLiteral("&Average:"),
                         {16, 170, 110, 22}, {130, 170, 80, 22});
    edtStdDeviation =
        addEdit(central, "edtStdDeviation", QStringLiteral("1"), QStringLiteral("&Std.-Deviation:"),
                {250, 170, 110, 22}, {364, 170, 80, 22});
    edtCorrLenX =
        addEdit(central, "edtCorrLenX", QStringLiteral("0.01"),
                QStringLiteral("C&orrel. Lenght X:"), {16, 198, 110, 22}, {130, 198, 80, 22});
    edtCorrLenY =
        addEdit(central, "edtCorrLenY", QStringLiteral("0.01"),
                QStringLiteral("Corr&el. Length Y:"), {250, 198, 110, 22}, {364, 198, 80, 22});
    chkbxInitValue = new QCheckBox(QStringLiteral("&Use Init Value ->"), central);
    chkbxInitValue->setObjectName(QStringLiteral("chkbxInitValue"));
    chkbxInitValue->setGeometry(16, 228, 160, 22);
    edtInitValue = new QLineEdit(QStringLiteral("1"), central);
    edtInitValue->setObjectName(QStringLiteral("edtInitValue"));
    edtInitValue->setGeometry(180, 228, 80, 22);
    rdgrpDistributionType = new QGroupBox(QStringLiteral("Distribution Type"), central);
    rdgrpDistributionType->setObjectName(QStringLiteral("rdgrpDistributionType"));
    rdgrpDistributionType->setGeometry(12, 256, 466, 50);
    auto* columns = new QHBoxLayout(rdgrpDistributionType);
    rdNormal = new QRadioButton(QStringLiteral("Gauss &Normal"), rdgrpDistributionType);
    rdLogarithmic = new QRadioButton(QStringLiteral("&Logarithmic (LN2)"), rdgrpDistributionType);
    rdNormal->setChecked(true);
    columns->addWidget(rdNormal);
    columns->addWidget(rdLogarithmic);
    edtRunning = addEdit(central, "edtRunning", QStringLiteral("0"), QStringLiteral("Running:"),
                         {16, 318, 60, 22}, {80, 318, 50, 22});
    edtRunning->setReadOnly(true);
    btnGo = new QPushButton(goCaption(), central);
    btnGo->setObjectName(QStringLiteral("btnGo"));
    btnGo->setDefault(true);
    btnGo->setGeometry(150, 316, 170, 28);
    btnClose = new QPushButton(QStringLiteral("&Close"), central);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(true);
    btnClose->setGeometry(326, 316, 70, 28);
    btnHelp = new QPushButton(QStringLiteral("&Help"), central);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setAutoDefault(true);
    btnHelp->setGeometry(402, 316, 70, 28);
    btnFileDialog->setAutoDefault(true);

    stsbrFieldGenerator = new QStatusBar(this);
    stsbrFieldGenerator->setObjectName(QStringLiteral("stsbrFieldGenerator"));
    stsbrFieldGenerator->setSizeGripEnabled(false);
    pnlHint = new QLabel(QStringLiteral("Help"));
    pnlHint->setFixedWidth(360);
    pnlRunning = new QLabel();
    pnlRunning->setMinimumWidth(50);
    stsbrFieldGenerator->addWidget(pnlHint);
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
        pnlHint->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TfrmFieldGenerator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == btnGo) {
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

void TfrmFieldGenerator::btnHelpClick() { openDocument_(sorvekDocumentation()); }

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
    window->SetStatus(-1);
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

void TfrmFieldGenerator::generatorEnded(int slot, int) {
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
