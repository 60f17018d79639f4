#pragma once
// What the windows ask of the desktop that blocks or makes a noise: beeps,
// message boxes, the open dialog and the browser. Everything goes through one
// replaceable instance, so the UI tests can answer and observe it.
#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

namespace orvane::ui {

struct OpenFileRequest {
  QString title;
  QString filters;  // Qt filter text: "name (patterns);;name (patterns)"
  QString folder;   // initial folder; empty for the dialog's default
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void Beep() = 0;
  // A message with an OK button.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // A confirmation with the buttons Yes and Abort; true for Yes.
  virtual bool ConfirmYesAbort(QWidget* parent, const QString& text) = 0;
  // The chosen file, or empty when cancelled.
  virtual QString OpenFileName(QWidget* parent, const OpenFileRequest& request) = 0;
  virtual void OpenUrl(const QUrl& url) = 0;
};

// The instance in use; the real desktop unless a test replaced it.
Desktop& TheDesktop();
// Replaces the instance (nullptr restores the real desktop).
void SetDesktop(std::unique_ptr<Desktop> desktop);

}  // namespace orvane::ui
