#pragma once

#include <QString>

class QCoreApplication;
class TForm1;

// What the program is asked on its command line.
struct CommandLine {
    // A reading file to open once the window is up; empty for none.
    QString readingFile;
    // Print the table once the window is up (and the file opened), then quit: lets a script
    // see that an installed program found its data.
    bool printTable = false;
};

// True when the command line asks only for "--help" or "--version": the answer needs no display.
bool AsksForTextOnly(int argc, char* argv[]);

// Reads the command line; "--help" and "--version" print their text and end the process, and
// so does an unknown option, with its error.
CommandLine ReadCommandLine(const QCoreApplication& app);

// The reading on the table: "spread NAME", then one line for each position with its label, its
// card, "upright" or "reversed", and "face" or "back" for the picture it shows.
QString TableReport(TForm1& window);
