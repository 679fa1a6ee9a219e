#include "platform/SharedOpenDialog.h"

namespace tarvin {

std::optional<QString> SharedOpenDialog::Execute() {
    auto chosen = dialogs_.OpenFile(request_);
    if (chosen) request_.fileName = *chosen;
    return chosen;
}

} // namespace tarvin
