#include "GeneratorTable.h"

#include <QFile>
#include <cerrno>
#include <cstdint>

#include "GeneratorMonitor.h"
#include "OutputTarget.h"
#include "kelvra.h"

QString fieldNotFiniteText(const QString& fileName) {
    return QStringLiteral(
               "The field was not written to the file \"%1\": some of its values are no finite "
               "numbers (the average or the standard deviation is too large for them).")
        .arg(fileName);
}

GeneratorTable::GeneratorTable(const KelvraCalls& kelvra) : kelvra_(kelvra) {
    kelvra_.create_kernel();
}

GeneratorTable::~GeneratorTable() {
    for (int slot = 0; slot < SlotCount; ++slot)
        if (entries_[slot].inUse) kelvra_.shutdown_kernel(slot, 2);
    kelvra_.destroy_kernel();
}

int GeneratorTable::running() const {
    int count = 0;
    for (const GeneratorEntry& entry : entries_) count += entry.inUse ? 1 : 0;
    return count;
}

std::optional<GeneratorTable::Started> GeneratorTable::start(const FieldParameters& parameters) {
    int slot = 0;
    while (slot < SlotCount && entries_[slot].inUse) ++slot;
    if (slot == SlotCount) return std::nullopt;
    GeneratorEntry& entry = entries_[slot];
    entry = GeneratorEntry{};
    entry.inUse = true;
    entry.fileName = parameters.fileName;

    const QByteArray name = parameters.fileName.toLocal8Bit();
    kelvra_.set_filename(slot, name.constData());
    kelvra_.set_nrows(slot, parameters.nrows);
    kelvra_.set_ncols(slot, parameters.ncols);
    kelvra_.set_xll(slot, parameters.xll);
    kelvra_.set_yll(slot, parameters.yll);
    kelvra_.set_cs(slot, parameters.cellSize);
    kelvra_.set_nodata(slot, parameters.nodata);
    kelvra_.set_avg(slot, parameters.average);
    kelvra_.set_stddev(slot, parameters.stdDeviation);
    kelvra_.set_corrx(slot, parameters.corrLenX);
    kelvra_.set_corry(slot, parameters.corrLenY);
    kelvra_.set_initvalue(slot, initValueFor(parameters));
    kelvra_.set_disttype(slot, parameters.distributionType);

    int nrows = 0;
    int ncols = 0;
    double** matrix = kelvra_.initialize_kernel(slot, &nrows, &ncols);
    if (matrix == nullptr) {
        entry = GeneratorEntry{};
        return std::nullopt;
    }
    entry.nrows = nrows;
    entry.ncols = ncols;
    return Started{slot, matrix, nrows, ncols};
}

// Kelvra seeds a generator from its clock when the init value is 0 or less. The clock is read
// here instead and passed on as the init value, with the 31 bits Kelvra keeps of it, which
// gives the same seed.
int GeneratorTable::initValueFor(const FieldParameters& parameters) const {
    if (parameters.initValue > 0) return parameters.initValue;
    return static_cast<int>(clock_() & 0x7fffffff);
}

void GeneratorTable::attach(int slot, GeneratorMonitor* monitor) {
    GeneratorEntry& entry = entries_.at(slot);
    entry.monitor = monitor;
    entry.cellsPerStep = CellsPerPass;
    entry.row = 1;
    entry.col = 1;
    entry.status = GeneratorStatus::Running;
    if (monitor != nullptr) monitor->SetStatus(GeneratorStatus::Running);
}

void GeneratorTable::run(DrivingHost& host) {
    if (looping_) return;
    looping_ = true;
    while (running() > 0) {
        host.runningChanged(running());
        runPass(host);
        host.runningChanged(running());
    }
    looping_ = false;
}

