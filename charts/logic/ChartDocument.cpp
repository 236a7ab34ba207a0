#include "ChartDocument.h"

#include <algorithm>
#include <cmath>

#include "SeriesStyling.h"

namespace {

bool acceptedLimits(double minimum, double maximum) {
    return std::isfinite(minimum) && std::isfinite(maximum) && minimum <= maximum;
}

}  // namespace

const QString ChartDocument::DefaultTitle = QStringLiteral("Tolmar-Kor Results");

void DateAxisState::setLabels(const DateLabels& labels) {
    incrementDays = labels.incrementDays();
    labelsSeparation = labels.labelsSeparation;
    minorTicks = labels.minorTicks;
    format = labels.format;
}

ChartDocument::ChartDocument() = default;
ChartDocument::~ChartDocument() = default;

void ChartDocument::start(double now) {
    const StartupView startup = startupView(now);
    dates_.incrementDays = dateTimeStepDays(startup.increment);
    dates_.format = startup.format;
    dates_.rangeFixed = false;
    dates_.edits = startup.edits;
    setView(startup.view);
    dates_.startupSpan = startup.view;
    dates_.synchronizeDates = true;
    dates_.maxPointsPerPage = startup.maxPointsPerPage;
    gradientColours_.start = gradient_.start;
    gradientColours_.end = gradient_.end;
    styles_ = SeriesStyleTable();
}

int ChartDocument::indexOf(int tableId) const {
    for (std::size_t i = 0; i < tables_.size(); ++i)
        if (tables_[i].id == tableId) return static_cast<int>(i);
    return -1;
}

int ChartDocument::entryTarget(int index) const {
    const std::string& path = table(index).fileName();
    for (int i = 0; i < index; ++i)
        if (table(i).fileName() == path) return i;
    return index;
}

SeriesData* ChartDocument::series(SeriesKey key) const {
    const int index = indexOf(key.table);
    return index < 0 ? nullptr : table(index).series(key.column);
}

int ChartDocument::addTable(std::unique_ptr<FileContainer> added) {
    const FileContainer& read = *added;
    if (!dates_.rangeFixed) {
        const ValueRange axis = valueAxis_.value_or(ValueRange{});
        setValueAxis(widenForTable(axis, read));
    }
    tables_.push_back({nextId_++, std::move(added), true});
    showDatesOf(read);
    attach({tables_.back().id, read.seriesCount() - 1});
    return tableCount() - 1;
}

void ChartDocument::showDatesOf(const FileContainer& read) {
    const double step = read.timeStep();
    // Rows in falling date order have a negative step; it never becomes the label increment.
    dates_.incrementDays = incrementForTable(dates_.incrementDays, step);
    // While the range is fixed the view stays; the new table counts for "fit to all files".
    if (dates_.rangeFixed) return;
    const TableView shown = viewForTable(read.start(), read.end(), step);
    setView(ascendingTableSpan(read.start(), read.end(), step));
    dates_.maxPointsPerPage = shown.maxPointsPerPage;
    dates_.edits = dateEditsFor(shown.view.minimum, shown.view.maximum);
    if (shown.labels) dates_.setLabels(*shown.labels);
}

void ChartDocument::attach(SeriesKey key) {
    SeriesData* drawnSeries = series(key);
    if (!drawnSeries || std::find(drawn_.begin(), drawn_.end(), key) != drawn_.end()) return;
    takeStyle(*drawnSeries, styles_);
    drawn_.push_back(key);
}

void ChartDocument::detach(SeriesKey key) {
    const auto found = std::find(drawn_.begin(), drawn_.end(), key);
    if (found == drawn_.end()) return;
    if (const SeriesData* shown = series(key)) releaseStyle(*shown, styles_);
    drawn_.erase(found);
}

void ChartDocument::setEntryChecked(int index, bool checked) {
    tables_[static_cast<std::size_t>(index)].checked = checked;
    const int target = entryTarget(index);
    const FileContainer& shown = table(target);
    // Unchecking a file hides its lines; the series keep their own visible flags.
    for (int column = 0; column < shown.seriesCount(); ++column) {
        const SeriesKey key{tableId(target), column};
        if (checked && shown.series(column)->visible)
            attach(key);
        else
            detach(key);
    }
}

void ChartDocument::setSeriesVisible(SeriesKey key, bool visible) {
    SeriesData* changed = series(key);
    if (!changed) return;
    if (visible)
        attach(key);
    else
        detach(key);
    changed->visible = visible;
}

void ChartDocument::rename(int tableIndex, const QString& name) {
    FileContainer& renamed = table(tableIndex);
    renamed.EntityName = name.toStdString();
    for (int column = 0; column < renamed.seriesCount(); ++column) {
        SeriesData& shown = *renamed.series(column);
        // A rename keeps the column part of the first title: from its first ":" on.
        const std::size_t colon = shown.baseTitle.find(':');
        const std::string part =
            colon == std::string::npos ? std::string() : shown.baseTitle.substr(colon);
        shown.displayName = name.toStdString() + part;
    }
}

