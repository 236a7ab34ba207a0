#include "AsciiGridFormat.h"

#include "AsciiGridBody.h"
#include "AsciiGridReader.h"
#include "AsciiGridWriter.h"
#include "TextNumberScanner.h"

namespace {

class AsciiTextReader final : public GridFileReader {
public:
    AsciiTextReader(const GridLoad& load, bool stack)
        : file_(load.file),
          fileName_(load.doc.FileName),
          stack_(stack),
          scanner_(load.file, load.doc.FileName) {}

    GridFileHeader readHeader() override { return readAsciiHeader(scanner_, stack_, fileName_); }
    std::int64_t bodyStart() const override { return scanner_.consumed(); }
    std::int64_t minimumBodyBytes(const GridShape& shape) const override {
        return minimumTextBytes(shape.valueCount());
    }
    void readBody(const std::vector<GridRows*>& levels, double nodata, StatClass& stats,
                  const RowCallback& beforeRow) override {
        if (stack_)
            readAsciiBody(scanner_, levels, nodata, stats, beforeRow, fileName_);
        else
            readAsciiGridBody(scanner_, AsciiBodySplit{file_.fileName(), file_.size()}, *levels[0],
                              nodata, stats, beforeRow, fileName_);
    }

private:
    QFile& file_;
    const QString& fileName_;
    bool stack_;
    TextNumberScanner scanner_;
};

// Six lines of a word and a number, the first word "ncols"; then the rows from the north.
class AsciiGridFormat final : public AsciiTextFormat {
public:
    constexpr AsciiGridFormat() : AsciiTextFormat("Grid (ASCII)", "ncols", false) {}

    std::optional<GridOutputFormat> output() const override { return GridOutputFormat::Ascii; }
    void writeHeader(OutputBuffer& out, const GridDocument& doc,
                     double nodataToWrite) const override {
        writeAsciiHeader(out, doc.header, nodataToWrite);
    }
    void writeBody(OutputBuffer& out, const GridDocument& doc,
                   double nodataToWrite) const override {
        writeAsciiBody(out, doc.header, *doc.Values, nodataToWrite);
    }
};

const AsciiGridFormat asciiGrid{};

}  // namespace

void AsciiTextFormat::load(const GridLoad& load) const {
    if (stack_) load.doc.IsStack = true;
    AsciiTextReader reader(load, stack_);
    loadHeaderAndBody(load, reader);
}

constinit const GridFileFormat GridFileFormat::AsciiGrid{asciiGrid};
