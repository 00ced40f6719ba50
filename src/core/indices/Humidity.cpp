#include "indices/Humidity.h"

float TData_e::Compute()
{
    return NoValue;
}

float TData_f::Compute()
{
    return NoValue;
}

float TData_Tg::Compute()
{
    return NoValue;
}

float TData_Kglob::Compute()
{
    return NoValue;
}

float TData_Kref::Compute()
{
    return NoValue;
}

float TData_hSl::Compute()
{
    return NoValue;
}

float TData_N::Compute()
{
    return NoValue;
}

float TData_Rprim::Compute()
{
    return NoValue;
}

float TData_LgLa::Compute()
{
    return NoValue;
}

float TData_Mrt::Compute()
{
    return NoValue;
}
