// The TAVU service tool: builds the Qt adapters, the tool and its window, and
// runs the event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "app/tool_app.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "ui/instruments/instrument_accessibility.h"

namespace {

using Options = tavu::app::ToolOptions;

// Parses the command line; exits for --help, --version and bad options.
Options ParseCommandLine(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Service tool for TAVU gas-injection controllers."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption port(QStringLiteral("port"),
                                QStringLiteral("Connect at start to the serial port NAME (ttyUSB0, COM3, /dev/pts/7)."),
                                QStringLiteral("NAME"));
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Offer a built-in simulated controller as the port \"%1\" and connect "
                                               "to it.")
                                    .arg(QString::fromLatin1(tavu::sim::kDemoPortName)));
  const QCommandLineOption firmware(QStringLiteral("demo-firmware"),
                                    QStringLiteral("Firmware of the simulated controller: 3.7.7 or 5.9.11."),
                                    QStringLiteral("VERSION"), QStringLiteral("5.9.11"));
  const QCommandLineOption fault(QStringLiteral("demo-fault"),
                                 QStringLiteral("A fault of the simulated controller (silence, wrong-echo, "
                                                "chunks=N ...)."),
                                 QStringLiteral("NAME"));
  parser.addOptions({port, demo, firmware, fault});
  parser.process(app);

  Options options;
  options.port = parser.value(port);
  options.demo = parser.isSet(demo) || parser.isSet(firmware) || parser.isSet(fault);
  const QString version = parser.value(firmware);
  if (version != QLatin1String("3.7.7") && version != QLatin1String("5.9.11")) {
    std::fprintf(stderr, "Unknown demo firmware %s: use 3.7.7 or 5.9.11.\n", qPrintable(version));
    std::exit(2);
  }
  options.demoOptions.firmware = version.toStdString();
  if (parser.isSet(fault) && !tavu::sim::ParseFault(parser.value(fault).toStdString(), options.demoOptions)) {
    std::fprintf(stderr, "Unknown demo fault %s.\n", qPrintable(parser.value(fault)));
    std::exit(2);
  }
  if (options.demo && options.port.isEmpty()) options.port = QString::fromLatin1(tavu::sim::kDemoPortName);
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TAVU"));
  QApplication::setApplicationDisplayName(QStringLiteral("TAVU"));
  QApplication::setOrganizationName(QStringLiteral("TAVU"));
  QApplication::setApplicationVersion(QStringLiteral(TAVU_VERSION));
  const Options options = ParseCommandLine(app);
  tavu::ui::InstallInstrumentAccessibility();

  tavu::app::ToolApp tool(options);
  tool.show();
  return app.exec();
}
