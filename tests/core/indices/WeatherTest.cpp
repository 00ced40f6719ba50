#include "support/KindRow.h"

#include "indices/Weather.h"

#include <gtest/gtest.h>
