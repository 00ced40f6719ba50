#include "support/KindRow.h"

#include "indices/Iterative.h"

#include <gtest/gtest.h>
