// Qt's own texts (the file dialogs, the message-box buttons, the folder
// tree's menu) in Russian, whatever the system's language: the game speaks
// Russian by design.
#pragma once

class QCoreApplication;

// Loads Qt's Russian translations from Qt's translations folder into the
// application.  False when they are not installed; the game then runs
// with Qt's English texts.
bool InstallQtRussian(QCoreApplication &app);
