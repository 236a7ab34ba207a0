#include "FuzzSeeds.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "LittleEndian.h"

void writeSeedsWhenAsked(int argc, char** argv, const std::function<FuzzSeeds()>& seeds) {
    static constexpr char option[] = "--write-seeds=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], option, sizeof option - 1) != 0) continue;
        const QString folder = QString::fromLocal8Bit(argv[i] + sizeof option - 1);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
            std::exit(1);
        }
        for (const FuzzSeed& seed : seeds()) {
            QFile file(QDir(folder).filePath(QString::fromStdString("seed-" + seed.name)));
            if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                std::exit(1);
            }
        }
        std::exit(0);
    }
}

FuzzSeeds asciiGridSeeds() {
    return {
        {"ascii-grid",
         "ncols 3\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 10\nnodata_value -9999\n"
         "1 2 3\n4 -9999 6\n"},
        {"ascii-grid-crlf",
         "ncols        2\r\nnrows        2\r\nxll          2500000.5\r\nyll          -12.25\r\n"
         "cs           25\r\nnodata_value -9999\r\n1.5e3\t-2.25E-2\t\r\n+7\t-0\t\r\n"},
        {"ascii-grid-one-cell", "ncols 1 nrows 1 xllcorner 1 yllcorner 2 cellsize 1 NODATA 0 5"},
        {"ascii-stack",
         "stack_ncols 2\nnrows 1\nxllcorner 0\nyllcorner 0\ncellsize 1\nnodata_value -9999\n"
         "CellCount 0\nMinimum 0\nMaximum 0\nSum 0\nAverage 0\nlevels 2\n"
         "1 10 100 2 20 200\n"},
        {"ascii-stack-plain-statistics",
         "stack_ncols 2 nrows 2 xll 0 yll 0 cs 1 nodata -1 CellCount 4 Minimum 1 Maximum 4 "
         "Sum 10 Average 2.5 StdDeviation 1.118\n1 5 2 6\n3 7 4 8\n"},
    };
}

QByteArray binaryGridBytes(BinaryPrecision precision, std::vector<double> header,
                           const std::vector<double>& body) {
    header.resize(12, 0.0);
    header.insert(header.end(), body.begin(), body.end());
    QByteArray bytes(qsizetype(header.size() * valueBytes(precision)), '\0');
    char* place = bytes.data();
    for (const double value : header) {
        if (precision == BinaryPrecision::Double)
            writeLittleEndian<double>(value, place);
        else
            writeLittleEndian<float>(static_cast<float>(value), place);
        place += valueBytes(precision);
    }
    return bytes;
}

FuzzSeeds binaryGridSeeds() {
    FuzzSeeds seeds;
    for (const BinaryPrecision precision : {BinaryPrecision::Single, BinaryPrecision::Double}) {
        const std::string kind = precision == BinaryPrecision::Double ? "double" : "single";
        seeds.push_back({kind + "-grid",
                         binaryGridBytes(precision, {3, 2, 0, 0, 10, -9999, 5, 1, 6, 16, 3.2, 1.9},
                                         {1, 2, 3, 4, -9999, 6})});
        // A stack: CellCount to Average 0, StdDeviation the number of levels - 1.
        seeds.push_back(
            {kind + "-stack", binaryGridBytes(precision, {2, 1, 0, 0, 1, -9999, 0, 0, 0, 0, 0, 2},
                                              {1, 10, 100, 2, 20, 200})});
        seeds.push_back(
            {kind + "-header-only", binaryGridBytes(precision, {1, 1, 0, 0, 1, -9999}, {})});
    }
    return seeds;
}

FuzzSeeds sampleGridSeeds() {
    FuzzSeeds seeds;
    const QDir samples(QStringLiteral(TOLMAR_SAMPLES));
    for (const QString& name : samples.entryList(QDir::Files, QDir::Name)) {
        QFile file(samples.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.push_back({"sample-" + name.toStdString(), file.readAll()});
    }
    return seeds;
}
