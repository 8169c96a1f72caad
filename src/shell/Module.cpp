#include "shell/Module.h"

#include "platform/AppContext.h"
#include "platform/MenuActions.h"
#include "shell/ChangePasswordWindow.h"
#include "shell/FunctionKeys.h"
#include "shell/HelpTopics.h"
#include "shell/InfoWindows.h"
#include "shell/LibrariansWindow.h"
#include "shell/LoginWindow.h"
#include "shell/ReaderCategoriesDialog.h"
#include "shell/ReferenceListsDialog.h"

namespace zentar::shell {

namespace {

template <typename Dialog, typename... Args> void showModal(platform::AppContext& ctx, Args&&... args)
{
    Dialog dialog(std::forward<Args>(args)...);
    ctx.host().showModal(&dialog);
}

} // namespace

void registerModule(platform::ModuleRegistry& registry)
{
    registry.schema.addSeeder(QStringLiteral("sugo"), seedHelpTopics);

    registry.windows.add(
        menu::ReaderCategories, [](platform::AppContext& ctx) { showModal<ReaderCategoriesDialog>(ctx, ctx); });
    registry.windows.add(
        menu::ReferenceLists, [](platform::AppContext& ctx) { showModal<ReferenceListsDialog>(ctx, ctx); });
    registry.windows.add(
        menu::FunctionKeys, [](platform::AppContext& ctx) { ctx.host().showChild(new FunctionKeysWindow(ctx)); });
    registry.windows.add(menu::Help, [](platform::AppContext& ctx) { showModal<HelpDialog>(ctx, ctx); });
    registry.windows.add(menu::Licence, [](platform::AppContext& ctx) { showModal<LicenceDialog>(ctx, ctx); });
    registry.windows.add(menu::About, [](platform::AppContext& ctx) { showModal<AboutDialog>(ctx); });

    registry.windows.add(menu::Login, [](platform::AppContext& ctx) { ctx.host().showChild(new LoginWindow(ctx)); });
    registry.windows.add(menu::Librarians, [](platform::AppContext& ctx) { showModal<LibrariansWindow>(ctx, ctx); });
    registry.windows.add(
        menu::ChangePassword, [](platform::AppContext& ctx) { ctx.host().showWindow(new ChangePasswordWindow(ctx)); });
}

} // namespace zentar::shell
