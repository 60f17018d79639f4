#include "ui/app/single_instance.hpp"

#include <QLocalSocket>

namespace orvane::ui {
namespace {

constexpr int kTimeoutMs = 2000;
constexpr char kRaise[] = "raise\n";

}  // namespace

QString SingleInstance::DefaultName() {
  QString name = QStringLiteral("OrvaneMutex");
#ifndef Q_OS_WIN
  // Local sockets live in one folder for all users here; Windows keeps them per session.
  const QString user = qEnvironmentVariable("USER");
  if (!user.isEmpty()) name += QLatin1Char('-') + user;
#endif
  return name;
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

bool SingleInstance::Claim() {
  if (AskRunningInstance()) return false;
  // Nobody answered: a socket left behind by a program that ended abnormally is stale.
  QLocalServer::removeServer(name_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(name_)) return true;
  // Lost a race with another start that is listening now.
  return !AskRunningInstance();
}

bool SingleInstance::AskRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  socket.write(kRaise);
  socket.waitForBytesWritten(kTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::OnConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    // The request may be read on readyRead or only when the peer has gone.
    const auto read = [this, socket] {
      if (socket->isOpen() && socket->readAll().contains("raise")) emit RaiseRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    connect(socket, &QLocalSocket::disconnected, this, [socket, read] {
      read();
      socket->deleteLater();
    });
  }
}

}  // namespace orvane::ui
