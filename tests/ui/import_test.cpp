// Archives reaching the main window: a drop, the open dialog, the command
// line; the gauge and the messages of a failed import.
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QUrl>

#include "ui/support/main_window_fixture.hpp"

namespace orvane::ui::test {
namespace {

std::filesystem::path Fixture(const char* name) {
  return std::filesystem::path(ORVANE_SOURCE_DIR) / "tests/fixtures/lha" / name;
}

class ImportTest : public MainWindowFixture {
 protected:
  ImportTest() { EXPECT_TRUE(drops_.isValid()); }

  // A copy of an archive fixture in a folder outside the program folder.
  QString Archive(const char* fixture, const char* name) {
    const QString path = drops_.filePath(QString::fromUtf8(name));
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(QString::fromStdString(Fixture(fixture).string()), path));
    return path;
  }

  void Drop(const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Window(), &drop);
    EXPECT_TRUE(drop.isAccepted());
  }

 private:
  QTemporaryDir drops_;
};

TEST_F(ImportTest, ADroppedLzhArchiveIsImportedAndItsFirstRaceShown) {
  TfrmOrvane& window = Start();
  QSignalSpy gauge(&window.Gauge(), &QProgressBar::valueChanged);
  Archive("j260531.lzh", "j260531.lzh");
  Drop({Archive("hb260531.lzh", "hb260531.lzh")});
  EXPECT_TRUE(Desktop().messages.isEmpty()) << Desktop().messages.join('\n').toStdString();
  EXPECT_GT(window.RaceCount(), 0);
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_TRUE(std::filesystem::exists(Home() / "rvx_uma.kd2"));
  EXPECT_TRUE(std::filesystem::exists(Home() / "rvx_ods.kd2"));  // the companion beside it came along
  // The gauge followed the extraction and went back to 0.
  bool moved = false;
  for (const auto& change : gauge) moved = moved || change.front().toInt() > 0;
  EXPECT_TRUE(moved);
  EXPECT_EQ(window.Gauge().value(), 0);
}

TEST_F(ImportTest, OnlyTheFirstDroppedFileCountsAndOnlyWithTheExtensionLzhExactly) {
  TfrmOrvane& window = Start();
  Drop({Archive("hb260531.lzh", "hb260531.LZH")});
  Drop({Archive("hb260531.lzh", "hb260531.Lzh")});
  Drop({Archive("hb260531.lzh", "notes.txt"), Archive("hb260531.lzh", "hb260531.lzh")});
  EXPECT_EQ(window.RaceCount(), 0);
  EXPECT_EQ(window.CurrentRace(), -1);
  EXPECT_FALSE(std::filesystem::exists(Home() / "rvx_uma.kd2"));
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

TEST_F(ImportTest, AnArchiveWithoutDataIsRefusedAndTheRaceOnScreenStays) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  window.ShowRace(4);
  const int races = window.RaceCount();
  Drop({Archive("no_data.lzh", "hb000000.lzh")});
  EXPECT_EQ(Desktop().messages, QStringList{QStringLiteral("指定した書庫ファイルにデータは含まれておりません。\r\n\r\n"
                                                           "正しいRVXデータをご利用ください。")});
  EXPECT_EQ(window.CurrentRace(), 4);
  EXPECT_EQ(window.RaceCount(), races);
}

TEST_F(ImportTest, AnExtractionErrorIsReportedWithItsLines) {
  CopySampleDay();
  TfrmOrvane& window = Start();
  Drop({Archive("truncated.lzh", "hb999999.lzh")});
  ASSERT_EQ(Desktop().messages.size(), 1);
  const QString& message = Desktop().messages.front();
  EXPECT_TRUE(message.startsWith(QStringLiteral("データの展開でエラーが発生しました。\r\n\r\n")))
      << message.toStdString();
  EXPECT_TRUE(message.endsWith(QStringLiteral("\r\n\r\n開発元にお問い合わせください。"))) << message.toStdString();
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_EQ(window.Gauge().value(), 0);
}

TEST_F(ImportTest, AnArchiveOnTheCommandLineIsImportedAtStart) {
  TfrmOrvane& window = Start({Archive("hb260531.lzh", "hb260531.lzh")});
  EXPECT_GT(window.RaceCount(), 0);
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_TRUE(Desktop().messages.isEmpty());
}

TEST_F(ImportTest, TheFileChosenInTheOpenDialogIsImported) {
  TfrmOrvane& window = Start();
  Desktop().fileToOpen = Archive("kd3_hb260531.lzh", "kd3_hb260531.lzh");
  window.Execute(Command::OpenData);
  EXPECT_GT(window.RaceCount(), 0);
  EXPECT_EQ(window.CurrentRace(), 0);
  EXPECT_FALSE(std::filesystem::exists(Home() / "rvx_den1.kd3"));
}

}  // namespace
}  // namespace orvane::ui::test
