#include "app/Modules.h"

#include "acquisition/Module.h"
#include "catalogue/Module.h"
#include "circulation/Module.h"
#include "ill/Module.h"
#include "oldbooks/Module.h"
#include "periodicals/Module.h"
#include "registers/Module.h"
#include "retrieval/Module.h"
#include "shell/Module.h"
#include "statistics/Module.h"
#include "stockcontrol/Module.h"

namespace zentar::app {

void registerAllModules(platform::ModuleRegistry& registry)
{
    registry.schema.addCompiledScripts();
    shell::registerModule(registry);
    catalogue::registerModule(registry);
    registers::registerModule(registry);
    circulation::registerModule(registry);
    retrieval::registerModule(registry);
    periodicals::registerModule(registry);
    oldbooks::registerModule(registry);
    acquisition::registerModule(registry);
    stockcontrol::registerModule(registry);
    ill::registerModule(registry);
    statistics::registerModule(registry);
}

} // namespace zentar::app
