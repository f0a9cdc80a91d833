#include "app/qt_serial_port.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QThread>
#include <QTimer>

namespace tavu::app {
namespace {

// The device file behind a port name: ttyUSB0 -> /dev/ttyUSB0; a path stays as it is.
QString DevicePath(const QString& name) {
  if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./")) || name.startsWith(QLatin1String("../")))
    return name;
  return QLatin1String("/dev/") + name;
}

std::string DescribeOpenFailure(QSerialPort::SerialPortError error, const QString& portName, const QString& detail) {
  const std::string name = portName.toStdString();
  const std::string busy = "The port " + name + " is busy: another program uses it. Close that program and try again.";
  switch (error) {
    case QSerialPort::PermissionError: {
#ifdef Q_OS_WIN
      return busy;  // Windows denies access to a port another program holds
#else
      const QFileInfo device(DevicePath(portName));
      if (device.exists() && !(device.isReadable() && device.isWritable()))
        return "Access to the port " + name + " is denied. Add your user to the 'dialout' group "
               "(sudo usermod -aG dialout $USER), then log out and in again.";
      return busy;  // readable and writable, yet refused: it is locked by another program
#endif
    }
    case QSerialPort::DeviceNotFoundError:
      return "The port " + name + " does not exist. Check the cable and choose a port from the list.";
    case QSerialPort::OpenError:
      return "The port " + name + " is already open.";
    default:
      break;
  }
  if (detail.contains(QLatin1String("busy"), Qt::CaseInsensitive)) return busy;
  return "The port " + name + " cannot be opened: " + detail.toStdString();
}

}  // namespace

QtSerialPort::QtSerialPort() {
  QObject::connect(&port_, &QSerialPort::readyRead, [this] { onReadyRead(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) { onError(e); });
}

QtSerialPort::~QtSerialPort() {
  QObject::disconnect(&port_, nullptr, nullptr, nullptr);
  port_.close();
}

std::optional<std::vector<std::string>> QtSerialPort::availablePorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names.push_back(info.portName().toStdString());
  return names;
}

bool QtSerialPort::open(const std::string& name) {
  if (port_.isOpen()) return true;
  openError_.clear();
  port_.setPortName(QString::fromStdString(name));
  if (port_.open(QIODevice::ReadWrite)) return true;
  openError_ = DescribeOpenFailure(port_.error(), QString::fromStdString(name), port_.errorString());
  port_.clearError();
  return false;
}

void QtSerialPort::close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool QtSerialPort::isOpen() const { return port_.isOpen(); }

bool QtSerialPort::isPseudoTerminal() const {
  return DevicePath(port_.portName()).startsWith(QLatin1String("/dev/pts/"));
}

void QtSerialPort::configure(const platform::LineSettings& settings) {
  if (!port_.isOpen()) return;
  if (!port_.setBaudRate(settings.baudRate) && isPseudoTerminal()) port_.clearError();  // a pty has no line rate
  port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
  port_.setParity(settings.parity ? QSerialPort::EvenParity : QSerialPort::NoParity);
  port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  port_.setFlowControl(settings.flowControl ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
  // A pseudo-terminal has no modem lines: these fail there, harmlessly.
  if (!port_.setDataTerminalReady(settings.dtr)) port_.clearError();
  if (!port_.setRequestToSend(settings.rts)) port_.clearError();
}

void QtSerialPort::write(const Bytes& piece) {
  if (!port_.isOpen() || piece.empty()) return;
  writing_ = true;
  port_.write(reinterpret_cast<const char*>(piece.data()), static_cast<qint64>(piece.size()));
  port_.waitForBytesWritten(WriteTimeoutMs(piece.size()));
  writing_ = false;
  if (readyDuringWrite_) {
    readyDuringWrite_ = false;
    QTimer::singleShot(0, &port_, [this] {
      if (port_.isOpen() && port_.bytesAvailable() > 0) notifyReceived(static_cast<std::size_t>(port_.bytesAvailable()));
    });
  }
}

void QtSerialPort::pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

std::size_t QtSerialPort::bytesAvailable() {
  return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0;
}

Bytes QtSerialPort::read(std::size_t count) {
  if (!port_.isOpen()) return {};
  const QByteArray data = port_.read(static_cast<qint64>(count));
  return Bytes(data.begin(), data.end());
}

void QtSerialPort::clearError() { port_.clearError(); }

std::string QtSerialPort::errorString() const {
  if (!openError_.empty()) return openError_;
  return port_.errorString().toStdString();
}

void QtSerialPort::onReadyRead() {
  if (writing_) {
    readyDuringWrite_ = true;
    return;
  }
  notifyReceived(static_cast<std::size_t>(port_.bytesAvailable()));
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
  // The device went away (cable pulled, pty closed). Its descriptor would keep
  // signalling, so the port is closed once the current event ends; the link's
  // reply time-out then drops the connection as for a silent controller.
  if (error == QSerialPort::ResourceError)
    QTimer::singleShot(0, &port_, [this] {
      if (port_.isOpen()) port_.close();
    });
}

}  // namespace tavu::app
