#!/usr/bin/env bash
# Writes a few small classic netCDF files (CDF-1, CDF-2, CDF-5; fixed and record
# variables, attributes of several types) with netCDF-C, as the seed corpus of
# the classic-header fuzz harness.
# Needs a C compiler and netCDF-C's development files (pkg-config module netcdf).
# Usage: make_netcdf_classic_header_seeds.sh [OUTPUT_FOLDER]   (default: build/fuzz-seeds/netcdf_classic)
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/build/fuzz-seeds/netcdf_classic}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/make_seeds.c" <<'C'
#include <netcdf.h>
#include <stdio.h>
#include <stdlib.h>

#define CHECK(call)                                                        \
    do {                                                                   \
        int status_ = (call);                                              \
        if (status_ != NC_NOERR) {                                         \
            fprintf(stderr, "%s: %s\n", #call, nc_strerror(status_));      \
            exit(1);                                                       \
        }                                                                  \
    } while (0)

static void grid(const char* path, int mode, int records) {
    int file, t, y, x, v, yv, r;
    float cells[2 * 3 * 4];
    double ys[3] = {200, 100, 0};
    short counts[2] = {1, 2};
    double scale = 0.5;
    int i;
    for (i = 0; i < 24; ++i) cells[i] = (float)i;
    CHECK(nc_create(path, NC_CLOBBER | mode, &file));
    CHECK(nc_def_dim(file, "t", records ? NC_UNLIMITED : 2, &t));
    CHECK(nc_def_dim(file, "y", 3, &y));
    CHECK(nc_def_dim(file, "x", 4, &x));
    CHECK(nc_put_att_text(file, NC_GLOBAL, "title", 4, "seed"));
    int dims[3] = {t, y, x};
    CHECK(nc_def_var(file, "v", NC_FLOAT, 3, dims, &v));
    CHECK(nc_put_att_double(file, v, "scale_factor", NC_DOUBLE, 1, &scale));
    CHECK(nc_put_att_int(file, v, "add_offset", NC_INT, 1, &i));
    CHECK(nc_def_var(file, "y", NC_DOUBLE, 1, &y, &yv));
    CHECK(nc_def_var(file, "count", NC_SHORT, 1, &t, &r));
    CHECK(nc_enddef(file));
    size_t start[3] = {0, 0, 0}, count[3] = {2, 3, 4};
    CHECK(nc_put_vara_float(file, v, start, count, cells));
    CHECK(nc_put_var_double(file, yv, ys));
    CHECK(nc_put_vara_short(file, r, start, count, counts));
    CHECK(nc_close(file));
}

int main(int argc, char** argv) {
    char path[4096];
    if (argc != 2) return 2;
    snprintf(path, sizeof path, "%s/cdf1_fixed.nc", argv[1]);
    grid(path, 0, 0);
    snprintf(path, sizeof path, "%s/cdf1_records.nc", argv[1]);
    grid(path, 0, 1);
    snprintf(path, sizeof path, "%s/cdf2_records.nc", argv[1]);
    grid(path, NC_64BIT_OFFSET, 1);
    snprintf(path, sizeof path, "%s/cdf5_records.nc", argv[1]);
    grid(path, NC_64BIT_DATA, 1);
    return 0;
}
C

${CC:-cc} -o "$work/make_seeds" "$work/make_seeds.c" $(pkg-config --cflags --libs netcdf)
"$work/make_seeds" "$out"
# A file cut inside its header, and an empty header.
head -c 40 "$out/cdf1_fixed.nc" >"$out/cdf1_cut.nc"
printf 'CDF\001\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000' >"$out/cdf1_empty.nc"
ls "$out"
