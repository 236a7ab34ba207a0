/*
 * Kelvra: generator of spatially correlated random fields on regular grids.
 *
 * The library keeps 20 generator slots (0 to 19). A caller fills a slot with the setters,
 * builds its generator with initialize_kernel, computes the field a few cells at a time with
 * run_kernel_stepwise and finally writes the ASCII grid file and releases the slot with
 * shutdown_kernel. All calls must come from one thread.
 *
 * Return codes beyond the normal ones:
 *   KELVRA_BAD_SLOT      the slot number lies outside 0..19, or create_kernel has not been
 *                        called; nothing happens.
 *   KELVRA_NOT_RUNNING   run_kernel_stepwise on a slot that was never initialised, or
 *                        shutdown_kernel (modes 1 and 2) on a slot without a generator.
 *   KELVRA_BAD_ARGUMENT  a null pointer, or a file name of 1024 bytes or more with its
 *                        terminating zero; nothing happens.
 *   KELVRA_WRITE_FAILED  shutdown_kernel mode 1 could not write the grid file. The matrix is
 *                        freed and the slot finished all the same. The file is written under a
 *                        temporary name in the target folder and renamed over the target only
 *                        when complete, so an existing file is never left half-written.
 *   KELVRA_NOT_FINITE    shutdown_kernel mode 1 found a final value that is no finite number
 *                        (the mean or standard deviation is too large, or 10 to the power of
 *                        a value overflows). Nothing is written, an existing file stays as it
 *                        was; the matrix is freed and the slot finished all the same.
 */
#ifndef KELVRA_H
#define KELVRA_H

#define KELVRA_API __attribute__((visibility("default")))

#define KELVRA_SLOT_COUNT 20
#define KELVRA_WRITE_FAILED 1
#define KELVRA_NOT_FINITE 2
#define KELVRA_BAD_SLOT (-10)
#define KELVRA_NOT_RUNNING (-11)
#define KELVRA_BAD_ARGUMENT (-12)

#ifdef __cplusplus
extern "C" {
#endif

/* Allocates the slot and generator tables. 0 on success, -1 or -2 if an allocation failed.
 * Calling it again releases every running generator (without writing) and starts afresh. */
KELVRA_API int create_kernel(void);

/* Releases every running generator without writing, then both tables. Returns 0. */
KELVRA_API int destroy_kernel(void);

/* Setters: each stores its value in the slot and returns its own fixed code (1 to 13). */
KELVRA_API int set_filename(int slot, const char* name); /* 1 */
KELVRA_API int set_nrows(int slot, int nrows);           /* 2 */
KELVRA_API int set_ncols(int slot, int ncols);           /* 3 */
KELVRA_API int set_xll(int slot, double value);          /* 4 */
KELVRA_API int set_yll(int slot, double value);          /* 5 */
KELVRA_API int set_cs(int slot, double value);           /* 6 */
KELVRA_API int set_nodata(int slot, double value);       /* 7 */
KELVRA_API int set_avg(int slot, double value);          /* 8 */
KELVRA_API int set_stddev(int slot, double value);       /* 9 */
KELVRA_API int set_corrx(int slot, double value);        /* 10 */
KELVRA_API int set_corry(int slot, double value);        /* 11 */
KELVRA_API int set_initvalue(int slot, int value);       /* 12; 0 or less seeds from the clock */
KELVRA_API int set_disttype(int slot, int value);        /* 13; 0 normal, other log10 */

/* Builds the slot's generator and returns the row table of its result matrix: rows 1..nrows,
 * columns 1..ncols (row 0 and column 0 stay 0.0). Writes nrows and ncols through the pointers
 * that are not null. Returns null for a bad slot, a slot without a file name, or nrows or ncols
 * below 1. When the result matrix cannot be allocated (memory runs out, or a row of ncols
 * cells is too long for one block), the library prints a message on standard output and ends
 * the whole process with exit status 1; the call does not return. A slot that is still running
 * has its old generator released without writing first. */
KELVRA_API double** initialize_kernel(int slot, int* nrows_out, int* ncols_out);

/* Computes cells in row-major order, starting with the cursor cell (*row, *col), at most count
 * cells but at least one. On return the cursor holds the last cell computed, or
 * (nrows + 1, ncols + 1) when the grid was completed with budget to spare. Returns 1 when the
 * last cell is done, -1 while cells remain. A finished slot returns 1 at once and leaves the
 * cursor alone; so does a cursor whose row lies beyond nrows (nothing is computed). A column
 * beyond ncols starts the next row; a row or column below 1 starts at column 1 of row 1 or of
 * the cursor row. */
KELVRA_API int run_kernel_stepwise(int slot, int* row, int* col, int count);

/* mode 1: writes the grid file, then releases the slot; mode 2: releases the slot without
 * writing; other modes do nothing. Returns 0, or for mode 1 KELVRA_NOT_FINITE when a value
 * is no finite number and KELVRA_WRITE_FAILED when the file could not be written. */
KELVRA_API int shutdown_kernel(int slot, int mode);

#ifdef __cplusplus
}
#endif

#endif /* KELVRA_H */
