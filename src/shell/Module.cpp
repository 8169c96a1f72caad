#include "shell/Module.h"

#include "platform/AppContext.h"
#include "platform/MenuActions.h"
#include "shell/ChangePasswordWindow.h"
#include "shell/LibrariansWindow.h"
#include "shell/LoginWindow.h"

namespace zentar::shell {

void registerModule(platform::ModuleRegistry& registry)
{
    registry.windows.add(menu::Login, [](platform::AppContext& ctx) { ctx.host().showChild(new LoginWindow(ctx)); });
    registry.windows.add(menu::Librarians, [](platform::AppContext& ctx) {
        LibrariansWindow window(ctx);
        ctx.host().showModal(&window);
    });
    registry.windows.add(menu::ChangePassword,
                         [](platform::AppContext& ctx) { ctx.host().showWindow(new ChangePasswordWindow(ctx)); });
}

} // namespace zentar::shell
