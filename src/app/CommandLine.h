// The command line: `jigsy [--help] [--version] [файл]`.  --help and
// --version are answered before any window exists, so they work on a
// terminal without a display; everything else left on the line names the
// saved game opened at start-up (its words joined by single blanks, as a
// name with blanks comes when a launcher splits it).  A window system that
// cannot be reached gets one Russian sentence on stderr instead of Qt's
// platform-plugin abort.
#pragma once

#include <QString>
#include <memory>

class QApplication;

// Answers --help or --version on stdout, without a display.  True when one
// of them was asked for: the program then ends with exit status 0.
bool AnswerWithoutDisplay(int argc, char **argv);

// The saved game the arguments Qt left name (empty: none).  False, with
// the Russian message in `error`, for an option the game does not know.
bool GameFromCommandLine(int argc, char **argv, QString &game, QString &error);

// Said on stderr when the window system cannot be opened.  `display` is the
// value of DISPLAY (empty when unset).
QString NoDisplayMessage(const QString &display);

// Opens the window system.  When it cannot be reached, prints
// NoDisplayMessage on stderr and ends the process with status 1; Qt's own
// complaints about it are dropped, others are passed on once it is open.
std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv);
