#include "indices/SimpleIndices.h"

float TData_Icl::Compute()
{
    return NoValue;
}

float TData_Tek::Compute()
{
    return NoValue;
}

float TData_TE::Compute()
{
    return NoValue;
}

float TData_TRE::Compute()
{
    return NoValue;
}

float TData_i::Compute()
{
    return NoValue;
}

float TData_SB::Compute()
{
    return NoValue;
}

float TData_WCI::Compute()
{
    return NoValue;
}

float TData_WCT::Compute()
{
    return NoValue;
}

float TData_Humidex::Compute()
{
    return NoValue;
}

float TData_H::Compute()
{
    return NoValue;
}

float TData_WBGT::Compute()
{
    return NoValue;
}

float TData_MHR::Compute()
{
    return NoValue;
}

float TData_SST::Compute()
{
    return NoValue;
}

float TData_Iclp::Compute()
{
    return NoValue;
}

float TData_pC::Compute()
{
    return NoValue;
}

float TData_pL::Compute()
{
    return NoValue;
}

float TData_pE::Compute()
{
    return NoValue;
}

float TData_pRes::Compute()
{
    return NoValue;
}

float TData_pPhS::Compute()
{
    return NoValue;
}

float TData_pHSI::Compute()
{
    return NoValue;
}

float TData_pSTI::Compute()
{
    return NoValue;
}

float TData_pHL::Compute()
{
    return NoValue;
}

float TData_PMV::Compute()
{
    return NoValue;
}

float TData_HR::Compute()
{
    return NoValue;
}

ShownText TData_HR::FormatValue(float value) const
{
    return TAbstractData::FormatValue(value);
}
