#pragma once
// The desktop services the window uses, behind seams that tests replace.
#include <QDateTime>
#include <QString>
#include <memory>

namespace tidemark {

// Opens documents, folders and addresses with the desktop's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& documentOrAddress) = 0;
};

// Modal message boxes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const QString& title, const QString& text) = 0;
    virtual void exclamation(const QString& title, const QString& text) = 0;
};

// The per-user settings store, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key,
                         const QString& fallback) = 0;
    virtual void write(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
};

// Tells whether another instance of the program runs, and holds this one's
// claim while it runs. A claim left by a crashed instance does not count.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when another instance holds the claim; otherwise takes it.
    virtual bool anotherInstanceRunning() = 0;
    virtual void release() = 0;
};

// The local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

std::unique_ptr<Clock> makeSystemClock();
std::unique_ptr<Shell> makeDesktopShell();
std::unique_ptr<Dialogs> makeMessageBoxDialogs();
std::unique_ptr<SettingsStore> makeUserSettingsStore();
std::unique_ptr<InstanceLock> makeRuntimeLock(const QString& name);

}  // namespace tidemark
