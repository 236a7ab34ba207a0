#pragma once
// The start of a program's window, the same for every program: the application's names and
// icon, the --screenshot option, and the writing of the screenshot.
#include <QString>
#include <QStringList>
#include <optional>

class QApplication;
class QImage;

// Names the application after the program (`name` "Vistal": desktop file and icon "vistal").
void nameWindowApplication(QApplication& application, const QString& name);

// Takes "--screenshot FILE" out of `arguments` into `file` (left empty without the option).
// False, after saying so on standard error, when the file name is missing.
bool takeScreenshotOption(const char* program, QStringList& arguments, QString& file);

// The window's arguments: the application's arguments after the program's name, without
// "--screenshot FILE", whose file goes into `screenshot`. Nothing, after saying so on standard
// error, when the file name is missing.
std::optional<QStringList> windowArguments(const QApplication& application, const char* program,
                                           QString& screenshot);

// Writes the screenshot into `file` and prints the file's name. The exit code: 1 when it
// could not be written (said on standard error) or when `reported` boxes went to standard
// error before, 0 otherwise; standard output is finished as at every program's end.
int finishScreenshot(const char* program, const QString& file, const QImage& picture, int reported);
