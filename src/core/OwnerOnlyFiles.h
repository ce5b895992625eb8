#pragma once

#include <QString>

namespace kavrotether::owneronly {

// The settings folder and the saved passwords and certificates in it are
// the user's own: folders are made 0700 and files 0600 from the moment they
// exist, never passing through a mode others could read.

// Makes the folder, 0700, and its missing parents (with the ordinary mode);
// a folder that exists is left as it is. True when the folder exists.
bool makeFolder(const QString &path);

// Makes the settings folder of a settings file (as makeFolder) and the file
// itself, empty and 0600, when missing; a file that exists loses any group
// and other bits. Whatever is saved into it later keeps that mode.
bool prepareFile(const QString &path);

} // namespace kavrotether::owneronly
