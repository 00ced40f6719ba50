#include "support/KindRow.h"

#include <gtest/gtest.h>
