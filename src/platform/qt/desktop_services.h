#pragma once
// The desktop services the window uses, behind seams that tests replace.
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tidemark {

// Opens documents, folders and addresses, and starts programs.
class Shell {
public:
    virtual ~Shell() = default;
    // With the desktop's default handler; false when none took it. A handler
    // that takes it and only then finds nothing to open it with (xdg-open
    // without a method for it) calls `failedLater` on the event loop.
    virtual bool open(const QString& documentOrAddress, std::function<void()> failedLater = {}) = 0;
    // The full path of a program found on PATH; empty when there is none.
    virtual QString findProgram(const QString& name) = 0;
    // Starts a program found by findProgram, detached; false when it could not start.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

// Modal message boxes. Each belongs to the window that opens it (`owner`),
// so the window manager keeps it above that window, even one kept on top;
// a null owner only before any window is shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(QWidget* owner, const QString& title, const QString& text) = 0;
    virtual void exclamation(QWidget* owner, const QString& title, const QString& text) = 0;
    // A message without an icon.
    virtual void plain(QWidget* owner, const QString& title, const QString& text) = 0;
    // Shows a dialog modally and returns when it is closed; its parent owns it.
    virtual void runModal(QDialog& dialog) = 0;
    // Yes or No, with the information icon; true for Yes.
    virtual bool question(QWidget* owner, const QString& title, const QString& text) = 0;
    // The toolkit's save dialog, offering `initialPath` with these filters (the
    // first selected) and asking nothing about existing files. Nothing on cancel.
    virtual std::optional<QString> saveFileName(QWidget* owner, const QString& title, const QString& initialPath,
                                                const QStringList& filters) = 0;
};

// The per-user settings store, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
};

// Tells whether another instance of the program runs, and holds this one's
// claim while it runs. A claim left by a crashed instance does not count; a
// claim that cannot be made at all reports no other instance.
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
// The user's settings: a file in the per-user configuration folder on
// POSIX (none without a home), the registry on Windows.
std::unique_ptr<SettingsStore> makeUserSettingsStore();
// A claim named `name` in `folder` (the program's is userLockFolder()),
// which is made for its user alone when missing.
std::unique_ptr<InstanceLock> makeInstanceLock(const QString& folder, const QString& name);

}  // namespace tidemark
