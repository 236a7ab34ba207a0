// Reading and writing Linara's settings file grows with the file, not with its square:
// 160 000 table sections are read, and a chart section of 150 000 comment lines is written,
// each well within a second. Every case checks its time bound and the run exits non-zero
// when one is missed.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <string>

#include "ChartSettings.h"
#include "IniFile.h"

namespace {

bool boundMissed = false;

// Fails the case when an iteration took longer than `seconds`.
void checkBound(benchmark::State& state, std::chrono::steady_clock::duration took, double seconds) {
    const double taken = std::chrono::duration<double>(took).count();
    state.counters["seconds"] = taken;
    if (taken > seconds) {
        boundMissed = true;
        state.SkipWithError("slower than its time bound");
    }
}

// A settings file of `sections` table sections, each naming a file with three columns.
std::string manySections(int sections) {
    std::string text = "[Chart]\nTitle=Many\nNumFiles=" + std::to_string(sections) + "\n";
    for (int i = 0; i < sections; ++i) {
        const std::string n = std::to_string(i);
        text += "[File" + n + "]\nFileName=run" + n + ".txt\nEntityName=Flow_" + n +
                "\nColumnCount=3\n";
        for (int j = 0; j < 3; ++j)
            text += "File" + n + "series" + std::to_string(j) + "Color=255\nFile" + n + "series" +
                    std::to_string(j) + "Visible=1\n";
    }
    return text;
}

void ReadSettingsOf160000Sections(benchmark::State& state) {
    const std::string text = manySections(160000);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const IniFile ini(text);
        const std::vector<SettingsTable> tables = settingsTables(ini);
        long long colours = 0;
        for (const SettingsTable& table : tables)
            for (const SeriesSettings& series : readSeriesSettings(ini, table.section, 3))
                colours += series.colour;
        benchmark::DoNotOptimize(colours);
        if (tables.size() != 160000u) state.SkipWithError("not every table was found");
        checkBound(state, std::chrono::steady_clock::now() - start, 1.0);
    }
}
BENCHMARK(ReadSettingsOf160000Sections)->Unit(benchmark::kMillisecond)->Iterations(3);

void WriteSettingsInto150000CommentLines(benchmark::State& state) {
    std::string text = "[Chart]\nTitle=Comments\n";
    for (int i = 0; i < 150000; ++i) text += "; note " + std::to_string(i) + "\n";
    ChartSettings settings;
    for (int i = 0; i < 50; ++i)
        settings.files.push_back({QStringLiteral("run%1.txt").arg(i), QStringLiteral("Flow"),
                                  std::vector<SeriesSettings>(4)});
    settings.dates = {"2000", "1", "1", "2001", "1", "1"};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        IniFile ini(text);
        writeChartSettings(ini, settings);
        const std::string written = ini.text();
        benchmark::DoNotOptimize(written.data());
        checkBound(state, std::chrono::steady_clock::now() - start, 1.0);
    }
}
BENCHMARK(WriteSettingsInto150000CommentLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void SaveAndLoad160000SectionsThroughTheFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("linara.ini");
    const IniFile original(manySections(160000));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        original.save(path);
        const IniFile read = IniFile::load(path);
        benchmark::DoNotOptimize(read.ReadInteger("Chart", "NumFiles", 0));
        checkBound(state, std::chrono::steady_clock::now() - start, 2.0);
    }
}
BENCHMARK(SaveAndLoad160000SectionsThroughTheFile)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (boundMissed) std::fprintf(stderr, "settings_file_bench: a time bound was missed\n");
    return boundMissed ? 1 : 0;
}
