#include "indices/HeatBalance.h"

float TData_hc::Compute()
{
    return NoValue;
}

float TData_he::Compute()
{
    return NoValue;
}

float TData_d::Compute()
{
    return NoValue;
}

float TData_dprim::Compute()
{
    return NoValue;
}

float TData_T3::Compute()
{
    return NoValue;
}

float TData_Ie::Compute()
{
    return NoValue;
}

float TData_Irc::Compute()
{
    return NoValue;
}

float TData_Ts::Compute()
{
    return NoValue;
}

float TData_w::Compute()
{
    return NoValue;
}

float TData_esk::Compute()
{
    return NoValue;
}

float TData_Ls::Compute()
{
    return NoValue;
}

float TData_mR::Compute()
{
    return NoValue;
}

float TData_mC::Compute()
{
    return NoValue;
}

float TData_mE::Compute()
{
    return NoValue;
}

float TData_mL::Compute()
{
    return NoValue;
}

float TData_mRes::Compute()
{
    return NoValue;
}

float TData_mQ::Compute()
{
    return NoValue;
}

float TData_mS::Compute()
{
    return NoValue;
}

float TData_Ereq::Compute()
{
    return NoValue;
}
