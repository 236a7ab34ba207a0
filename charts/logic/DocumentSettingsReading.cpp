#include "DocumentSettingsReading.h"

#include <unordered_map>

#include "SettingsReading.h"

namespace {

class DocumentSettingsTarget : public SettingsWindow {
public:
    DocumentSettingsTarget(ChartDocument& document, const SettingsReadingHooks& hooks)
        : doc_(document), hooks_(hooks) {}

    void applyChartHead(const ChartSettings& settings) override {
        doc_.setTitle(settings.title);
        doc_.setXAxisTitle(settings.xAxisTitle);
        doc_.setYAxisTitle(settings.yAxisTitle);
        doc_.dates().synchronizeDates = settings.synchronizeDates;
        doc_.setLogarithmic(settings.logarithmic);
        GradientColours& stored = doc_.gradientColours();
        stored.start = Colour(static_cast<std::uint32_t>(settings.gradientStartColour));
        stored.end = Colour(static_cast<std::uint32_t>(settings.gradientEndColour));
        doc_.setGradient(
            {settings.gradientVisible, settings.gradientDirection, stored.start, stored.end});
    }

    FileContainer* addTable(const QString& path) override {
        std::unique_ptr<FileContainer> read = hooks_.readTable(path);
        if (!read) return nullptr;
        const int index = doc_.addTable(std::move(read));
        indexes_[&doc_.table(index)] = index;
        return &doc_.table(index);
    }

    void showTable(FileContainer& table) override {
        const int index = indexOf(table);
        if (index < 0) return;
        // As a click on the table's entry, then leaving the name edit that shows the entity
        // name of the table the entry acts on.
        doc_.setEntryChecked(index, doc_.tableChecked(index));
        const int target = doc_.entryTarget(index);
        doc_.rename(target, QString::fromStdString(doc_.table(target).EntityName));
    }

    void applyChartTail(const ChartSettings& settings) override {
        // Parts the file does not hold are fitted to the tables loaded, as F5 fits them.
        if (settings.xAxisStored)
            doc_.setView({settings.xAxisMinimum, settings.xAxisMaximum});
        else
            doc_.showAllTables(!settings.datesStored);
        if (settings.yAxisStored)
            doc_.setValueAxis({settings.yAxisMinimum, settings.yAxisMaximum});
        else if (doc_.tableCount() > 0)
            doc_.fitValueAxis();
        if (settings.datesStored) doc_.dates().edits = settings.dates;
        doc_.setLegendHidden(settings.hideLegend);
        doc_.dates().rangeFixed = true;
    }

    // The colours are the series' own; the projection draws them.
    void applySeriesLooks(FileContainer&) override {}

    void showProgress(const QString& caption, const QString& label, int count) override {
        if (hooks_.showProgress) hooks_.showProgress(caption, label, count);
    }
    void setProgress(int index) override {
        if (hooks_.setProgress) hooks_.setProgress(index);
    }
    void closeProgress() override {
        if (hooks_.closeProgress) hooks_.closeProgress();
    }

private:
    int indexOf(const FileContainer& table) const {
        const auto found = indexes_.find(&table);
        return found == indexes_.end() ? -1 : found->second;
    }

    ChartDocument& doc_;
    const SettingsReadingHooks& hooks_;
    std::unordered_map<const FileContainer*, int> indexes_;
};

}  // namespace

int readSettingsIntoDocument(ChartDocument& document, const IniFile& ini,
                             const SettingsReadingHooks& hooks) {
    DocumentSettingsTarget target(document, hooks);
    return readSettingsInto(target, ini, document.settings());
}
