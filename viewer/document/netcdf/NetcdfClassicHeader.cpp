#include "NetcdfClassicHeader.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <optional>

namespace {

constexpr std::uint32_t dimensionTag = 0x0A;
constexpr std::uint32_t variableTag = 0x0B;
constexpr std::uint32_t attributeTag = 0x0C;

// Thrown inside the parser only; turned into a status at its edge.
struct OutOfBytes {};
struct Malformed {
    std::string problem;
};

std::optional<std::uint64_t> multiply(std::uint64_t a, std::uint64_t b) {
    if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) return std::nullopt;
    return a * b;
}

std::optional<std::uint64_t> add(std::uint64_t a, std::uint64_t b) {
    if (b > std::numeric_limits<std::uint64_t>::max() - a) return std::nullopt;
    return a + b;
}

std::optional<std::uint64_t> roundUp4(std::uint64_t value) {
    const auto sum = add(value, 3);
    if (!sum) return std::nullopt;
    return *sum & ~std::uint64_t{3};
}

// Bytes per value of an nc_type, 0 for a number that names no external type.
std::uint64_t typeSize(std::uint32_t type, int version) {
    switch (type) {
        case 1:  // byte
        case 2:  // char
            return 1;
        case 3:  // short
            return 2;
        case 4:  // int
        case 5:  // float
            return 4;
        case 6:  // double
            return 8;
        default:
            break;
    }
    if (version != 5) return 0;
    switch (type) {
        case 7:  // ubyte
            return 1;
        case 8:  // ushort
            return 2;
        case 9:  // uint
            return 4;
        case 10:  // int64
        case 11:  // uint64
            return 8;
        default:
            return 0;
    }
}

// Big-endian reads over the given bytes that never pass their end.
class Cursor {
public:
    Cursor(const std::uint8_t* bytes, std::size_t size, int version)
        : bytes_(bytes), size_(size), version_(version) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return size_ - position_; }

    std::uint64_t u32() { return take(4); }
    std::uint64_t u64() { return take(8); }
    // NON_NEG: 4 bytes, 8 in CDF-5.
    std::uint64_t count() { return version_ == 5 ? u64() : u32(); }
    // OFFSET: 4 bytes in CDF-1, 8 otherwise.
    std::uint64_t offset() { return version_ == 1 ? u32() : u64(); }

    void skip(std::uint64_t bytes) {
        if (bytes > remaining()) throw OutOfBytes{};
        position_ += static_cast<std::size_t>(bytes);
    }

    // A name: its length, its bytes, padding to a multiple of 4.
    std::string name() {
        const std::uint64_t length = count();
        const auto padded = roundUp4(length);
        if (!padded || *padded > remaining()) throw OutOfBytes{};
        std::string text(reinterpret_cast<const char*>(bytes_ + position_),
                         static_cast<std::size_t>(length));
        position_ += static_cast<std::size_t>(*padded);
        return text;
    }

private:
    std::uint64_t take(std::size_t width) {
        if (width > remaining()) throw OutOfBytes{};
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) value = value << 8 | bytes_[position_ + i];
        position_ += width;
        return value;
    }

    const std::uint8_t* bytes_;
    std::size_t size_;
    std::size_t position_ = 0;
    int version_;
};

// The list tag and element count; ABSENT (two zeros) gives 0 elements.
std::uint64_t listLength(Cursor& cursor, std::uint32_t tag, const char* what) {
    const std::uint64_t read = cursor.u32();
    const std::uint64_t length = cursor.count();
    if (read == 0 && length == 0) return 0;
    if (read != tag) throw Malformed{std::string("the ") + what + " list has a wrong tag"};
    return length;
}

void skipAttributes(Cursor& cursor, int version) {
    const std::uint64_t attributes = listLength(cursor, attributeTag, "attribute");
    // Every attribute takes at least 12 bytes, so the loop ends with the bytes.
    for (std::uint64_t i = 0; i < attributes; ++i) {
        cursor.name();
        const std::uint32_t type = static_cast<std::uint32_t>(cursor.u32());
        const std::uint64_t size = typeSize(type, version);
        if (size == 0) throw Malformed{"an attribute has the unknown type " + std::to_string(type)};
        const std::uint64_t values = cursor.count();
        const auto bytes = multiply(values, size);
        const auto padded = bytes ? roundUp4(*bytes) : std::nullopt;
        if (!padded) throw OutOfBytes{};
        cursor.skip(*padded);
    }
}

