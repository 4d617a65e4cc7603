#pragma once

#include "budget/CRollUp.h"

#include <QString>
#include <vector>

// The roll-up of one decomposition, settled. The roll-up re-prices the
// percentage lines from the last to the first, so a percentage that applies
// to an earlier one ("%CI" after "%MA") counts it with the amount it had
// before; repeating it until no price moves gives every percentage line the
// amounts of all the lines before it, as FIEBDC-3 applies them, and a
// budget in that state keeps its amounts through the next roll-up.
// Returns the parent's price.
QString SettledRollUp(std::vector<CRollUp::Sibling>& siblings);
