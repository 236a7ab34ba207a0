#pragma once
#include <QElapsedTimer>
#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "ElidingLabel.h"
#include "GeneratorTable.h"
#include "TfrmWaitMessage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class UserDialogs;

// Sorvek's parameter form: the user enters a field's parameters and starts generators; a loop
// on the form steps every running generator in turn while the user interface stays alive.
class TfrmFieldGenerator : public QMainWindow, private DrivingHost {
    Q_OBJECT
public:
    // openDocument shows the user guide's page on Sorvek; without it, the desktop's opener
    // shows the page, and a message tells where the guide is when nothing can show it.
    TfrmFieldGenerator(UserDialogs& dialogs, std::function<void(const QUrl&)> openDocument,
                       QWidget* parent = nullptr);
    ~TfrmFieldGenerator() override;

    static QString applicationTitle() { return QStringLiteral("Field Generator v.2.1"); }
    static QString goCaption() { return QStringLiteral("next Fiel&d (Return, Go!)"); }

    const GeneratorTable& generators() const { return table_; }
    // The progress window of a running slot, or null.
    TfrmWaitMessage* waitWindow(int slot) const { return waitWindows_.at(slot).get(); }
    int startedCount() const { return startedCount_; }
    // The clock that seeds the fields when no init value is given (the system clock by default).
    void setClock(GeneratorTable::Clock clock) { table_.setClock(std::move(clock)); }

public slots:
    void btnGoClick();
    void btnCloseClick();
    void btnHelpClick();
    void btnFileDialogClick();
    void chkbxInitValueClick();

protected:
    virtual void RunGenerators();
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls, found by the tests and the screenshot by their object names.
    QLineEdit* edtFileName;
    QPushButton* btnFileDialog;
    QLineEdit* edtNumRows;
    QLineEdit* edtNumColumns;
    QLineEdit* edtLowerLeftX;
    QLineEdit* edtLowerLeftY;
    QLineEdit* edtCellSize;
    QLineEdit* edtNodata;
    QLineEdit* edtAverage;
    QLineEdit* edtStdDeviation;
    QLineEdit* edtCorrLenX;
    QLineEdit* edtCorrLenY;
    QCheckBox* chkbxInitValue;
    QLineEdit* edtInitValue;
    QGroupBox* rdgrpDistributionType;
    QRadioButton* rdNormal;
    QRadioButton* rdLogarithmic;
    QPushButton* btnGo;
    QPushButton* btnClose;
    QPushButton* btnHelp;
    QLineEdit* edtRunning;
    QStatusBar* stsbrFieldGenerator;
    ElidingLabel* pnlHint;  // status panel 0
    QLabel* pnlRunning;     // status panel 1

    void buildControls();
    void fitGoButton();
    void FormCreate();
    void moveFocusOn();
    void startGenerator();
    FieldParameters readParameters() const;
    void CheckIntValue(QLineEdit* edit);
    void CheckFloatValue(QLineEdit* edit);
    void showRunning(int running);

    // DrivingHost
    void processMessages() override;
    void showMessage(const QString& text) override;
    void runningChanged(int running) override;
    void generatorEnded(int slot, GeneratorStatus ending) override;
    void writeFailed(const QString& fileName, int code, const QString& reason) override;
    void fieldNotFinite(const QString& fileName) override;

    UserDialogs& dialogs_;
    std::function<void(const QUrl&)> openDocument_;
    GeneratorTable table_;
    std::array<std::unique_ptr<TfrmWaitMessage>, GeneratorTable::SlotCount> waitWindows_;
    QElapsedTimer sinceMessages_;  // since the pending events were last handled
    int startedCount_ = 0;
    double** lastMatrix_ = nullptr;
};

// The user guide's page on Sorvek that the help button opens: the installed guide's, or the
// build tree's when the program runs from there.
QUrl sorvekDocumentation();
