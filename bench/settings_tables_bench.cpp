// Opening a settings file that names many tables costs the same per table however many
// there are: 100 and 400 small tables through the window, offscreen. The time per table of
// the larger file must stay within twice that of the smaller one; the run exits non-zero
// otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <map>

#include "CommandProcessor.h"
#include "PrinterSetup.h"
#include "TfrmTolmarCharts.h"
#include "UserDialogs.h"

namespace {

class SilentDialogs : public UserDialogs {
public:
    Answer question(const QString&, const QString&, Buttons) override { return Answer::No; }
    void message(const QString&, const QString&) override {}
    std::optional<QString> inputQuery(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

class NoCommands : public CommandProcessor {
public:
    void run(const QString&) override {}
};

class NoPrinter : public PrinterSetup {
public:
    bool setUp(QPrinter&, QWidget*) override { return false; }
};

// A folder with `count` tables of two columns and 48 hourly rows, and a settings file naming
// them all.
QString settingsWithTables(const QTemporaryDir& folder, int count) {
    QByteArray table = "Tolmar-Kor results\nYYYY MM DD HH A B\nFlow_at_the_outlet_gauge\n";
    for (int r = 0; r < 48; ++r)
        table += "2001 1 " + QByteArray::number(1 + r / 24) + " " + QByteArray::number(r % 24) +
                 " " + QByteArray::number(r) + " " + QByteArray::number(2 * r) + "\n";
    QByteArray ini = "[Chart]\nNumFiles=" + QByteArray::number(count) + "\n";
    for (int i = 0; i < count; ++i) {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("t%1.txt").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(table);
        ini += "[File" + QByteArray::number(i) + "]\nFileName=" + path.toUtf8() + "\nFile" +
               QByteArray::number(i) + "series0Visible=1\n";
    }
    const QString path = QDir(folder.path()).filePath(QStringLiteral("many%1.ini").arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(ini);
    return path;
}

std::map<int, double> secondsPerTable;

void OpenSettingsWithTables(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString settings = settingsWithTables(folder, count);
    for (auto _ : state) {
        SilentDialogs dialogs;
        NoCommands commands;
        NoPrinter printer;
        TfrmTolmarCharts window(dialogs, commands, printer);
        window.resize(1309, 818);
        window.show();
        window.FormShow({});
        const auto start = std::chrono::steady_clock::now();
        window.readSettingsFile(settings);
        QCoreApplication::processEvents();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        secondsPerTable[count] = seconds / count;
        state.counters["ms_per_table"] = 1000 * seconds / count;
    }
}
BENCHMARK(OpenSettingsWithTables)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (secondsPerTable.count(100) && secondsPerTable.count(400) &&
        secondsPerTable[400] > 2 * secondsPerTable[100]) {
        std::fprintf(stderr, "settings_tables_bench: 400 tables cost %.2f ms each, 100 %.2f ms\n",
                     1000 * secondsPerTable[400], 1000 * secondsPerTable[100]);
        return 1;
    }
    return 0;
}
