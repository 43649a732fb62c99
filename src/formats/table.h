// The game's tile codes as a table file, the form in which hex editors learn a game's characters.
#pragma once

#include <QByteArray>

namespace vertiloom {

// One line per tile code, "00=P" to "19=R" ("14= " for the blank): two upper-case hex digits, "=" and
// the character, in UTF-8, each line ended by "\n".
QByteArray tileTable();

} // namespace vertiloom