struct Dimension {
    std::uint64_t length = 0;
    bool isRecord = false;
};

ClassicHeader parse(const std::uint8_t* bytes, std::size_t size) {
    ClassicHeader header;
    header.version = bytes[3];
    Cursor cursor(bytes, size, header.version);
    cursor.skip(4);

    const std::uint64_t numrecs = cursor.count();
    const std::uint64_t streaming =
        header.version == 5 ? std::numeric_limits<std::uint64_t>::max() : 0xFFFFFFFFu;
    header.streaming = numrecs == streaming;
    header.numrecs = header.streaming ? 0 : numrecs;

    std::vector<Dimension> dimensions;
    const std::uint64_t dimensionCount = listLength(cursor, dimensionTag, "dimension");
    bool haveRecordDimension = false;
    for (std::uint64_t i = 0; i < dimensionCount; ++i) {
        cursor.name();
        Dimension dimension;
        dimension.length = cursor.count();
        dimension.isRecord = dimension.length == 0;
        if (dimension.isRecord && haveRecordDimension)
            throw Malformed{"more than one record dimension"};
        haveRecordDimension = haveRecordDimension || dimension.isRecord;
        dimensions.push_back(dimension);
    }

    skipAttributes(cursor, header.version);

    // One record's bytes of each variable, unpadded, or nothing on overflow.
    std::vector<std::optional<std::uint64_t>> dataBytes;
    const std::uint64_t variableCount = listLength(cursor, variableTag, "variable");
    for (std::uint64_t i = 0; i < variableCount; ++i) {
        ClassicVariable variable;
        variable.name = cursor.name();
        const std::uint64_t rank = cursor.count();
        const std::uint64_t idBytes = header.version == 5 ? 8 : 4;
        if (rank > cursor.remaining() / idBytes) throw OutOfBytes{};
        std::optional<std::uint64_t> cells = 1;
        for (std::uint64_t d = 0; d < rank; ++d) {
            const std::uint64_t id = cursor.count();
            if (id >= dimensions.size())
                throw Malformed{"variable \"" + variable.name + "\" names dimension " +
                                std::to_string(id) + " of " + std::to_string(dimensions.size())};
            const Dimension& dimension = dimensions[static_cast<std::size_t>(id)];
            if (dimension.isRecord) {
                if (d != 0)
                    throw Malformed{"variable \"" + variable.name +
                                    "\" has the record dimension after its first"};
                variable.isRecord = true;
            } else if (cells) {
                cells = multiply(*cells, dimension.length);
            }
        }
        skipAttributes(cursor, header.version);
        variable.type = static_cast<int>(cursor.u32());
        const std::uint64_t size =
            typeSize(static_cast<std::uint32_t>(variable.type), header.version);
        if (size == 0)
            throw Malformed{"variable \"" + variable.name + "\" has the unknown type " +
                            std::to_string(variable.type)};
        cursor.count();  // vsize: recomputed below, it saturates for large variables
        variable.begin = cursor.offset();
        dataBytes.push_back(cells ? multiply(*cells, size) : std::nullopt);
        header.variables.push_back(std::move(variable));
    }
    header.headerBytes = cursor.position();

    // Records hold each record variable's slice padded to 4 bytes, except that a
    // single record variable is not padded.
    std::size_t recordVariables = 0;
    for (const auto& variable : header.variables) recordVariables += variable.isRecord ? 1 : 0;
    std::optional<std::uint64_t> recordBytes = 0;
    for (std::size_t i = 0; i < header.variables.size(); ++i) {
        if (!header.variables[i].isRecord || !recordBytes) continue;
        const auto& slice = dataBytes[i];
        const auto padded = !slice ? std::nullopt : recordVariables == 1 ? slice : roundUp4(*slice);
        recordBytes = padded ? add(*recordBytes, *padded) : std::nullopt;
    }

    for (std::size_t i = 0; i < header.variables.size(); ++i) {
        ClassicVariable& variable = header.variables[i];
        std::optional<std::uint64_t> extent = dataBytes[i];
        if (variable.isRecord && extent && *extent > 0) {
            // Records before the last are whole; the last holds at least this slice.
            if (header.numrecs == 0) {
                extent = 0;
            } else {
                const auto before =
                    recordBytes ? multiply(header.numrecs - 1, *recordBytes) : std::nullopt;
                extent = before ? add(*before, *extent) : std::nullopt;
            }
        }
        if (!extent) {
            variable.endKnown = false;
            continue;
        }
        if (*extent == 0) {
            variable.end = 0;
            continue;
        }
        const auto end = add(variable.begin, *extent);
        variable.endKnown = end.has_value();
        variable.end = end.value_or(0);
    }
    return header;
}

}  // namespace

