// A snapshot of everything a command may change in the editor (every control's text, check state,
// colour and enabled flag, the held tails, the current ROM image), for asserting "nothing changed".
#pragma once

#include "commands/editor.h"

#include <QStringList>

namespace vertiloom::test {

QStringList snapshot(const Editor& editor);

} // namespace vertiloom::test
