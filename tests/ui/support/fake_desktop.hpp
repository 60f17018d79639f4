#pragma once
// A desktop that answers the windows' questions as the test says and records
// what they asked for.
#include <QStringList>
#include <QUrl>
#include <optional>
#include <vector>

#include "ui/app/desktop.hpp"

namespace orvane::ui::test {

struct FakeDesktop final : Desktop {
  int beeps = 0;
  QStringList messages;
  QStringList questions;
  bool answerYes = true;
  std::vector<OpenFileRequest> openRequests;
  QString fileToOpen;  // the open dialog's answer; empty = cancelled
  std::vector<QUrl> openedUrls;

  void Beep() override { ++beeps; }
  void Inform(QWidget*, const QString& text) override { messages << text; }
  bool ConfirmYesAbort(QWidget*, const QString& text) override {
    questions << text;
    return answerYes;
  }
  QString OpenFileName(QWidget*, const OpenFileRequest& request) override {
    openRequests.push_back(request);
    return fileToOpen;
  }
  void OpenUrl(const QUrl& url) override { openedUrls.push_back(url); }
};

// Installs a FakeDesktop for the lifetime of the object.
class DesktopScope {
 public:
  DesktopScope();
  ~DesktopScope();
  FakeDesktop& operator*() { return *fake_; }
  FakeDesktop* operator->() { return fake_; }

 private:
  FakeDesktop* fake_;
};

}  // namespace orvane::ui::test
