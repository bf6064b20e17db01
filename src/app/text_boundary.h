#pragma once
// Conversions at the widget boundary: our texts are UTF-8 with CR LF line
// ends; the widgets hold QStrings with LF.

#include <QString>
#include <string>

namespace lumora {

std::string FromWidgetText(const QString& text);
QString ToWidgetText(const std::string& text);

}  // namespace lumora
