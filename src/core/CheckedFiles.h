#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// File calls whose every step is checked, on Qt Core alone: the installer's
// language pane uses them as well as the program.
namespace kavrotether::checkedfiles {

// Opens `file` (its name set) for reading when the name leads to a regular
// file, and refuses anything else: a FIFO or a device is never waited on, a
// folder is never taken for a file. False when it cannot be opened.
bool openRegularForReading(QFile &file);

// Gives `path` the content `data` through a file written beside it and moved
// over it only once every byte is on disk; otherwise the old file stays whole
// and nothing new is left. The reason of a failure goes to `error`.
bool saveWhole(const QString &path, QByteArrayView data, QString *error = nullptr);

} // namespace kavrotether::checkedfiles
