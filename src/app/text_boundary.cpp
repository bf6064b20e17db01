#include "app/text_boundary.h"

namespace lumora {

std::string FromWidgetText(const QString& text) {
  QString crlf = text;
  crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  crlf.replace(QChar('\n'), QStringLiteral("\r\n"));
  // toUtf8 writes a character beyond the BMP as one four-byte sequence.
  return crlf.toUtf8().toStdString();
}

QString ToWidgetText(const std::string& text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace lumora
