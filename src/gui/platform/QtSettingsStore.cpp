#include "gui/platform/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

#include "gui/platform/Utf8Text.h"

namespace vitalune {

namespace {

// Enters a subkey for the lifetime of the object; the main key "" is the root.
class GroupScope {
  public:
    GroupScope(QSettings& settings, std::string_view key) : m_settings(settings) {
        if (!key.empty()) {
            m_settings.beginGroup(QUtf8(key));
            m_entered = true;
        }
    }
    ~GroupScope() {
        if (m_entered) {
            m_settings.endGroup();
        }
    }
    GroupScope(const GroupScope&) = delete;
    GroupScope& operator=(const GroupScope&) = delete;

  private:
    QSettings& m_settings;
    bool m_entered = false;
};

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Qor"), QStringLiteral("Vitalune"))) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::FileName() const {
    return m_settings->fileName();
}

bool QtSettingsStore::HasKey(std::string_view key) const {
    if (key.empty()) {
        // The main key holds the subkeys too: a file with only window places means the
        // program has run before.
        return !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
    }
    return m_settings->childGroups().contains(QUtf8(key));
}

std::optional<SettingsValue> QtSettingsStore::Read(std::string_view key,
                                                   std::string_view name) const {
    GroupScope scope(*m_settings, key);
    const QVariant value = m_settings->value(QUtf8(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return SettingsValue{static_cast<std::int32_t>(value.toLongLong())};
        case QMetaType::QStringList:
            // An INI text with an unquoted comma comes back as a list.
            return SettingsValue{value.toStringList().join(QLatin1Char(',')).toStdString()};
        default:
            return SettingsValue{value.toString().toStdString()};
    }
}

bool QtSettingsStore::Write(std::string_view key, std::string_view name,
                            const SettingsValue& value) {
    if (m_readOnly || !m_settings->isWritable()) {
        return false;
    }
    GroupScope scope(*m_settings, key);
    if (const auto* i = std::get_if<std::int32_t>(&value)) {
        m_settings->setValue(QUtf8(name), *i);
    } else {
        m_settings->setValue(QUtf8(name), QUtf8(std::get<std::string>(value)));
    }
    return true;
}

bool QtSettingsStore::Flush() {
    if (m_readOnly) {
        return false;
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

}  // namespace vitalune
