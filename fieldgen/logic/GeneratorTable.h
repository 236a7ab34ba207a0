#pragma once
#include <QString>
#include <array>
#include <ctime>
#include <functional>
#include <optional>

#include "FieldParameters.h"
#include "GeneratorMonitor.h"
#include "KelvraCalls.h"

// What the driving loop needs of its surroundings.
class DrivingHost {
public:
    virtual ~DrivingHost() = default;
    // Lets the user interface handle what is pending; nested starts and cancels happen here.
    virtual void processMessages() = 0;
    virtual void showMessage(const QString& text) = 0;
    virtual void runningChanged(int running) = 0;
    // The slot's generator has been shut down, its field written when it ended Finished and
    // discarded when Cancelled; its monitor is no longer used and may go.
    virtual void generatorEnded(int slot, GeneratorStatus ending) = 0;
    // Kelvra could not write the field's file (shutdown code non-zero); `reason` says why in
    // words, or is empty when the library left no reason.
    virtual void writeFailed(const QString& fileName, int code, const QString& reason) = 0;
    // Kelvra wrote nothing because values of the field are no finite numbers.
    virtual void fieldNotFinite(const QString& fileName) = 0;
};

// What the window and the command line tell when Kelvra refused to write a field whose values
// are no finite numbers.
QString fieldNotFiniteText(const QString& fileName);

// One entry per Kelvra slot.
struct GeneratorEntry {
    GeneratorStatus status = GeneratorStatus::Idle;
    int row = 1;  // the next cell to compute
    int col = 1;
    int nrows = 0;
    int ncols = 0;
    int cellsPerStep = 100;
    bool inUse = false;
    GeneratorMonitor* monitor = nullptr;
    QString fileName;
};

// Kelvra's 20 slots as the front end drives them: starting a generator in a free slot, and
// the cooperative loop that steps every running generator in turn with a budget of 100 cells
// per pass shared among them, and shuts each down when it is finished or cancelled.
class GeneratorTable {
public:
    static constexpr int SlotCount = 20;
    static constexpr int CellsPerPass = 100;

    // The current time in whole seconds.
    using Clock = std::function<std::time_t()>;

    explicit GeneratorTable(const KelvraCalls& kelvra = linkedKelvra());
    ~GeneratorTable();
    GeneratorTable(const GeneratorTable&) = delete;
    GeneratorTable& operator=(const GeneratorTable&) = delete;

    int running() const;
    bool full() const { return running() >= SlotCount; }
    bool looping() const { return looping_; }
    const GeneratorEntry& entry(int slot) const { return entries_.at(slot); }

    struct Started {
        int slot;
        double** matrix;
        int nrows;
        int ncols;
    };
    // Takes the first free slot, passes the parameters to Kelvra in the interface's order and
    // initialises the generator. nullopt when every slot is taken or Kelvra refused to start;
    // the slot is then free again.
    std::optional<Started> start(const FieldParameters& parameters);
    // Hands the started slot to its monitor and sets it running from cell (1, 1).
    void attach(int slot, GeneratorMonitor* monitor);

    // Runs passes while any generator runs.
    void run(DrivingHost& host);
    // One pass: one step of every running generator, then the shutdown of those finished or
    // cancelled.
    void runPass(DrivingHost& host);
    // Sets every running generator's monitor to cancelled.
    void cancelAll();

    // The clock that seeds the generators whose parameters ask for a seed from the clock; the
    // system clock unless set.
    void setClock(Clock clock) { clock_ = std::move(clock); }

private:
    void step(int slot, GeneratorStatus& status, DrivingHost& host);
    void shutDown(int slot, GeneratorStatus ending, DrivingHost& host);
    int initValueFor(const FieldParameters& parameters) const;

    const KelvraCalls& kelvra_;
    std::array<GeneratorEntry, SlotCount> entries_{};
    bool looping_ = false;
    Clock clock_ = [] { return std::time(nullptr); };
};
