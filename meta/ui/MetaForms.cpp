#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerMetaForms(Forms&) {}
}  // namespace vrh
