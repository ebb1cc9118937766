#pragma once

// The command line: one ring, or every ring of a project file, computed and written without the
// window.

#include <QStringList>

#include <string_view>

namespace orvane {

// Whether the arguments ask for the command line. Any argument does, except the options of the
// window system itself ("-platform xcb", "-session ..." when the desktop restores a session),
// which belong to the window, and files given with no option, which open in vessel windows.
bool wantsCommandLine(int argc, char *argv[]);

// Whether `argument`, given with no option, names a file to open in a vessel window (FILE.orvane,
// FILE.csv): any argument that is not an option is one. Whether the file can be opened is for the
// window to say.
bool isVesselFileArgument(std::string_view argument);
// The files to open in vessel windows, when the arguments do not ask for the command line.
QStringList vesselFileArguments(int argc, char *argv[]);

// Carries out the command line `arguments` (the first is the program) and gives the exit status:
// 0 done, 1 an output could not be written, 2 bad input, with nothing written. Messages go to
// standard error, results to standard output. Needs a QGuiApplication for the PDF files' fonts.
int runCommandLine(const QStringList &arguments);

} // namespace orvane
