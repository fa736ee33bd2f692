// Points XDG_CONFIG_HOME, XDG_CACHE_HOME and XDG_STATE_HOME at a fresh
// temporary folder for the life of the object, and puts the old values back
// after.
#pragma once

#include <QTemporaryDir>

class TTempXdg {
public:
    TTempXdg()
        : m_config(qgetenv("XDG_CONFIG_HOME")), m_cache(qgetenv("XDG_CACHE_HOME")), m_state(qgetenv("XDG_STATE_HOME"))
    {
        SetConfig(Config());
        qputenv("XDG_CACHE_HOME", Cache().toLocal8Bit());
        qputenv("XDG_STATE_HOME", State().toLocal8Bit());
    }
    ~TTempXdg()
    {
        m_config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", m_config);
        m_cache.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", m_cache);
        m_state.isNull() ? qunsetenv("XDG_STATE_HOME") : qputenv("XDG_STATE_HOME", m_state);
    }
    QString Config() const { return m_dir.filePath("config"); }
    QString Cache() const { return m_dir.filePath("cache"); }
    QString State() const { return m_dir.filePath("state"); }
    // XDG_CONFIG_HOME elsewhere: a file, a read-only folder.
    static void SetConfig(const QString &path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }

private:
    QByteArray m_config, m_cache, m_state;
    QTemporaryDir m_dir;
};
