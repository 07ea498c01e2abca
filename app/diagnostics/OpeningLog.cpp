#include "diagnostics/OpeningLog.h"

namespace kirvo {

Q_LOGGING_CATEGORY(openingLog, "kirvo.open", QtWarningMsg)

}  // namespace kirvo
