#include "ui/app/user_settings.hpp"

#include <QDir>
#include <QFileInfo>

namespace orvane::ui {
namespace {

std::unique_ptr<QSettings> OpenUserSettings() {
#ifdef Q_OS_WIN
  if (QSettings::defaultFormat() == QSettings::NativeFormat) {
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Orvane"), QSettings::NativeFormat);
  }
#endif
  return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Orvane"),
                                     QStringLiteral("Orvane"));
}

int IntegerOr(const QVariant& value, int fallback) {
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  return ok ? number : fallback;
}

}  // namespace

SettingsSection::SettingsSection(const QString& section) : settings_(OpenUserSettings()) {
  settings_->beginGroup(section);
}

int SettingsSection::ReadInteger(const QString& name, int fallback) const {
  return IntegerOr(settings_->value(name), fallback);
}

bool SettingsSection::ReadBool(const QString& name, bool fallback) const {
  return ReadInteger(name, fallback ? 1 : 0) != 0;
}

QString SettingsSection::ReadText(const QString& name) const { return settings_->value(name).toString(); }

void SettingsSection::WriteInteger(const QString& name, int value) {
  settings_->setValue(name, QString::number(value));
}

void SettingsSection::WriteBool(const QString& name, bool value) { WriteInteger(name, value ? 1 : 0); }

void SettingsSection::WriteText(const QString& name, const QString& value) { settings_->setValue(name, value); }

QString IniFileOf(const QString& programFile) {
  const QFileInfo info(programFile);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(".ini"));
}

bool ReadDeveloperMode(const QString& iniFile) {
  const QSettings ini(iniFile, QSettings::IniFormat);
  return IntegerOr(ini.value(QStringLiteral("Option/DeveloperMode")), 0) != 0;
}

}  // namespace orvane::ui
