#pragma once
#include <QString>
#include <cstdint>
#include <optional>

#include "FieldParameters.h"

// What this machine offers a field: memory for the generator, and room for the grid file.
struct MachineRoom {
    // Physical memory, or less when the process's address space or data size is limited.
    std::uint64_t memoryBytes = UINT64_MAX;
    // Free in the file system of the target's folder, or less when the size of files the
    // process may write is limited; nullopt when unknown or when the target is no regular file
    // (a device or a pipe takes what it is sent).
    std::optional<std::uint64_t> fileBytes;
};

// The memory a generator of nrows × ncols cells holds at least: its result matrix of
// (nrows + 1) × (ncols + 1) doubles and five tables of N + 1 doubles for its N wave modes
// (N the larger of nrows, ncols and 500). Saturates at UINT64_MAX.
std::uint64_t fieldMemoryBytes(int nrows, int ncols);

// About what the grid file of these parameters takes, rather less than more: the header, and
// every cell in "%.8g" form with a tab, each line ending in CR LF. Cells are counted as long as
// the shorter of two typical values written with seven digits; a field of a constant value as
// that value.
std::uint64_t gridFileBytes(const FieldParameters& parameters);

// The room of this machine for a field written to fileName.
MachineRoom machineRoomFor(const QString& fileName);

// The reason why a field of these parameters cannot fit into the room, giving what it needs
// and what there is, or nullopt. Also refuses rows longer than the kernel can hold in one
// block, for which it would end the whole program.
std::optional<QString> refusalOfSize(const FieldParameters& parameters, const MachineRoom& room);
