#pragma once
// Everything a Linara chart shows, without widgets: the loaded tables with their series, each
// series' look and visible flag, which series are drawn and in which order, the style table,
// the titles, the gradient, the legend, the value axis and the date axis. The window and the
// picture job change it through its operations and draw it through one projection onto the
// chart component.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "ChartAppearance.h"
#include "ChartSettings.h"
#include "DateRange.h"
#include "FileContainer.h"
#include "SeriesStyleTable.h"
#include "ValueAxisFit.h"

// A series by identity: the id of its table (never reused while the program runs) and its
// column.
struct SeriesKey {
    int table = 0;
    int column = 0;
    friend bool operator==(const SeriesKey&, const SeriesKey&) = default;
};

// The bottom axis: the view, its labels, the page size, the date edits and the rules of
// adding tables while the user's view is fixed.
struct DateAxisState {
    std::optional<ViewRange> view;  // none until start-up
    double incrementDays = 0.0;
    int labelsSeparation = 10;
    int minorTicks = 3;
    QString format = QStringLiteral("dd.mm.yyyy hh:nn");
    int maxPointsPerPage = 365;
    DateEdits edits{QStringLiteral("1997"), QStringLiteral("1"), QStringLiteral("1"),
                    QStringLiteral("1998"), QStringLiteral("1"), QStringLiteral("1")};
    // The view at start-up, which "fit to all files" takes while no table is loaded.
    std::optional<ViewRange> startupSpan;
    bool rangeFixed = false;
    bool synchronizeDates = true;

    void setLabels(const DateLabels& labels);
};

class ChartDocument {
public:
    static const QString DefaultTitle;

    ChartDocument();
    ~ChartDocument();
    ChartDocument(const ChartDocument&) = delete;
    ChartDocument& operator=(const ChartDocument&) = delete;

    // The view of the day before `now` (a day number) and a fresh style table.
    void start(double now);

    // Tables, in the order added.
    int tableCount() const { return static_cast<int>(tables_.size()); }
    FileContainer& table(int index) const { return *tables_[static_cast<std::size_t>(index)].data; }
    int tableId(int index) const { return tables_[static_cast<std::size_t>(index)].id; }
    bool tableChecked(int index) const { return tables_[static_cast<std::size_t>(index)].checked; }
    // The position of the table with that id; -1 when it is gone.
    int indexOf(int tableId) const;
    // The table that the list entry of table `index` acts on: the first table added from the
    // same path.
    int entryTarget(int index) const;
    SeriesData* series(SeriesKey key) const;

    // Appends a table that was read: widens the value axis and sets the date axis to its
    // dates (only widening the span of all tables while the range is fixed), then draws its
    // last column. Returns its index.
    int addTable(std::unique_ptr<FileContainer> table);
    // Checks or unchecks list entry `index`: the series of the table it acts on are drawn
    // exactly when the entry is checked and the series is visible.
    void setEntryChecked(int index, bool checked);
    // Draws or hides a series and sets its visible flag.
    void setSeriesVisible(SeriesKey key, bool visible);
    // The table's entity name becomes `name`; every series title becomes the name followed by
    // its first title from the first ":" on.
    void rename(int tableIndex, const QString& name);
    // Removing list entry `index`: of the tables added from its path only the last table of
    // the list may go; each other one is refused (the user is told once for each).
    struct Removal {
        int refused = 0;
        bool removed = false;
    };
    Removal removeEntry(int index);

    // The drawn series in the order they were drawn (legend order).
    const std::vector<SeriesKey>& drawn() const { return drawn_; }
    const SeriesStyleTable& styles() const { return styles_; }
    void setSeriesColour(SeriesKey key, unsigned colour);
    void choosePattern(SeriesKey key, int penStyle);

    // Titles.
    QString title() const { return title_; }
    void setTitle(const QString& text) { title_ = text; }
    QString xAxisTitle() const { return xAxisTitle_; }
    void setXAxisTitle(const QString& text) { xAxisTitle_ = text; }
    QString yAxisTitle() const { return yAxisTitle_; }
    void setYAxisTitle(const QString& text) { yAxisTitle_ = text; }

    // Gradient: what the chart shows and the colours the switch applies.
    const ChartGradient& gradient() const { return gradient_; }
    // Directions beyond the chart's four draw top to bottom.
    void setGradient(const ChartGradient& gradient);
    GradientColours& gradientColours() { return gradientColours_; }
    bool legendHidden() const { return legendHidden_; }
    void setLegendHidden(bool hidden) { legendHidden_ = hidden; }

    // Value axis: none while unset.
    const std::optional<ValueRange>& valueAxis() const { return valueAxis_; }
    // Refused (false, nothing changes) for a minimum above the maximum or a limit that is not
    // finite, as the chart's axis refuses it. -9999 on both ends unsets the axis.
    bool setValueAxis(ValueRange range);
    bool logarithmic() const { return logarithmic_; }
    // The logarithmic check box: a change shows 0.001..1000 unless the range is fixed.
    void setLogarithmic(bool on);
    // Fits the value axis to the visible series of the checked tables.
    void fitValueAxis();

    // Date axis.
    const DateAxisState& dates() const { return dates_; }
    DateAxisState& dates() { return dates_; }
    // Refused like the value axis.
    bool setView(ViewRange view);
    // Sets the view to the date edits; throws ConversionError, changing nothing. Returns the
    // page the chart is to show.
    int applyDateEdits();
    // After the chart zoomed to `view`: page size and labels; the range becomes fixed.
    void zoomedTo(ViewRange view);
    // The dates of every table, each widened by its time step; the start-up view without one.
    ViewRange allTablesSpan() const;
    // The view over every table, as adding a single table sets it; the date edits follow when
    // asked. Nothing changes without tables.
    void showAllTables(bool withDateEdits);

    // Everything the settings file stores.
    ChartSettings settings() const;

private:
    struct Table {
        int id = 0;
        std::unique_ptr<FileContainer> data;
        bool checked = true;
    };
    void attach(SeriesKey key);
    void detach(SeriesKey key);
    void showDatesOf(const FileContainer& table);

    std::vector<Table> tables_;
    int nextId_ = 1;
    std::vector<SeriesKey> drawn_;
    SeriesStyleTable styles_;
    QString title_ = DefaultTitle;
    QString xAxisTitle_;
    QString yAxisTitle_;
    ChartGradient gradient_;
    GradientColours gradientColours_;
    bool legendHidden_ = false;
    std::optional<ValueRange> valueAxis_;
    bool logarithmic_ = false;
    DateAxisState dates_;
};
