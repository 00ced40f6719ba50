#include "support/KindRow.h"

#include "indices/HeatBalanceIndices.h"

#include <gtest/gtest.h>
