// The rules of play live in this folder.
