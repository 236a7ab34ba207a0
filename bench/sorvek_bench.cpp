// Times Sorvek's front end against a plain loop over Kelvra's C interface for a 999 x 999
// field: the command line (--batch) and the window (offscreen, one generator), and measures how
// long a click waits while twenty generators run in the window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>

#include "BatchCommandLine.h"
#include "ScriptedDialogs.h"
#include "TfrmFieldGenerator.h"
#include "kelvra.h"

namespace {

// The form's controls, by their object names.
QLineEdit* edit(TfrmFieldGenerator& form, const char* name) {
    return form.findChild<QLineEdit*>(QLatin1String(name));
}
QPushButton* button(TfrmFieldGenerator& form, const char* name) {
    return form.findChild<QPushButton*>(QLatin1String(name));
}

constexpr int Size = 999;

FieldParameters bigField(const QString& fileName) {
    FieldParameters parameters;
    parameters.fileName = fileName;
    parameters.nrows = parameters.ncols = Size;
    parameters.initValue = 4711;
    return parameters;
}

// Kelvra's interface driven directly: set up, step `budget` cells per call with the cursor
// moved on by one cell between calls, write the file.
void plainLoop(const QByteArray& fileName, int budget) {
    create_kernel();
    set_filename(0, fileName.constData());
    set_nrows(0, Size);
    set_ncols(0, Size);
    set_xll(0, 0.0);
    set_yll(0, 0.0);
    set_cs(0, 100.0);
    set_nodata(0, -9999.0);
    set_avg(0, 0.0);
    set_stddev(0, 1.0);
    set_corrx(0, 0.01);
    set_corry(0, 0.01);
    set_initvalue(0, 4711);
    set_disttype(0, 0);
    int nrows = 0;
    int ncols = 0;
    initialize_kernel(0, &nrows, &ncols);
    int row = 1;
    int col = 1;
    while (run_kernel_stepwise(0, &row, &col, budget) != 1) {
        if (++col > ncols) {
            col = 1;
            ++row;
        }
    }
    shutdown_kernel(0, 1);
    destroy_kernel();
}

void PlainLoopStepped(benchmark::State& state) {
    QTemporaryDir folder;
    const QByteArray name = folder.filePath(QStringLiteral("plain.asc")).toLocal8Bit();
    for (auto _ : state) plainLoop(name, 100);
}

void PlainLoopOneCall(benchmark::State& state) {
    QTemporaryDir folder;
    const QByteArray name = folder.filePath(QStringLiteral("plain.asc")).toLocal8Bit();
    for (auto _ : state) plainLoop(name, Size * Size);
}

void Batch(benchmark::State& state) {
    QTemporaryDir folder;
    BatchJob job{bigField(folder.filePath(QStringLiteral("batch.asc")))};
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        if (runBatchJob(job, sink, false) != 0) state.SkipWithError("batch failed");
    }
    std::fclose(sink);
}

struct WindowInFolder {
    WindowInFolder() : previous(QDir::currentPath()) {
        QDir::setCurrent(folder.path());
        edit(form, "edtNumRows")->setText(QString::number(Size));
        edit(form, "edtNumColumns")->setText(QString::number(Size));
        form.findChild<QCheckBox*>(QStringLiteral("chkbxInitValue"))->click();
        edit(form, "edtInitValue")->setText(QStringLiteral("4711"));
        form.show();
    }
    ~WindowInFolder() { QDir::setCurrent(previous); }
    QTemporaryDir folder;
    QString previous;
    ScriptedDialogs dialogs;
    TfrmFieldGenerator form{dialogs, [](const QUrl&) {}};
};

void WindowOneGenerator(benchmark::State& state) {
    WindowInFolder window;
    for (auto _ : state) {
        edit(window.form, "edtFileName")->setText(QStringLiteral("window.000"));
        button(window.form, "btnGo")->click();  // returns when the field is written
    }
}

// A click from outside: posted from another thread at a wall-clock moment, and timed until
// the form's edit receives it.
class ClickTimer : public QObject {
public:
    std::atomic<qint64> postedAt{0};
    qint64 longestWait = 0;
    int clicks = 0;
    QElapsedTimer clock;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            longestWait = std::max(longestWait, clock.nsecsElapsed() - postedAt.load());
            ++clicks;
            return true;
        }
        return false;
    }
};

void WindowTwentyGeneratorsClickLatency(benchmark::State& state) {
    WindowInFolder window;
    TfrmFieldGenerator& form = window.form;
    for (auto _ : state) {
        ClickTimer timer;
        timer.clock.start();
        edit(form, "edtRunning")->installEventFilter(&timer);
        std::atomic<bool> running{true};
        QThread* clicker = QThread::create([&] {
            while (running) {
                QThread::msleep(15);
                timer.postedAt = timer.clock.nsecsElapsed();
                QCoreApplication::postEvent(
                    edit(form, "edtRunning"),
                    new QMouseEvent(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2),
                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            }
        });
        QTimer starter;
        QObject::connect(&starter, &QTimer::timeout, [&] {
            if (form.generators().running() >= 20) {
                starter.stop();
                clicker->start();
                return;
            }
            button(form, "btnGo")->click();
        });
        starter.start(0);
        edit(form, "edtFileName")->setText(QStringLiteral("many.000"));
        button(form, "btnGo")->click();  // returns when all twenty fields are written
        running = false;
        clicker->wait();
        delete clicker;
        QCoreApplication::removePostedEvents(edit(form, "edtRunning"));
        edit(form, "edtRunning")->removeEventFilter(&timer);
        state.counters["longest_click_wait_ms"] = double(timer.longestWait) / 1e6;
        state.counters["clicks"] = timer.clicks;
    }
}

}  // namespace

BENCHMARK(PlainLoopStepped)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(PlainLoopOneCall)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(Batch)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(WindowOneGenerator)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(WindowTwentyGeneratorsClickLatency)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
