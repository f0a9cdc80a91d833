#pragma once
// What the drawn instruments share: the mapping of a value onto a scale, the
// face colours, and the painter set-up that keeps them crisp at any size.
#include <QColor>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <initializer_list>

namespace tavu::ui::instrument {

// Where value lies between minimum and maximum, from 0 to 1. Values outside the
// range, a NaN and an empty or inverted range are held inside [0, 1], so an
// instrument never draws outside itself.
double Fraction(double value, double minimum, double maximum);

// The value of the k-th of `steps` equal divisions of the range (k = 0 .. steps).
double ScaleValue(int k, int steps, double minimum, double maximum);

// value with `decimals` decimals, halves to even, no thousands grouping, no "-0".
QString FormatNumber(double value, int decimals, const QLocale& locale = QLocale());

// The trimmed texts that are not empty, joined by single spaces.
QString JoinNonEmpty(std::initializer_list<QString> texts);

// A scale label: the value with at most `maxDecimals` decimals and no trailing
// zeros ("0", "1,25", "2,5").
QString FormatTick(double value, const QLocale& locale = QLocale(), int maxDecimals = 2);

namespace colors {
inline const QColor kFace{0x1c, 0x1f, 0x24};      // instrument face
inline const QColor kBezel{0x4a, 0x4f, 0x57};     // rim around a face
inline const QColor kMarking{0xe6, 0xe8, 0xeb};   // scale marks and text
inline const QColor kDimMarking{0x8c, 0x93, 0x9c};
inline const QColor kNeedle{0xff, 0x8a, 0x1e};
inline const QColor kReadout{0x7c, 0xf2, 0x9c};   // digital figures
}  // namespace colors

// A painter with antialiasing on, for a widget's paint event.
void Prepare(QPainter& p);

// A rounded face with a bezel, filling rect.
void DrawFace(QPainter& p, const QRectF& rect, qreal radius);

// The widget's font at `scale` times its size (never below 6 pt), for markings
// that grow with the instrument.
QFont ScaledFont(const QFont& base, double scale);

}  // namespace tavu::ui::instrument
