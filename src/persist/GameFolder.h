// The folder the save and load dialogs open on: where the player last
// saved or loaded a game, and before that (or once that folder is gone)
// "Jigsy" in their documents folder, never the program's own folder.
#pragma once

#include <QString>

// "Jigsy" under the player's documents folder (their home when the system
// names none).
QString DefaultGameFolder();

// The folder a dialog opens on, given the remembered one (empty before the
// first game was saved or loaded) and the default.  forSaving: a missing
// default folder is made, since the game is about to be saved into it, and
// *made says so: the caller takes it away again (QDir::rmdir) when the
// player cancels or saves elsewhere.  A load dialog opens on the documents
// folder until then.
QString GameDialogFolder(const QString &remembered, const QString &defaultFolder, bool forSaving,
                         bool *made = nullptr);
