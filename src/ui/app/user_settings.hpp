#pragma once
// The user's settings. On Windows the registry key HKEY_CURRENT_USER\Software\Orvane
// with one subkey per section; elsewhere the same sections in the user's
// configuration folder. Every value is stored as decimal text (booleans "0"/"1")
// and read back with a default when it is missing or not a number.
#include <QSettings>
#include <QString>
#include <memory>

namespace orvane::ui {

class SettingsSection {
 public:
  explicit SettingsSection(const QString& section);

  int ReadInteger(const QString& name, int fallback) const;
  bool ReadBool(const QString& name, bool fallback) const;
  QString ReadText(const QString& name) const;

  void WriteInteger(const QString& name, int value);
  void WriteBool(const QString& name, bool value);
  void WriteText(const QString& name, const QString& value);

 private:
  std::unique_ptr<QSettings> settings_;
};

// The ini file beside the program: its path with the extension replaced by ".ini".
QString IniFileOf(const QString& programFile);
// Section "Option", value "DeveloperMode": non-zero is on; missing or not a number is off.
bool ReadDeveloperMode(const QString& iniFile);

}  // namespace orvane::ui
