#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerShellForms(Forms&) {}
}  // namespace vrh