ChartDocument::Removal ChartDocument::removeEntry(int index) {
    Removal removal;
    const std::string path = table(index).fileName();
    for (int i = 0; i < tableCount(); ++i) {
        if (table(i).fileName() != path) continue;
        if (i + 1 < tableCount()) {
            ++removal.refused;
            continue;
        }
        for (int column = 0; column < table(i).seriesCount(); ++column)
            detach({tableId(i), column});
        tables_.pop_back();
        removal.removed = true;
        break;
    }
    return removal;
}

void ChartDocument::setSeriesColour(SeriesKey key, unsigned colour) {
    if (SeriesData* changed = series(key)) changed->colour = colour;
}

void ChartDocument::choosePattern(SeriesKey key, int penStyle) {
    if (SeriesData* changed = series(key)) ::choosePattern(*changed, penStyle);
}

void ChartDocument::setGradient(const ChartGradient& gradient) {
    gradient_ = gradient;
    if (gradient_.direction < 0 || gradient_.direction > 3) gradient_.direction = 0;
}

bool ChartDocument::setValueAxis(ValueRange range) {
    if (!acceptedLimits(range.minimum, range.maximum)) return false;
    if (range.minimum == SeriesData::unset && range.maximum == SeriesData::unset)
        valueAxis_.reset();
    else
        valueAxis_ = range;
    return true;
}

void ChartDocument::setLogarithmic(bool on) {
    if (on == logarithmic_) return;
    // The axis refuses a minimum above its maximum; either way it ends at 0.001..1000.
    if (!dates_.rangeFixed) valueAxis_ = ValueRange{0.001, 1000.0};
    logarithmic_ = on;
}

void ChartDocument::fitValueAxis() {
    std::vector<ListedTable> listed;
    for (int i = 0; i < tableCount(); ++i) listed.push_back({&table(i), tableChecked(i)});
    setValueAxis(::fitValueAxis(listed, logarithmic_));
}

bool ChartDocument::setView(ViewRange view) {
    if (!acceptedLimits(view.minimum, view.maximum)) return false;
    dates_.view = view;
    return true;
}

int ChartDocument::applyDateEdits() {
    const AppliedDates applied = ::applyDateEdits(dates_.edits, dates_.incrementDays);
    setView(applied.view);
    if (applied.labels) dates_.setLabels(*applied.labels);
    dates_.maxPointsPerPage = applied.maxPointsPerPage;
    dates_.rangeFixed = true;
    return applied.page;
}

void ChartDocument::zoomedTo(ViewRange view) {
    setView(view);
    const ZoomedView zoomed = afterZoom(view, dates_.incrementDays);
    dates_.maxPointsPerPage = zoomed.maxPointsPerPage;
    if (zoomed.labels) dates_.setLabels(*zoomed.labels);
    dates_.rangeFixed = true;
}

ViewRange ChartDocument::allTablesSpan() const {
    std::vector<ViewRange> spans;
    for (int i = 0; i < tableCount(); ++i) {
        const FileContainer& shown = table(i);
        spans.push_back(ascendingTableSpan(shown.start(), shown.end(), shown.timeStep()));
    }
    return unitedSpans(spans, dates_.startupSpan.value_or(ViewRange{}));
}

void ChartDocument::showAllTables(bool withDateEdits) {
    if (tables_.empty()) return;
    double step = 0.0;
    for (int i = 0; i < tableCount(); ++i) {
        const double own = std::fabs(table(i).timeStep());
        if (own > 0 && (step == 0.0 || own < step)) step = own;
    }
    const TableView shown = viewForSpan(allTablesSpan(), step);
    dates_.incrementDays = incrementForTable(dates_.incrementDays, step);
    setView(shown.view);
    dates_.maxPointsPerPage = shown.maxPointsPerPage;
    if (shown.labels) dates_.setLabels(*shown.labels);
    if (withDateEdits) dates_.edits = dateEditsFor(shown.view.minimum, shown.view.maximum);
}

ChartSettings ChartDocument::settings() const {
    ChartSettings settings;
    settings.title = title_;
    settings.xAxisTitle = xAxisTitle_;
    settings.yAxisTitle = yAxisTitle_;
    settings.synchronizeDates = dates_.synchronizeDates;
    settings.logarithmic = logarithmic_;
    settings.gradientDirection = gradient_.direction;
    settings.gradientStartColour = static_cast<int>(gradient_.start.value);
    settings.gradientEndColour = static_cast<int>(gradient_.end.value);
    settings.gradientVisible = gradient_.visible;
    for (int i = 0; i < tableCount(); ++i) settings.files.push_back(fileSettingsOf(table(i)));
    const ViewRange view = dates_.view.value_or(ViewRange{});
    settings.xAxisMinimum = view.minimum;
    settings.xAxisMaximum = view.maximum;
    const ValueRange values = valueAxis_.value_or(ValueRange{});
    settings.yAxisMinimum = values.minimum;
    settings.yAxisMaximum = values.maximum;
    settings.dates = dates_.edits;
    settings.hideLegend = legendHidden_;
    return settings;
}
