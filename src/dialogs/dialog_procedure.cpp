#include "dialogs/dialog_procedure.h"

#include "resources/dialog_templates.h"

namespace mapedit {

DialogProcedure::DialogProcedure(int templateId) : template_(*findDialogTemplate(templateId)) {}

}  // namespace mapedit
