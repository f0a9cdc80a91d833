// From process start to the first painted main window, and the resident memory
// then: builds the tool exactly as `tavu --demo` does, waits for the window's
// first paint, prints both figures and exits. Time it as a whole process too.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "app/tool_app.h"
#include "ui/instruments/instrument_accessibility.h"

namespace {

// Milliseconds since the kernel started this process.
double SinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  const double startTicks = fields.value(19).toDouble();  // field 22 of the file
  timespec boot{};
  clock_gettime(CLOCK_BOOTTIME, &boot);
  const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Report once this paint has finished.
      QTimer::singleShot(0, [] {
        std::printf("first paint %.1f ms after process start, resident %ld kB\n", SinceProcessStart(), ResidentKb());
        QApplication::quit();
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tavu::ui::InstallInstrumentAccessibility();
  tavu::app::ToolOptions options;
  options.demo = true;
  options.port = QStringLiteral("demo");
  tavu::app::ToolApp tool(options);
  FirstPaint watch;
  tool.window().installEventFilter(&watch);
  tool.show();
  return app.exec();
}
