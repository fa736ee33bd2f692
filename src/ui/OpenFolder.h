// The folder picker: SelectFolder shows the "OpenFolder" window and, after
// "OK", leaves the chosen folder in Folder with a trailing "/".
#pragma once

#include <QObject>
#include <QString>

class TOpenFolder : public QObject {
    Q_OBJECT
public:
    explicit TOpenFolder(QObject *parent = nullptr) : QObject(parent) {}

    QString Folder;           // chosen at the last OK; a cancel keeps it
    QString RememberedFolder; // last non-empty initial folder passed in
    bool WithFiles = false;   // the tree shows files too

    // True when the player pressed "OK" with a path in the edit box.
    bool SelectFolder(const QString &title, const QString &initialFolder);

    // The separator rule applied to the edit box's text after "OK".
    static QString WithSeparator(const QString &text, bool withFiles);

    // Window the picker is shown over (the owner of this component).
    QWidget *DialogParent = nullptr;
};
