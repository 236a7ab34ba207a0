#pragma once
// The texts the window shows when a table cannot be read.
#include <QString>

// The reader's reason with the file it is about: a user who added several files sees which
// one failed. A reason that names the file already is taken as it is.
QString tableReadMessage(const QString& path, const QString& reason);

#include <memory>

#include "FileContainer.h"

class UserDialogs;

// Reads the table at `path`; a table that cannot be read (or does not fit in memory) is
// reported in a box captioned "wrong file format" and gives null.
std::unique_ptr<FileContainer> readTableReporting(const QString& path, UserDialogs& dialogs,
                                                  const TableProgress& progress = {});
