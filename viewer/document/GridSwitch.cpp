#include "GridSwitch.h"

#include "UserDialogs.h"

GridSwitch::GridSwitch(GridDocument& document, UserDialogs& dialogs)
    : document_(document), dialogs_(dialogs) {}

bool GridSwitch::begin() {
    if (running_) return false;
    running_ = true;
    return true;
}

void GridSwitch::end() { running_ = false; }

QString GridSwitch::question(Target target) {
    const QString text = QStringLiteral(
        "There are selected cells or \nthe original grid was changed. \n"
        "Do you want to save the changes?");
    if (target != Target::Level) return text;
    return text + QStringLiteral("\nAttention: only the actual level\nwill be saved as grid");
}

QString GridSwitch::caption(Target target) {
    switch (target) {
        case Target::Grid:
            return QStringLiteral("show another grid");
        case Target::Level:
            return QStringLiteral("show another level");
        case Target::Exit:
            break;
    }
    return QStringLiteral("Exit");
}

bool GridSwitch::askToSaveChanges(Target target, const std::function<bool()>& saveAs) {
    if (document_.selection.empty() && !document_.Modified) return true;
    const auto answer =
        dialogs_.question(question(target), caption(target), UserDialogs::Buttons::YesNoCancel);
    if (answer == UserDialogs::Answer::Cancel) return false;
    if (answer == UserDialogs::Answer::Yes) {
        // Changes that were not written (the save dialog was cancelled, or the write failed and
        // the user has been told) are kept: the switch stops as on Cancel.
        if (!saveAs()) return false;
        document_.Modified = false;
    }
    document_.selection.clear();
    return true;
}

GridSwitch::FailedLoad GridSwitch::failedLoad(const GridFormatError& error) {
    document_.Modified = false;
    FailedLoad result;
    result.removeEntry = error.kind() == GridFormatError::Kind::BadFileType;
    result.showFormat = error.kind() == GridFormatError::Kind::Unrecognised;
    if (!result.showFormat) busy_ = false;
    if (!error.silent()) dialogs_.message(error.text(), error.caption());
    return result;
}

GridFormatError GridSwitch::asLoadError(const std::exception& error, const QString& entry) {
    return GridFormatError(GridFormatError::Kind::Read,
                           QStringLiteral("Could not load \"%1\": %2")
                               .arg(entry, QString::fromLocal8Bit(error.what())));
}
