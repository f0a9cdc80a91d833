#pragma once
// A two-channel recorder: each call of addSample() appends one value per
// channel; the newest sample stands at the right edge and older ones move left,
// one sampleSpacing() apart. Each channel has its own name, unit, full scale and
// colour; channel 0's scale is on the left, channel 1's on the right, over a
// common grid. The history keeps the last capacity() samples.
#include <QColor>
#include <QLocale>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "ui/instruments/instrument_accessibility.h"

namespace tavu::ui {

class TrendRecorder : public QWidget, public AccessibleInstrument {
  Q_OBJECT
 public:
  static constexpr int kChannels = 2;
  static constexpr int kDefaultCapacity = 2000;
  static constexpr int kGridRows = 5;
  static constexpr int kGridColumns = 10;

  struct Channel {
    QString name = QStringLiteral(" ");
    QString unit = QStringLiteral(" ");
    double minimum = 0;
    double maximum = 50;
    QColor color;
    int decimals = 0;
  };

  explicit TrendRecorder(QWidget* parent = nullptr);

  // The height of a value in the plot, 0 (bottom) .. 1 (top), held at the edges.
  static double yFraction(double value, double minimum, double maximum);

  void addSample(double a, double b);
  void clear();
  int sampleCount() const { return count_; }
  int capacity() const { return static_cast<int>(ring_.size()); }
  // Keeps the newest samples that fit; at least 1.
  void setCapacity(int samples);
  // Channel c's history, oldest first.
  std::vector<double> history(int channel) const;
  // The sample `age` steps before the newest (0 = newest).
  double sample(int channel, int age) const;

  void setChannel(int channel, const Channel& settings);
  const Channel& channel(int channel) const { return channels_.at(static_cast<std::size_t>(channel)); }
  void setChannelName(int channel, const QString& name);
  void setChannelUnit(int channel, const QString& unit);
  void setChannelRange(int channel, double minimum, double maximum);
  void setChannelColor(int channel, const QColor& color);
  void setChannelDecimals(int channel, int decimals);
  void setSampleSpacing(double pixels);  // > 0
  double sampleSpacing() const { return spacing_; }
  void setCaption(const QString& caption);  // for assistive technology
  QString caption() const { return caption_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  QAccessible::Role accessibleRole() const override { return QAccessible::Chart; }
  QString accessibleCaption() const override;
  // The newest value of each channel with its name and unit.
  QString accessibleValueText() const override;
  bool hasAccessibleValue() const override { return false; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Channel& at(int channel) { return channels_.at(static_cast<std::size_t>(channel)); }
  QString description(int channel) const;

  std::array<Channel, kChannels> channels_;
  std::vector<std::array<double, kChannels>> ring_;
  int head_ = 0;   // where the next sample goes
  int count_ = 0;  // samples held
  double spacing_ = 1.0;
  QString caption_;
};

}  // namespace tavu::ui
