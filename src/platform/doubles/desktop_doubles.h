#pragma once
// Ten-line stand-ins for the desktop services, for tests and benchmarks.
#include <QMap>
#include <QStringList>

#include "platform/qt/desktop_services.h"

namespace tidemark::testing {

struct FakeShell : Shell {
    QStringList opened;
    bool defaultHandlerWorks = true;
    QStringList onPath;   // program names that findProgram finds
    QStringList started;  // "program arg1 arg2"
    bool startFails = false;
    std::function<void()> failLater;  // what the last open was told to call should it fail after all
    bool open(const QString& target, std::function<void()> failedLater) override {
        opened << target;
        failLater = std::move(failedLater);
        return defaultHandlerWorks;
    }
    QString findProgram(const QString& name) override { return onPath.contains(name) ? "/usr/bin/" + name : QString(); }
    bool startDetached(const QString& program, const QStringList& arguments) override {
        started << QStringList(program + (arguments.isEmpty() ? "" : " " + arguments.join(' ')));
        return !startFails;
    }
};

struct FakeDialogs : Dialogs {
    QStringList shown;       // "title|text"
    QList<QWidget*> owners;  // the owner of each message and save dialog, in turn
    void information(QWidget* owner, const QString& title, const QString& text) override { record(owner, title, text); }
    void exclamation(QWidget* owner, const QString& title, const QString& text) override { record(owner, title, text); }
    void plain(QWidget* owner, const QString& title, const QString& text) override { record(owner, title, text); }
    void record(QWidget* owner, const QString& title, const QString& text) {
        owners << owner;
        shown << title + "|" + text;
    }
    void runModal(QDialog&) override {}
    QList<std::optional<QString>> saveAnswers;  // the dialog's answers, in turn
    QList<bool> questionAnswers;
    QStringList saveRequests;                     // "title|initial path|filters"
    std::function<void()> whileSaveDialogIsOpen;  // what goes on meanwhile (ticks)
    bool question(QWidget* owner, const QString& title, const QString& text) override {
        record(owner, title, text);
        return questionAnswers.isEmpty() ? false : questionAnswers.takeFirst();
    }
    std::optional<QString> saveFileName(QWidget* owner, const QString& title, const QString& initialPath,
                                        const QStringList& filters) override {
        owners << owner;
        saveRequests << title + "|" + initialPath + "|" + filters.join(";;");
        if (whileSaveDialogIsOpen) whileSaveDialogIsOpen();
        return saveAnswers.isEmpty() ? std::nullopt : saveAnswers.takeFirst();
    }
};

struct FakeSettings : SettingsStore {
    QMap<QString, QString> values;  // "app/section/key"
    int writes = 0;
    QString read(const QString& app, const QString& section, const QString& key, const QString& fallback) override {
        return values.value(app + "/" + section + "/" + key, fallback);
    }
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override {
        values[app + "/" + section + "/" + key] = value;
        ++writes;
    }
};

struct FakeClock : Clock {
    QDateTime time{QDate(2026, 12, 5), QTime(14, 7)};
    QDateTime now() override { return time; }
};

struct FakeInstanceLock : InstanceLock {
    bool otherRunning = false;
    bool released = false;
    bool anotherInstanceRunning() override { return otherRunning; }
    void release() override { released = true; }
};

}  // namespace tidemark::testing
