#pragma once
// Seed inputs of the harnesses. Each harness writes its own seeds when started with
// --write-seeds=FOLDER (libFuzzer ignores options that start with "--"), so a fresh corpus
// needs nothing but the harness itself.
#include <QByteArray>
#include <functional>
#include <string>
#include <vector>

#include "BinaryGridFormat.h"

struct FuzzSeed {
    std::string name;
    QByteArray bytes;
};
using FuzzSeeds = std::vector<FuzzSeed>;

// For LLVMFuzzerInitialize: with --write-seeds=FOLDER among the arguments, writes the seeds
// into FOLDER (created if needed) and ends the process; otherwise does nothing.
void writeSeedsWhenAsked(int argc, char** argv, const std::function<FuzzSeeds()>& seeds);

// Small ASCII grids and stacks: plain, with signs and exponents, CR LF line ends, nodata.
FuzzSeeds asciiGridSeeds();

// Binary grids and stacks of both precisions, with their twelve header values.
FuzzSeeds binaryGridSeeds();

// The sample grids of the repository (cut by libFuzzer to the harness's -max_len).
FuzzSeeds sampleGridSeeds();

// A binary grid file: the twelve header values, then `body` in file order.
QByteArray binaryGridBytes(BinaryPrecision precision, std::vector<double> header,
                           const std::vector<double>& body);
