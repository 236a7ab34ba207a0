// The exported C interface: a table of 20 parameter slots and a table of 20 generators.

#include <cstring>
#include <exception>
#include <memory>
#include <new>

#include "FieldKernel.h"
#include "KernelSlot.h"
#include "kelvra.h"

namespace {

using kelvra::FieldKernel;
using kelvra::KernelSlot;

std::unique_ptr<KernelSlot[]> slots;
std::unique_ptr<std::unique_ptr<FieldKernel>[]> generators;

bool valid_slot(int slot) { return slots != nullptr && slot >= 0 && slot < KELVRA_SLOT_COUNT; }

// Releases the slot's generator and file name and marks the slot finished. Returns 0, or the
// code of what kept a requested file from being written.
int finish_slot(int slot, bool write) {
    const FieldKernel::WriteOutcome outcome = generators[slot]->write_and_release(write);
    generators[slot].reset();
    slots[slot].file_name.reset();
    slots[slot].finished = 1;
    switch (outcome) {
        case FieldKernel::WriteOutcome::done:
            return 0;
        case FieldKernel::WriteOutcome::not_finite:
            return KELVRA_NOT_FINITE;
        case FieldKernel::WriteOutcome::failed:
            break;
    }
    return KELVRA_WRITE_FAILED;
}

void release_all() {
    if (generators != nullptr) {
        for (int slot = 0; slot < KELVRA_SLOT_COUNT; ++slot) {
            if (generators[slot] != nullptr) finish_slot(slot, false);
        }
    }
    generators.reset();
    slots.reset();
}

template <typename Field, typename Value>
int store(int slot, Field KernelSlot::*field, Value value, int code) {
    if (!valid_slot(slot)) return KELVRA_BAD_SLOT;
    slots[slot].*field = value;
    return code;
}

}  // namespace

extern "C" {

int create_kernel(void) {
    release_all();
    try {
        slots = std::make_unique<KernelSlot[]>(KELVRA_SLOT_COUNT);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    try {
        generators = std::make_unique<std::unique_ptr<FieldKernel>[]>(KELVRA_SLOT_COUNT);
    } catch (const std::bad_alloc&) {
        slots.reset();
        return -2;
    }
    return 0;
}

int destroy_kernel(void) {
    release_all();
    return 0;
}

int set_filename(int slot, const char* name) {
    if (!valid_slot(slot)) return KELVRA_BAD_SLOT;
    if (name == nullptr) return KELVRA_BAD_ARGUMENT;
    const std::size_t length = std::strlen(name);
    if (length >= static_cast<std::size_t>(kelvra::kFileNameBytes)) return KELVRA_BAD_ARGUMENT;
    auto& buffer = slots[slot].file_name;
    if (buffer == nullptr) {
        try {
            buffer = std::make_unique<char[]>(kelvra::kFileNameBytes);  // zero-filled
        } catch (const std::bad_alloc&) {
            return KELVRA_BAD_ARGUMENT;
        }
    }
    std::memcpy(buffer.get(), name, length + 1);
    return 1;
}

int set_nrows(int slot, int nrows) { return store(slot, &KernelSlot::nrows, nrows, 2); }
int set_ncols(int slot, int ncols) { return store(slot, &KernelSlot::ncols, ncols, 3); }
int set_xll(int slot, double value) { return store(slot, &KernelSlot::xll, value, 4); }
int set_yll(int slot, double value) { return store(slot, &KernelSlot::yll, value, 5); }
int set_cs(int slot, double value) { return store(slot, &KernelSlot::cs, value, 6); }
int set_nodata(int slot, double value) { return store(slot, &KernelSlot::nodata, value, 7); }
int set_avg(int slot, double value) { return store(slot, &KernelSlot::avg, value, 8); }
int set_stddev(int slot, double value) { return store(slot, &KernelSlot::stddev, value, 9); }
int set_corrx(int slot, double value) { return store(slot, &KernelSlot::corrx, value, 10); }
int set_corry(int slot, double value) { return store(slot, &KernelSlot::corry, value, 11); }
int set_initvalue(int slot, int value) { return store(slot, &KernelSlot::initvalue, value, 12); }
int set_disttype(int slot, int value) { return store(slot, &KernelSlot::disttype, value, 13); }

double** initialize_kernel(int slot, int* nrows_out, int* ncols_out) {
    if (!valid_slot(slot)) return nullptr;
    KernelSlot& parameters = slots[slot];
    if (parameters.file_name == nullptr || parameters.nrows < 1 || parameters.ncols < 1) {
        return nullptr;
    }
    if (generators[slot] != nullptr) {
        generators[slot]->write_and_release(false);
        generators[slot].reset();
    }
    parameters.finished = 0;
    try {
        generators[slot] = std::make_unique<FieldKernel>(parameters);
    } catch (const std::exception&) {
        return nullptr;
    }
    if (nrows_out != nullptr) *nrows_out = parameters.nrows;
    if (ncols_out != nullptr) *ncols_out = parameters.ncols;
    return generators[slot]->matrix();
}

int run_kernel_stepwise(int slot, int* row, int* col, int count) {
    if (!valid_slot(slot)) return KELVRA_BAD_SLOT;
    if (slots[slot].finished != 0) return 1;
    if (generators[slot] == nullptr) return KELVRA_NOT_RUNNING;
    if (row == nullptr || col == nullptr) return KELVRA_BAD_ARGUMENT;
    return generators[slot]->run_stepwise(*row, *col, count);
}

int shutdown_kernel(int slot, int mode) {
    if (!valid_slot(slot)) return KELVRA_BAD_SLOT;
    if (mode != 1 && mode != 2) return 0;
    if (generators[slot] == nullptr) return KELVRA_NOT_RUNNING;
    return finish_slot(slot, mode == 1);
}

}  // extern "C"
