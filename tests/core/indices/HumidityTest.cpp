#include "support/KindRow.h"

#include "indices/Humidity.h"

#include <gtest/gtest.h>
