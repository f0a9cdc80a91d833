// The real serial path: QSerialPort and Qt timers against tavu-sim on a
// pseudo-terminal, through the whole tool.
#include <QProcess>
#include <QtTest>
#include <memory>

#include "app/qt_scheduler.h"
#include "app/qt_serial_port.h"
#include "core/tool.h"
#include "virtual_platform.h"

namespace {

// Passes everything to the real port and counts what crosses it.
class CountingPort final : public tavu::platform::SerialPort {
 public:
  explicit CountingPort(tavu::platform::SerialPort& inner) : inner_(inner) {
    inner_.setReceiveHandler([this](std::size_t n) { notifyReceived(n); });
  }
  ~CountingPort() override { inner_.setReceiveHandler(nullptr); }

  std::optional<std::vector<std::string>> availablePorts() override { return inner_.availablePorts(); }
  bool open(const std::string& name) override { return inner_.open(name); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  void configure(const tavu::platform::LineSettings& s) override { inner_.configure(s); }
  void write(const tavu::Bytes& piece) override {
    // The pieces of one frame are written with a pause between them.
    if (!afterPause_) ++frames;
    afterPause_ = false;
    inner_.write(piece);
  }
  void pause(int ms) override {
    afterPause_ = true;
    inner_.pause(ms);
  }
  std::size_t bytesAvailable() override { return inner_.bytesAvailable(); }
  tavu::Bytes read(std::size_t count) override {
    tavu::Bytes bytes = inner_.read(count);
    received += bytes.size();
    return bytes;
  }
  void clearError() override { inner_.clearError(); }
  std::string errorString() const override { return inner_.errorString(); }

  int frames = 0;
  std::size_t received = 0;

 private:
  tavu::platform::SerialPort& inner_;
  bool afterPause_ = false;
};

bool RunUntil(const std::function<bool()>& done, QDeadlineTimer deadline) {
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

}  // namespace

class SerialLinkTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void connectsAndPollsOverAPseudoTerminal();
  void pulledCableDropsTheLink();

 private:
  QProcess sim_;
  QString path_;
};

void SerialLinkTest::init() {
  sim_.start(QStringLiteral(TAVU_SIM_PROGRAM), {});
  QVERIFY2(sim_.waitForStarted(5000), qPrintable(sim_.errorString()));
  QDeadlineTimer deadline(5000);
  while (!sim_.canReadLine() && !deadline.hasExpired()) sim_.waitForReadyRead(100);
  path_ = QString::fromLocal8Bit(sim_.readLine()).trimmed();
  QVERIFY2(path_.startsWith(QLatin1String("/dev/")), qPrintable(path_));
}

void SerialLinkTest::cleanup() {
  if (sim_.state() != QProcess::NotRunning) {
    sim_.terminate();
    if (!sim_.waitForFinished(2000)) {
      sim_.kill();
      sim_.waitForFinished(2000);
    }
  }
}

struct RealLink {
  tavu::app::QtSerialPort serial;
  CountingPort port{serial};
  tavu::app::QtScheduler scheduler;
  tavu::testing::ScriptedDialogs dialogs;
  tavu::testing::MemoryStore settings;
  tavu::testing::FixedClock clock;
  tavu::platform::FixedLocale locale = tavu::platform::FixedLocale::Polish();
  tavu::testing::RecordingLinks links;
  tavu::testing::FixedScreen screen;
  tavu::platform::Platform view{port, scheduler, dialogs, settings, clock, locale, links, screen};
  tavu::Tool tool{view};

  const char* firstMessage() const { return dialogs.messages.empty() ? "" : dialogs.messages.front().c_str(); }
  bool connected() { return tool.model().StatusBar1[0].text.starts_with("TAVU ver. 5.09.11"); }
};

void SerialLinkTest::connectsAndPollsOverAPseudoTerminal() {
  RealLink link;
  link.tool.session().FormCreate();
  link.tool.session().zmien_port_COM(path_.toStdString());
  QVERIFY2(link.serial.isOpen(), link.serial.errorString().c_str());

  const QDeadlineTimer deadline(30'000);
  QVERIFY2(RunUntil([&] { return link.connected() || !link.dialogs.messages.empty(); }, deadline),
           qPrintable(QString::fromStdString(link.tool.model().StatusBar1[0].text)));
  QVERIFY2(link.dialogs.messages.empty(), link.firstMessage());
  QVERIFY(link.connected());

  // Twenty complete polls: every frame after the next one means the last reply came in.
  const int start = link.port.frames;
  QVERIFY(RunUntil([&] { return link.port.frames >= start + 21 || !link.dialogs.messages.empty(); }, deadline));
  QVERIFY2(link.dialogs.messages.empty(), link.firstMessage());
  QVERIFY(link.connected());
  QVERIFY(link.port.received > 20 * 4u);
  QVERIFY(link.tool.model().Polacz_switch.on);

  link.tool.session().FormClose();
  QVERIFY(!link.serial.isOpen());
  QCOMPARE(link.settings.values["ComPort1/Port"], path_.toStdString());
}

void SerialLinkTest::pulledCableDropsTheLink() {
  RealLink link;
  link.tool.session().FormCreate();
  link.tool.session().zmien_port_COM(path_.toStdString());
  const QDeadlineTimer deadline(30'000);
  QVERIFY(RunUntil([&] { return link.tool.model().Polacz_switch.on; }, deadline));  // polling

  // The other end goes away: the port errors, the reply never comes, the link
  // drops with its time-out message and nothing else happens.
  sim_.kill();
  sim_.waitForFinished(2000);
  QVERIFY(RunUntil([&] { return !link.dialogs.messages.empty(); }, deadline));
  QCOMPARE(link.dialogs.messages, std::vector<std::string>{"Time out - błąd w transmisji (Brak Strownika) "});
  QVERIFY(!link.tool.model().Polacz_switch.on);
  QVERIFY(!link.serial.isOpen());
}

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "serial_link_test.moc"
