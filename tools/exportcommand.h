#pragma once

#include <QStringList>

// kinrow-tool export FAMILY OUT.ged [--lang tr|en]: the family as standard GEDCOM 5.5.1 in
// UTF-8. Returns 0 when written, 1 when the family cannot be read or the output not written,
// 2 on a usage error (after the usage text).
int ExportCommand(QStringList args);
