// One game per state folder.  The first start listens on a local socket
// named after the player's state folder; a second start hands it its
// command-line file and ends, and the running game raises its window and
// opens the file as a load would.  A socket left by a game that was killed
// is taken over.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

class TSingleGame : public QObject {
    Q_OBJECT
public:
    explicit TSingleGame(QObject *parent = nullptr);

    // The socket's name for the player's state folder.
    static QString ServerName();
    // Hands `file` (empty: none) to a game already running; false when none
    // answers.
    static bool HandOver(const QString &file);
    // Starts listening; false when the socket cannot be had (the game then
    // runs on alone).  What is handed over before Ready() waits for it.
    bool Listen();
    // The window is there: files handed over so far, and from now on, go
    // out as Handed.
    void Ready();

signals:
    // A second start handed this file over (empty: it was started plainly).
    void Handed(const QString &file);

private:
    void Accept();
    void Take(const QString &file);

    QLocalServer *m_server = nullptr;
    bool m_ready = false;
    QStringList m_waiting;
};
