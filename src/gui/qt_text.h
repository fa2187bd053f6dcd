#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "text/cp1252.h"

namespace ravnelok::gui {

// Windows-1252 bytes to a QString and back; a character Windows-1252 cannot hold becomes "?".
inline QString Q(const std::string& bytes) {
  return QString::fromStdString(cp1252::ToUtf8(bytes));
}
inline std::string W(const QString& text) {
  return cp1252::FromUtf8(text.toStdString());
}

// A window title: an empty one is a single blank, since the platform puts the program's name
// into a title left empty.
inline QString Title(const std::string& caption) {
  return caption.empty() ? QStringLiteral(" ") : Q(caption);
}

// A font the program names: asked for by name, with a style hint so that the system's
// substitute is used. `pixel_size` wins over `point_size` when it is positive.
inline QFont NamedFont(const char* family, int point_size, bool bold, bool fixed_pitch,
                       int pixel_size = 0) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(fixed_pitch ? QFont::TypeWriter : QFont::SansSerif);
  font.setFixedPitch(fixed_pitch);
  if (pixel_size > 0) {
    font.setPixelSize(pixel_size);
  } else {
    font.setPointSize(point_size);
  }
  font.setBold(bold);
  return font;
}

}  // namespace ravnelok::gui
