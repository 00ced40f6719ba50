#include "support/KindRow.h"

#include "indices/SimpleIndices.h"

#include <gtest/gtest.h>
