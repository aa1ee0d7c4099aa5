// The settings live in the registry, under the user's key for the application.
#include <QSettings>

#include "platform/qt/desktop_services.h"

namespace tidemark {
namespace {

class RegistrySettingsStore final : public SettingsStore {
public:
    QString read(const QString& app, const QString& section, const QString& key, const QString& fallback) override {
        QSettings settings(app, section);
        return settings.value(section + '/' + key, fallback).toString();
    }
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override {
        QSettings settings(app, section);
        settings.setValue(section + '/' + key, value);
        settings.sync();
    }
};

}  // namespace

std::unique_ptr<SettingsStore> makeUserSettingsStore() { return std::make_unique<RegistrySettingsStore>(); }

}  // namespace tidemark
