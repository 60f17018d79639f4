#pragma once
// A main window started against a temporary program folder that holds the
// sample race day, with fresh settings and a fake desktop.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "ui/app/main_window.hpp"
#include "ui/support/fake_desktop.hpp"

namespace orvane::ui::test {

// The sample day as committed: sample/*.kd2 and its archives.
std::filesystem::path SampleFolder();

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  std::filesystem::path Home() const { return std::filesystem::path(home_.path().toStdString()); }
  QString HomeFile(const char* name) const;
  // Copies the sample day's data files into the program folder.
  void CopySampleDay();
  void WriteIni(const QString& text);

  // FormCreate; the window is not shown yet.
  TfrmOrvane& Create(const QStringList& arguments = {});
  // FormCreate and FormShow.
  TfrmOrvane& Start(const QStringList& arguments = {});
  // The window as the active window, so that its keys work.
  void Activate();
  // Closes the window (FormCloseQuery) and forgets it.
  void Close();

  TfrmOrvane& Window() { return *window_; }
  FakeDesktop& Desktop() { return *desktop_; }

 private:
  QTemporaryDir home_;
  DesktopScope desktop_;
  std::unique_ptr<TfrmOrvane> window_;
};

}  // namespace orvane::ui::test
