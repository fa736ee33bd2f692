// Points the player's XDG folders (config and cache) at a fresh temporary
// folder for the life of the object, and puts the old values back after.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TTempXdg {
public:
    TTempXdg() : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_oldCache(qgetenv("XDG_CACHE_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", Config().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", Cache().toLocal8Bit());
    }
    ~TTempXdg()
    {
        Restore("XDG_CONFIG_HOME", m_oldConfig);
        Restore("XDG_CACHE_HOME", m_oldCache);
    }
    TTempXdg(const TTempXdg &) = delete;
    TTempXdg &operator=(const TTempXdg &) = delete;

    QString Config() const { return m_dir.filePath(QStringLiteral("config")); }
    QString Cache() const { return m_dir.filePath(QStringLiteral("cache")); }
    // Points XDG_CONFIG_HOME elsewhere (a file, a read-only folder).
    static void SetConfig(const QString &path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }

private:
    static void Restore(const char *name, const QByteArray &old)
    {
        if (old.isNull())
            qunsetenv(name);
        else
            qputenv(name, old);
    }

    QByteArray m_oldConfig, m_oldCache;
    QTemporaryDir m_dir;
};
