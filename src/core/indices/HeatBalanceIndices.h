#pragma once

// Indices built on the heat balance: required sweat rate, heat stress index, sweat rate at a dry
// reference and the dehydration risk classes, heat load, physiological strain, subjective
// temperatures, the storage under the adapted skin temperature, the balance at standard activity
// and clothing, and the permissible exposure times.

#include "indices/Formula.h"

SALVENTO_FORMULA_KIND(TData_SWreq);
SALVENTO_FORMULA_KIND(TData_HSI);
SALVENTO_FORMULA_KIND(TData_DhRa);
SALVENTO_FORMULA_KIND(TData_DhRna);
SALVENTO_FORMULA_KIND(TData_PhS);
SALVENTO_FORMULA_KIND(TData_HL);
SALVENTO_FORMULA_KIND(TData_STI);
SALVENTO_FORMULA_KIND(TData_SW);
SALVENTO_FORMULA_KIND(TData_PST);
SALVENTO_FORMULA_KIND(TData_mS_w);
SALVENTO_FORMULA_KIND(TData_PSI);

// A permissible exposure time [min]; a negative time (no limit) is shown as a text.
class TExposureTime : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    ShownText FormatValue(float value) const override;
};

#define SALVENTO_EXPOSURE_KIND(Class)                                                                                  \
    class Class : public TExposureTime                                                                                 \
    {                                                                                                                  \
    public:                                                                                                            \
        using TExposureTime::TExposureTime;                                                                            \
        float Compute() override;                                                                                      \
    }

SALVENTO_EXPOSURE_KIND(TData_Oh_W);
SALVENTO_EXPOSURE_KIND(TData_Oh_H);
SALVENTO_EXPOSURE_KIND(TData_Oc_W);
SALVENTO_EXPOSURE_KIND(TData_Oc_H);
