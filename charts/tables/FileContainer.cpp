#include "FileContainer.h"

#include "FileBytes.h"
#include "ResultTableReader.h"

FileContainer::FileContainer(std::string fileName, const TableProgress& progress)
    : fileName_(std::move(fileName)) {
    const FileBytes file(fileName_);
    ResultTableReader::read(*this, file.view(), progress);
}

FileContainer::FileContainer(std::string fileName, std::string_view bytes,
                             const TableProgress& progress, std::size_t minimumSplitBytes)
    : fileName_(std::move(fileName)) {
    ResultTableReader::read(*this, bytes, progress, minimumSplitBytes);
}
