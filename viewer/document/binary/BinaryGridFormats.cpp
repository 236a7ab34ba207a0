#include "BinaryGridFormat.h"
#include "BinaryGridWriter.h"
#include "GridFormat.h"
#include "GridFormatError.h"
#include "LittleEndian.h"

namespace {

// Reads the header from the leading bytes and the body from the file after it.
class BinaryFileReader final : public GridFileReader {
public:
    BinaryFileReader(const GridLoad& load, BinaryPrecision precision)
        : load_(load), precision_(precision) {}

    GridFileHeader readHeader() override {
        const QString& fileName = load_.doc.FileName;
        if (load_.first.size() < binaryHeaderBytes(precision_))
            throw GridFormatError(GridFormatError::Kind::Format,
                                  QStringLiteral("\"%1\" is too short for the %2-byte header of "
                                                 "a binary grid.")
                                      .arg(fileName)
                                      .arg(bodyStart()));
        const GridFileHeader places = readBinaryHeader(load_.first.data(), precision_);
        if (!load_.file.seek(bodyStart()))
            throw GridFormatError(GridFormatError::Kind::Read,
                                  QStringLiteral("Could not read \"%1\": %2")
                                      .arg(fileName, load_.file.errorString()));
        return places;
    }
    std::int64_t bodyStart() const override { return std::int64_t(binaryHeaderBytes(precision_)); }
    std::int64_t minimumBodyBytes(const GridShape& shape) const override {
        return shape.valueCount() * std::int64_t(valueBytes(precision_));
    }
    void readBody(const std::vector<GridRows*>& levels, double nodata, StatClass& stats,
                  const RowCallback& beforeRow) override {
        readBinaryBody(load_.file, precision_, levels, nodata, stats, beforeRow, load_.doc.FileName,
                       BinaryBodySplit{load_.file.fileName()});
    }

private:
    const GridLoad& load_;
    BinaryPrecision precision_;
};

// No magic number: a binary grid is recognised by -9999 in its header's nodata place, the
// sixth value. A header whose statistics places mark a stack makes the file a stack.
class BinaryGrid final : public GridFormat {
public:
    BinaryGrid(BinaryPrecision precision, GridOutputFormat output, const char* name)
        : precision_(precision), output_(output), name_(name) {}

    QString name() const override { return QLatin1String(name_); }
    bool recognises(std::string_view first) const override {
        const std::size_t place = 5 * valueBytes(precision_);
        if (first.size() < place + valueBytes(precision_)) return false;
        return precision_ == BinaryPrecision::Double
                   ? readLittleEndian<double>(first.data() + place) == -9999.0
                   : readLittleEndian<float>(first.data() + place) == -9999.0f;
    }
    void load(const GridLoad& load) const override {
        BinaryFileReader reader(load, precision_);
        loadHeaderAndBody(load, reader);
    }
    std::optional<GridOutputFormat> output() const override { return output_; }
    void writeHeader(OutputBuffer& out, const GridDocument& doc,
                     double nodataToWrite) const override {
        appendBinaryHeader(out, doc.header, doc.statistics, nodataToWrite, precision_);
    }
    void writeBody(OutputBuffer& out, const GridDocument& doc,
                   double nodataToWrite) const override {
        appendBinaryBody(out, doc.header, *doc.Values, nodataToWrite, precision_);
    }

private:
    BinaryPrecision precision_;
    GridOutputFormat output_;
    const char* name_;
};

const BinaryGrid doubleGrid(BinaryPrecision::Double, GridOutputFormat::Double,
                            "Grid (double prec.)");
const BinaryGrid singleGrid(BinaryPrecision::Single, GridOutputFormat::Single,
                            "Grid (single prec.)");

}  // namespace

constinit const GridFileFormat GridFileFormat::DoubleGrid{doubleGrid};
constinit const GridFileFormat GridFileFormat::SingleGrid{singleGrid};