const ClassicVariable* ClassicHeader::variable(const std::string& name) const {
    for (const auto& candidate : variables)
        if (candidate.name == name) return &candidate;
    return nullptr;
}

ClassicHeaderResult parseClassicHeader(const std::uint8_t* bytes, std::size_t size) {
    ClassicHeaderResult result;
    if (size < 4 || bytes[0] != 'C' || bytes[1] != 'D' || bytes[2] != 'F' ||
        (bytes[3] != 1 && bytes[3] != 2 && bytes[3] != 5)) {
        result.status = ClassicHeaderStatus::NotClassic;
        return result;
    }
    try {
        result.header = parse(bytes, size);
        result.status = ClassicHeaderStatus::Complete;
    } catch (const OutOfBytes&) {
        result.status = ClassicHeaderStatus::NeedMoreBytes;
        result.problem = "the header is cut short";
    } catch (const Malformed& malformed) {
        result.status = ClassicHeaderStatus::Malformed;
        result.problem = malformed.problem;
    }
    return result;
}

ClassicFileCheck readClassicFileHeader(const std::string& path, std::size_t maxHeaderBytes) {
    ClassicFileCheck check;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        check.problem = "cannot open the file";
        return check;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff end = file.tellg();
    if (end < 0) {
        check.problem = "cannot find the file's size";
        return check;
    }
    check.fileSize = static_cast<std::uint64_t>(end);

    std::size_t wanted = static_cast<std::size_t>(
        std::min<std::uint64_t>(check.fileSize, std::min<std::size_t>(maxHeaderBytes, 65536)));
    std::vector<std::uint8_t> bytes;
    for (;;) {
        bytes.resize(wanted);
        file.clear();
        file.seekg(0);
        file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted));
        if (static_cast<std::size_t>(file.gcount()) != wanted) {
            check.problem = "cannot read the file";
            return check;
        }
        const ClassicHeaderResult result = parseClassicHeader(bytes.data(), bytes.size());
        switch (result.status) {
            case ClassicHeaderStatus::NotClassic:
                return check;
            case ClassicHeaderStatus::Complete:
                check.classic = true;
                check.header = result.header;
                return check;
            case ClassicHeaderStatus::Malformed:
                check.problem = "its header is damaged: " + result.problem;
                return check;
            case ClassicHeaderStatus::NeedMoreBytes:
                break;
        }
        if (wanted >= check.fileSize) {
            check.problem = "the file ends inside its header";
            return check;
        }
        if (wanted >= maxHeaderBytes) {
            check.problem =
                "its header is longer than " + std::to_string(maxHeaderBytes) + " bytes";
            return check;
        }
        wanted = static_cast<std::size_t>(std::min<std::uint64_t>(
            check.fileSize, std::min<std::uint64_t>(maxHeaderBytes, std::uint64_t{wanted} * 4)));
    }
}

std::string classicTruncation(const ClassicVariable& variable, std::uint64_t fileSize) {
    if (!variable.endKnown)
        return "variable \"" + variable.name + "\" claims more data than a file can hold";
    if (variable.end <= fileSize) return {};
    return "the file is cut short: variable \"" + variable.name + "\" needs " +
           std::to_string(variable.end) + " bytes, the file holds " + std::to_string(fileSize);
}
