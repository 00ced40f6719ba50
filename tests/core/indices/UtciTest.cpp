#include "support/KindRow.h"

#include "indices/Utci.h"

#include <gtest/gtest.h>
