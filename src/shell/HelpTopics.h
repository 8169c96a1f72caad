#pragma once

namespace zentar::db {
class Connection;
}

namespace zentar::shell {

// The delivered help topics: rows of `sugo` (id = display order, temakor, leiras as RTF).
void seedHelpTopics(db::Connection& connection);

} // namespace zentar::shell
