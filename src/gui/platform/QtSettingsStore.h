#pragma once
// The settings store kept by QSettings: per user, organization "Qor", application "Vitalune";
// subkeys are QSettings groups. Can be opened read-only so that a run (picture export) never
// changes what the user has stored.

#include <QString>
#include <memory>

#include "core/settings/SettingsStore.h"

class QSettings;

namespace vitalune {

class QtSettingsStore final : public SettingsStore {
  public:
    // The user's settings.
    QtSettingsStore();
    // A given INI file (tests, portable use).
    explicit QtSettingsStore(const QString& iniFile);
    ~QtSettingsStore() override;

    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    bool HasKey(std::string_view key) const override;
    std::optional<SettingsValue> Read(std::string_view key, std::string_view name) const override;
    bool Write(std::string_view key, std::string_view name, const SettingsValue& value) override;
    bool Flush() override;

    QString FileName() const;

  private:
    std::unique_ptr<QSettings> m_settings;
    bool m_readOnly = false;
    bool m_failed = false;
};

}  // namespace vitalune
