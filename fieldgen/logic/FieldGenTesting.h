#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <vector>

#include "GeneratorMonitor.h"
#include "GeneratorTable.h"
#include "TestFolder.h"

// A result matrix of the kernel's shape: rows and columns counted from 1, row 0 and column 0
// unused.
struct Matrix {
    Matrix(int nrows, int ncols)
        : cells(std::size_t(nrows + 1), std::vector<double>(std::size_t(ncols + 1), 0.0)) {
        for (auto& row : cells) rows.push_back(row.data());
    }
    double** table() { return rows.data(); }
    std::vector<std::vector<double>> cells;
    std::vector<double*> rows;
};

// Every test works in a fresh temporary folder that is also the working directory.
class InTemporaryFolder {
public:
    InTemporaryFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~InTemporaryFolder() { QDir::setCurrent(previous_); }
    QString path(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// Records what the loop tells a generator's window.
class RecordingMonitor : public GeneratorMonitor {
public:
    struct Paint {
        int startRow, startCol, endCol, endRow;
    };
    GeneratorStatus status = GeneratorStatus::Idle;
    std::vector<int> progress;
    std::vector<Paint> paints;
    std::function<void()> onPaint;

    GeneratorStatus GetStatus() const override { return status; }
    void SetStatus(GeneratorStatus value) override { status = value; }
    void setProgress(int perMille) override { progress.push_back(perMille); }
    void GridPaint(int startRow, int startCol, int endCol, int endRow) override {
        paints.push_back({startRow, startCol, endCol, endRow});
        if (onPaint) onPaint();
    }
};

// Records what the loop tells its surroundings; runs an optional action when messages are
// processed.
class RecordingHost : public DrivingHost {
public:
    std::vector<QString> messages;
    std::vector<std::pair<int, GeneratorStatus>> ended;  // slot, how it ended
    std::vector<std::pair<QString, int>> failures;
    std::vector<QString> failureReasons;
    std::vector<QString> notFinite;
    std::function<void()> onMessages;

    void processMessages() override {
        if (onMessages) onMessages();
    }
    void showMessage(const QString& text) override { messages.push_back(text); }
    void runningChanged(int) override {}
    void generatorEnded(int slot, GeneratorStatus ending) override {
        ended.emplace_back(slot, ending);
    }
    void writeFailed(const QString& fileName, int code, const QString& reason) override {
        failures.emplace_back(fileName, code);
        failureReasons.push_back(reason);
    }
    void fieldNotFinite(const QString& fileName) override { notFinite.push_back(fileName); }
};

// Runs `action` from inside the next event processing (the driving loop's).
inline void soon(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }
