#include "indices/Utci.h"

const std::array<double, 210> UtciCoefficients = {};

float TData_UTCI::Compute()
{
    return NoValue;
}
