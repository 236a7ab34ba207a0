#pragma once
#include <QString>
#include <exception>
#include <functional>

#include "GridDocument.h"
#include "GridFormatError.h"

class UserDialogs;

// The steps that every switch of the shown grid or level shares, without the window: the guard
// against a second switch while one runs, the busy time of a load, the unsaved-changes question
// (Save As on Yes) and what follows a failed load. The user is asked and told through
// UserDialogs.
class GridSwitch {
public:
    // What follows the question: another grid, another level, or the end of the program.
    enum class Target { Grid, Level, Exit };

    GridSwitch(GridDocument& document, UserDialogs& dialogs);

    // Starts a switch; false while another one runs (a click that arrives during a load).
    bool begin();
    void end();
    bool running() const { return running_; }

    // A load is reading the file: painting and the readout keep away from the half-built
    // document. After a load that did not recognise the file it stays set until the next one.
    void beginLoad() { busy_ = true; }
    void endLoad() { busy_ = false; }
    bool busy() const { return busy_; }

    // Before another grid or level is shown, the entry is deleted or the window closes: with
    // selected cells or changed values, asks whether to save them. Yes runs `saveAs`, which
    // writes the shown grid and returns false when nothing was written. Returns false when the
    // switch must stop: Cancel, or Yes with changes that were not written (they are kept).
    // Otherwise the selection is empty, and after Yes the changes count as saved.
    bool askToSaveChanges(Target target, const std::function<bool()>& saveAs);

    static QString question(Target target);
    static QString caption(Target target);

    // What the window shows after a failed load.
    struct FailedLoad {
        bool removeEntry = false;  // the user declined to load an implausible file
        bool showFormat = false;   // "Fileformat" shows the document's "not recognized"
    };
    // The document holds no values now: its changes are gone, the user is told unless the
    // error is a silent one, and an unrecognised file keeps painting off until the next load.
    FailedLoad failedLoad(const GridFormatError& error);
    // Any other error of a load (memory, the netCDF library) ends it as a read error would.
    static GridFormatError asLoadError(const std::exception& error, const QString& entry);

private:
    GridDocument& document_;
    UserDialogs& dialogs_;
    bool running_ = false;
    bool busy_ = false;
};
