#include "support/KindRow.h"

#include "indices/HeatBalance.h"

#include <gtest/gtest.h>
