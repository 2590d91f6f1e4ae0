#include "shell/ui/Forms.h"
#include "shell/ui/RegisterForms.h"

namespace vrh {
void registerGameForms(Forms&) {}
}  // namespace vrh
