#include "LoadedTable.h"

LoadedTable::LoadedTable(std::unique_ptr<FileContainer> table, QObject* owner)
    : table_(std::move(table)) {
    lines_.reserve(static_cast<std::size_t>(table_->seriesCount()));
    for (int i = 0; i < table_->seriesCount(); ++i) {
        lines_.push_back(std::make_unique<SeriesLines>(*table_->series(i), owner));
    }
}

void LoadedTable::detachAll(SeriesStyleTable& styles) {
    for (const auto& series : lines_) series->detach(styles);
}
