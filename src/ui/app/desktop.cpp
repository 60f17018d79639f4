#include "ui/app/desktop.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace orvane::ui {
namespace {

class RealDesktop final : public Desktop {
 public:
  void Beep() override { QApplication::beep(); }

  void Inform(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
  }

  bool ConfirmYesAbort(QWidget* parent, const QString& text) override {
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                QMessageBox::Yes | QMessageBox::Abort, QMessageBox::Yes) == QMessageBox::Yes;
  }

  QString OpenFileName(QWidget* parent, const OpenFileRequest& request) override {
    return QFileDialog::getOpenFileName(parent, request.title, request.folder, request.filters);
  }

  void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

std::unique_ptr<Desktop>& Instance() {
  static std::unique_ptr<Desktop> desktop = std::make_unique<RealDesktop>();
  return desktop;
}

}  // namespace

Desktop& TheDesktop() { return *Instance(); }

void SetDesktop(std::unique_ptr<Desktop> desktop) {
  Instance() = desktop ? std::move(desktop) : std::make_unique<RealDesktop>();
}

}  // namespace orvane::ui
