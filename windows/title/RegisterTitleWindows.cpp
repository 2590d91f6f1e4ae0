#include "windows/title/CreditsWindow.h"
#include "windows/title/KeyConfigWindow.h"
#include "windows/title/TitleMenuWindow.h"
#include "windows/title/OptionsWindow.h"
#include "windows/title/StartupWindow.h"
#include "ui/Forms.h"
#include "windows/RegisterWindows.h"

namespace vrh {
void registerTitleWindows(Forms& forms) {
    forms.setFactory(FormId::startup, [](Forms& f) -> Form* { return new StartupWindow(f); });
    forms.setFactory(FormId::titleMenu, [](Forms& f) -> Form* { return new TitleMenuWindow(f); });
    forms.setFactory(FormId::options, [](Forms& f) -> Form* { return new OptionsWindow(f); });
    forms.setFactory(FormId::keyConfig, [](Forms& f) -> Form* { return new KeyConfigWindow(f); });
    forms.setFactory(FormId::credits, [](Forms& f) -> Form* { return new CreditsWindow(f); });
}
}  // namespace vrh
