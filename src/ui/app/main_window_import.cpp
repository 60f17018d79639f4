// TfrmOrvane: data archives from the open dialog, a drop and the command line.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>

#include "core/data/archive_import.hpp"
#include "ui/app/desktop.hpp"
#include "ui/app/main_window.hpp"

namespace orvane::ui {
namespace {

std::filesystem::path PathOf(const QString& file) { return std::filesystem::path(file.toStdString()); }

}  // namespace

void TfrmOrvane::ImportArchive(const QString& path) {
  ExtractionProgress progress;
  progress.onProgress = [this](int percent) {
    gauData_->setValue(percent);
    // Everything runs on this thread: let the gauge repaint while extracting.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  progress.onEnd = [this] { gauData_->setValue(0); };
  const ImportResult result = orvane::ImportArchive(PathOf(path), Folder(), card_, progress);
  gauData_->setValue(0);
  if (!result.message.empty()) TheDesktop().Inform(this, QString::fromStdString(result.message));
  if (!result.loaded) return;
  RefreshRaceMenu();
  ShowRace(0);
}

void TfrmOrvane::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmOrvane::dropEvent(QDropEvent* event) {
  // Only the first file counts, and only with the extension ".lzh" exactly.
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  const QString file = urls.first().toLocalFile();
  if (file.endsWith(QStringLiteral(".lzh"), Qt::CaseSensitive)) ImportArchive(file);
}

}  // namespace orvane::ui
