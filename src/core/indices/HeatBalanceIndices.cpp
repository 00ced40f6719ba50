#include "indices/HeatBalanceIndices.h"

float TData_SWreq::Compute()
{
    return NoValue;
}

float TData_HSI::Compute()
{
    return NoValue;
}

float TData_DhRa::Compute()
{
    return NoValue;
}

float TData_DhRna::Compute()
{
    return NoValue;
}

float TData_PhS::Compute()
{
    return NoValue;
}

float TData_HL::Compute()
{
    return NoValue;
}

float TData_STI::Compute()
{
    return NoValue;
}

float TData_SW::Compute()
{
    return NoValue;
}

float TData_PST::Compute()
{
    return NoValue;
}

float TData_mS_w::Compute()
{
    return NoValue;
}

float TData_PSI::Compute()
{
    return NoValue;
}

float TData_Oh_W::Compute()
{
    return NoValue;
}

float TData_Oh_H::Compute()
{
    return NoValue;
}

float TData_Oc_W::Compute()
{
    return NoValue;
}

float TData_Oc_H::Compute()
{
    return NoValue;
}

ShownText TExposureTime::FormatValue(float value) const
{
    return TAbstractData::FormatValue(value);
}
