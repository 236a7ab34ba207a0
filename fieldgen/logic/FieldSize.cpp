#include "FieldSize.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace {

// The kernel keeps each row of its matrix, ncols + 1 doubles and 24 bytes of bookkeeping, in
// one block of at most 2147480000 bytes; a longer row ends the program.
constexpr int MaximumColumns = (2147480000 - 24) / 8 - 1;

std::uint64_t times(std::uint64_t a, std::uint64_t b) {
    std::uint64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? UINT64_MAX : product;
}

std::uint64_t plus(std::uint64_t a, std::uint64_t b) {
    std::uint64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? UINT64_MAX : sum;
}

std::uint64_t writtenLength(double value) { return formatG(value, 8).size(); }

// Bytes of a cell written with its tab, for a standardised value z.
std::uint64_t cellBytes(const FieldParameters& p, double z) {
    double value = z * p.stdDeviation + p.average;
    if (p.distributionType != 0) value = std::pow(10.0, value);
    return writtenLength(value) + 1;
}

QString amount(std::uint64_t bytes) {
    const QString size = QLocale::c().formattedDataSize(
        qint64(std::min<std::uint64_t>(bytes, std::numeric_limits<qint64>::max())), 1);
    return QStringLiteral("%1 bytes (%2)").arg(bytes).arg(size);
}

std::uint64_t limitOf(int resource) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return UINT64_MAX;
    return limit.rlim_cur;
}

}  // namespace

std::uint64_t fieldMemoryBytes(int nrows, int ncols) {
    const auto rows = std::uint64_t(std::max(nrows, 0)) + 1;
    const auto columns = std::uint64_t(std::max(ncols, 0)) + 1;
    const auto modes = std::uint64_t(std::max({nrows, ncols, 500})) + 1;
    return plus(times(times(rows, columns), 8), times(5 * 8, modes));
}

std::uint64_t gridFileBytes(const FieldParameters& p) {
    std::uint64_t header =
        6 * (13 + 2) + QString::number(p.ncols).size() + QString::number(p.nrows).size();
    for (const double value : {p.xll, p.yll, p.cellSize, p.nodata}) header += writtenLength(value);
    // 0.618... is no round fraction, so the value takes all eight digits unless the spread is
    // lost beside the mean; one digit less covers the values that take fewer (trailing zeros,
    // no sign).
    constexpr double Typical = 0.6180339887;
    const std::uint64_t cell =
        p.stdDeviation == 0.0 ? cellBytes(p, 0.0)
                              : std::max<std::uint64_t>(
                                    std::min(cellBytes(p, Typical), cellBytes(p, -Typical)) - 1, 2);
    const std::uint64_t line = plus(times(std::uint64_t(std::max(p.ncols, 0)), cell), 2);
    return plus(header, times(std::uint64_t(std::max(p.nrows, 0)), line));
}

MachineRoom machineRoomFor(const QString& fileName) {
    MachineRoom room;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0) room.memoryBytes = times(std::uint64_t(pages), pageSize);
    room.memoryBytes = std::min({room.memoryBytes, limitOf(RLIMIT_AS), limitOf(RLIMIT_DATA)});

    const QFileInfo target(fileName);
    const QByteArray path = QFile::encodeName(target.absoluteFilePath());
    struct stat existing {};
    if (::stat(path.constData(), &existing) == 0 && !S_ISREG(existing.st_mode)) return room;
    // A link is followed to the folder of the file it points at.
    const QString resolved = target.exists() ? target.canonicalFilePath() : QString();
    const QString folder =
        QFileInfo(resolved.isEmpty() ? target.absoluteFilePath() : resolved).absolutePath();
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0) return room;
    room.fileBytes = std::min(times(disk.f_bavail, disk.f_frsize), limitOf(RLIMIT_FSIZE));
    return room;
}

std::optional<QString> refusalOfSize(const FieldParameters& p, const MachineRoom& room) {
    if (p.ncols > MaximumColumns)
        return QStringLiteral(
                   "A row of %1 columns is too long for the generator: it holds at most %2 "
                   "columns.")
            .arg(p.ncols)
            .arg(MaximumColumns);
    const std::uint64_t memory = fieldMemoryBytes(p.nrows, p.ncols);
    if (memory > room.memoryBytes)
        return QStringLiteral(
                   "A field of %1 × %2 cells needs %3 of memory, but this machine has %4.")
            .arg(p.nrows)
            .arg(p.ncols)
            .arg(amount(memory), amount(room.memoryBytes));
    const std::uint64_t file = gridFileBytes(p);
    if (room.fileBytes && file > *room.fileBytes)
        return QStringLiteral(
                   "The grid file of %1 × %2 cells needs about %3, but there is room for %4 in "
                   "the folder of \"%5\".")
            .arg(p.nrows)
            .arg(p.ncols)
            .arg(amount(file), amount(*room.fileBytes), p.fileName);
    return std::nullopt;
}
