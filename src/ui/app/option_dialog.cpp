#include "ui/app/option_dialog.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app/main_window.hpp"

namespace orvane::ui {
namespace {

constexpr QSize kClientSize{367, 286};
constexpr int kMaxPort = 65535;

}  // namespace

TfrmOption::TfrmOption(TfrmOrvane& main) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("TfrmOption"));
  setWindowTitle(QStringLiteral("オプション"));
  auto* tabs = new QTabWidget(this);
  tabs->addTab(DisplayPage(), QStringLiteral("表示の設定"));
  tabs->addTab(ProxyPage(), QStringLiteral("プロキシサーバーの設定"));

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  buttons->addButton(QStringLiteral("キャンセル(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  setFixedSize(kClientSize);

  const ProxySettings& proxy = main_.Proxy();
  txtAdress_->setText(proxy.server);
  txtPort_->setValue(proxy.port);
  txtID_->setText(proxy.user);
  txtPass_->setText(proxy.password);
  (main_.Show3Sou() ? rad3sou_ : rad2sou_)->setChecked(true);
  chkResize_->setChecked(main_.AutoResize());

  move(main_.pos().x() + main_.width() / 2 - width() / 2, main_.pos().y() + main_.height() / 2 - height() / 2);
}

QWidget* TfrmOption::DisplayPage() {
  auto* page = new QWidget;
  auto* group = new QGroupBox(QStringLiteral("馬柱の表示"), page);
  rad2sou_ = new QRadioButton(QStringLiteral("2走前まで表示(&T)"), group);
  rad3sou_ = new QRadioButton(QStringLiteral("3走前まで表示(&H)"), group);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(rad2sou_);
  groupLayout->addWidget(rad3sou_);
  chkResize_ = new QCheckBox(QStringLiteral("予想時にウィンドウを自動リサイズ(&R)"), page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  layout->addWidget(chkResize_);
  layout->addStretch();
  return page;
}

QWidget* TfrmOption::ProxyPage() {
  auto* page = new QWidget;
  auto* notice = new QLabel(
      QStringLiteral("プロキシサーバーの設定をしてください。(正常に接続できていれば設定する必要はありません)"), page);
  notice->setWordWrap(true);
  txtAdress_ = new QLineEdit(page);
  txtPort_ = new QSpinBox(page);
  txtPort_->setRange(0, kMaxPort);
  txtPort_->setSingleStep(1);
  auto* server = new QFormLayout;
  server->addRow(QStringLiteral("アドレス："), txtAdress_);
  server->addRow(QStringLiteral("ポート："), txtPort_);

  auto* group = new QGroupBox(QStringLiteral("認証(必要な場合のみ)"), page);
  txtID_ = new QLineEdit(group);
  txtPass_ = new QLineEdit(group);
  txtPass_->setEchoMode(QLineEdit::Password);
  auto* credentials = new QFormLayout(group);
  credentials->addRow(QStringLiteral("ID："), txtID_);
  credentials->addRow(QStringLiteral("パスワード："), txtPass_);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(notice);
  layout->addLayout(server);
  layout->addWidget(group);
  layout->addStretch();
  return page;
}

void TfrmOption::accept() {
  ProxySettings& proxy = main_.Proxy();
  proxy.server = txtAdress_->text();
  proxy.port = txtPort_->value();
  proxy.user = txtID_->text();
  proxy.password = txtPass_->text();
  main_.ApplyShow3Sou(rad3sou_->isChecked());
  main_.SetAutoResize(chkResize_->isChecked());
  QDialog::accept();
}

}  // namespace orvane::ui
