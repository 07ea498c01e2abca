#include "diagnostics/ReusedDialog.h"

namespace kirvo {

int ReusedDialog::ExecAndRelease()
{
    const int result = exec();
    destroy();
    return result;
}

}  // namespace kirvo
