#pragma once
// One running program per user: the first start listens on a local socket
// named after "OrvaneMutex"; a later start connects, asks the first to raise
// its window and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace orvane::ui {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  static QString DefaultName();  // "OrvaneMutex", per user where sockets are shared

  explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

  // True when this is the first instance (it now listens); false when another
  // instance runs and has been asked to raise itself.
  bool Claim();

 signals:
  // Another start asked this instance to bring its window to the front.
  void RaiseRequested();

 private:
  bool AskRunningInstance();
  void OnConnection();

  QString name_;
  QLocalServer server_;
};

}  // namespace orvane::ui
