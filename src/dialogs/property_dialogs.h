#pragma once

#include <memory>

#include "dialogs/dialog_subject.h"
#include "model/variant.h"
#include "platform/shell.h"

namespace mapedit {

// The dialog of the template on the subject; null when the template is
// unknown or the subject is not what that dialog edits.
std::unique_ptr<PropertyDialog> makePropertyDialog(int templateId, DialogSubject subject,
                                                   Variant variant);

}  // namespace mapedit
