#pragma once
#include <QString>

class CommandProcessor;
class QObject;
class UserDialogs;

// The suite's user guide (HTML). A program finds it from its own folder: installed, it lies in
// share/doc/tolmar-tools/guide beside the bin folder; in the build tree, in docs/guide at the
// top of the tree.
namespace UserGuide {

// The guide's `page` (e.g. "vistal.html"), the installed one when it exists, else the build
// tree's; empty when neither exists.
QString findPage(const QString& page, const QString& programFolder);
// Where the installed guide's `page` belongs.
QString installedPage(const QString& page, const QString& programFolder);

// Shows the guide's `page` (found from the running program's folder) with the desktop's opener.
// When the guide is missing or nothing can show it, a message through `dialogs` tells where the
// guide is. The opener runs as a child of `context`.
void open(const QString& page, QObject* context, UserDialogs& dialogs);

// A program's Help command: runs the help command configured for `program` in the machine's
// settings, put in double quotes first where `quoted` says so, or opens the guide's `page`
// when none is configured.
void openHelp(const QString& program, const QString& page, bool (*quoted)(const QString& command),
              QObject* context, UserDialogs& dialogs, CommandProcessor& commands);

}  // namespace UserGuide
