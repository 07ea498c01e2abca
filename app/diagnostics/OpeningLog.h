// The log of the files the game opens and the browser comes up on, one line each on the standard
// error. It is silent unless asked for: QT_LOGGING_RULES="kirvo.open.info=true".
#pragma once

#include <QLoggingCategory>

namespace kirvo {

Q_DECLARE_LOGGING_CATEGORY(openingLog)

}  // namespace kirvo