void GeneratorTable::runPass(DrivingHost& host) {
    // The statuses of this pass; a generator started during the pass joins the next one.
    std::array<GeneratorStatus, SlotCount> status{};
    for (int slot = 0; slot < SlotCount; ++slot) {
        const GeneratorEntry& entry = entries_[slot];
        status[slot] = !entry.inUse               ? GeneratorStatus::Idle
                       : entry.monitor != nullptr ? entry.monitor->GetStatus()
                                                  : entry.status;
    }
    for (int slot = 0; slot < SlotCount; ++slot)
        if (status[slot] == GeneratorStatus::Running && entries_[slot].inUse)
            step(slot, status[slot], host);
    for (int slot = 0; slot < SlotCount; ++slot)
        if ((status[slot] == GeneratorStatus::Finished ||
             status[slot] == GeneratorStatus::Cancelled) &&
            entries_[slot].inUse)
            shutDown(slot, status[slot], host);
}

void GeneratorTable::step(int slot, GeneratorStatus& status, DrivingHost& host) {
    GeneratorEntry& entry = entries_[slot];
    entry.cellsPerStep = CellsPerPass / running();
    const int startRow = entry.row;
    const int startCol = entry.col;
    // 1 after the last cell; -1 while cells remain, and Kelvra's negative error codes alike.
    status = kelvra_.run_kernel_stepwise(slot, &entry.row, &entry.col, entry.cellsPerStep) == 1
                 ? GeneratorStatus::Finished
                 : GeneratorStatus::Running;
    const int endRow = entry.row;
    const int endCol = entry.col;
    // The next call starts on the next cell, so no cell is computed twice.
    if (++entry.col > entry.ncols) {
        entry.col = 1;
        ++entry.row;
    }
    if (entry.row > entry.nrows && status != GeneratorStatus::Finished) {
        host.showMessage(QStringLiteral("Status von Generator %1 ist ungleich 1, aber die letzte "
                                        "Zelle ist abgearbeitet!")
                             .arg(slot));
        // Neither stepped nor written any more: discarded in this pass, so the loop can end.
        status = GeneratorStatus::Cancelled;
    }
    GeneratorMonitor* monitor = entry.monitor;
    const GeneratorStatus monitorStatus = monitor != nullptr ? monitor->GetStatus() : entry.status;
    if (monitorStatus == GeneratorStatus::Running) {
        if (monitor != nullptr) {
            const std::int64_t done = std::int64_t(entry.row - 1) * entry.ncols + entry.col;
            const std::int64_t all = std::int64_t(entry.ncols) * entry.nrows;
            monitor->setProgress(int(done * 1000 / all));
            monitor->GridPaint(startRow, startCol, endCol, endRow);
            monitor->SetStatus(status);
        }
        entry.status = status;
    } else {
        status = GeneratorStatus::Cancelled;
        entry.status = GeneratorStatus::Cancelled;
    }
    host.processMessages();
}

void GeneratorTable::shutDown(int slot, GeneratorStatus ending, DrivingHost& host) {
    const QString fileName = entries_[slot].fileName;
    // Kelvra leaves the reason of a failed write in errno.
    errno = 0;
    const bool write = ending == GeneratorStatus::Finished;
    const int code = kelvra_.shutdown_kernel(slot, write ? 1 : 2);
    const int error = errno;
    entries_[slot] = GeneratorEntry{};
    host.generatorEnded(slot, ending);
    if (!write || code == 0) return;
    if (code == KELVRA_NOT_FINITE) {
        host.fieldNotFinite(fileName);
        return;
    }
    const QString reason =
        error != 0 ? QString::fromLocal8Bit(tolmar::outputFailureReason(
                                                QFile::encodeName(fileName).toStdString(), error)
                                                .c_str())
                   : QString();
    host.writeFailed(fileName, code, reason);
}

void GeneratorTable::cancelAll() {
    for (GeneratorEntry& entry : entries_) {
        if (!entry.inUse) continue;
        if (entry.monitor != nullptr) {
            if (entry.monitor->GetStatus() == GeneratorStatus::Running)
                entry.monitor->SetStatus(GeneratorStatus::Cancelled);
        } else if (entry.status == GeneratorStatus::Running) {
            entry.status = GeneratorStatus::Cancelled;
        }
    }
}
