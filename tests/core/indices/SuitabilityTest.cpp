#include "support/KindRow.h"

#include "indices/Suitability.h"

#include <gtest/gtest.h>
