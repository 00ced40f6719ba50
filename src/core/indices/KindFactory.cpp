#include "core/indices/KindFactory.h"

#include "core/base/Catalogue.h"
#include "core/data/AbstractData.h"
#include "core/indices/HeatBalance.h"
#include "core/indices/HeatBalanceIndices.h"
#include "core/indices/Humidity.h"
#include "core/indices/Iterative.h"
#include "core/indices/SimpleIndices.h"
#include "core/indices/Suitability.h"
#include "core/indices/SunAndRadiation.h"
#include "core/indices/Utci.h"
#include "core/indices/Weather.h"

namespace {

template <class Kind> std::unique_ptr<TAbstractData> Make(const DataManager& owner, int id)
{
    const TKindEntry& entry = KindCatalogue[std::size_t(id)];
    return std::make_unique<Kind>(owner, QString::fromLatin1(entry.ShortName), id, entry.IsInteger);
}

// Kinds whose class fixes its own parameters (integer flag, search settings, score column).
template <class Kind> std::unique_ptr<TAbstractData> MakeFixed(const DataManager& owner, int id)
{
    return std::make_unique<Kind>(owner, QString::fromLatin1(KindCatalogue[std::size_t(id)].ShortName), id);
}

}   // namespace

std::unique_ptr<TAbstractData> CreateKind(const DataManager& owner, int id)
{
    switch (id) {
    case kind::Tg:
        return Make<TData_Tg>(owner, id);
    case kind::e:
        return Make<TData_e>(owner, id);
    case kind::f:
        return Make<TData_f>(owner, id);
    case kind::hSl:
        return Make<TData_hSl>(owner, id);
    case kind::Kglob:
        return Make<TData_Kglob>(owner, id);
    case kind::Kref:
        return Make<TData_Kref>(owner, id);
    case kind::Ts:
        return Make<TData_Ts>(owner, id);
    case kind::Icl:
        return Make<TData_Icl>(owner, id);
    case kind::N:
        return Make<TData_N>(owner, id);
    case kind::Tek:
        return Make<TData_Tek>(owner, id);
    case kind::TE:
        return Make<TData_TE>(owner, id);
    case kind::TRE:
        return Make<TData_TRE>(owner, id);
    case kind::i:
        return Make<TData_i>(owner, id);
    case kind::SB:
        return Make<TData_SB>(owner, id);
    case kind::WCI:
        return Make<TData_WCI>(owner, id);
    case kind::WCT:
        return Make<TData_WCT>(owner, id);
    case kind::Humidex:
        return Make<TData_Humidex>(owner, id);
    case kind::H:
        return Make<TData_H>(owner, id);
    case kind::WBGT:
        return Make<TData_WBGT>(owner, id);
    case kind::Rprim:
        return Make<TData_Rprim>(owner, id);
    case kind::mR:
        return Make<TData_mR>(owner, id);
    case kind::mC:
        return Make<TData_mC>(owner, id);
    case kind::mE:
        return Make<TData_mE>(owner, id);
    case kind::mL:
        return Make<TData_mL>(owner, id);
    case kind::mRes:
        return Make<TData_mRes>(owner, id);
    case kind::mQ:
        return Make<TData_mQ>(owner, id);
    case kind::mS:
        return Make<TData_mS>(owner, id);
    case kind::STI:
        return Make<TData_STI>(owner, id);
    case kind::pC:
        return Make<TData_pC>(owner, id);
    case kind::pL:
        return Make<TData_pL>(owner, id);
    case kind::pE:
        return Make<TData_pE>(owner, id);
    case kind::pRes:
        return Make<TData_pRes>(owner, id);
    case kind::pPhS:
        return Make<TData_pPhS>(owner, id);
    case kind::pHSI:
        return Make<TData_pHSI>(owner, id);
    case kind::pSTI:
        return Make<TData_pSTI>(owner, id);
    case kind::pHL:
        return Make<TData_pHL>(owner, id);
    case kind::HL:
        return Make<TData_HL>(owner, id);
    case kind::SW:
        return Make<TData_SW>(owner, id);
    case kind::DhRa:
        return Make<TData_DhRa>(owner, id);
    case kind::DhRna:
        return Make<TData_DhRna>(owner, id);
    case kind::STE:
        return MakeFixed<TData_STE>(owner, id);
    case kind::PSI:
        return Make<TData_PSI>(owner, id);
    case kind::SST:
        return Make<TData_SST>(owner, id);
    case kind::Mrt:
        return Make<TData_Mrt>(owner, id);
    case kind::PST:
        return Make<TData_PST>(owner, id);
    case kind::HR:
        return Make<TData_HR>(owner, id);
    case kind::MHR:
        return Make<TData_MHR>(owner, id);
    case kind::SWreq:
        return Make<TData_SWreq>(owner, id);
    case kind::HSI:
        return Make<TData_HSI>(owner, id);
    case kind::PMV:
        return Make<TData_PMV>(owner, id);
    case kind::ECI:
        return MakeFixed<TData_ECI>(owner, id);
    case kind::Iclp:
        return Make<TData_Iclp>(owner, id);
    case kind::PhS:
        return Make<TData_PhS>(owner, id);
    case kind::Oh_W:
        return Make<TData_Oh_W>(owner, id);
    case kind::Oh_H:
        return Make<TData_Oh_H>(owner, id);
    case kind::Oc_W:
        return Make<TData_Oc_W>(owner, id);
    case kind::Oc_H:
        return Make<TData_Oc_H>(owner, id);
    case kind::W_Prec:
        return Make<TData_W_Prec>(owner, id);
    case kind::W_Snow:
        return Make<TData_W_Snow>(owner, id);
    case kind::W_Sens:
        return Make<TData_W_Sens>(owner, id);
    case kind::W_Rad:
        return Make<TData_W_Rad>(owner, id);
    case kind::W_Strain:
        return Make<TData_W_Strain>(owner, id);
    case kind::W_Sult:
        return Make<TData_W_Sult>(owner, id);
    case kind::dt:
        return Make<TData_dt>(owner, id);
    case kind::W_TAmp:
        return Make<TData_W_TAmp>(owner, id);
    case kind::Weather:
        return Make<TData_Weather>(owner, id);
    case kind::WSI_SB:
        return MakeFixed<TData_WSI_SB>(owner, id);
    case kind::WSI_AB:
        return MakeFixed<TData_WSI_AB>(owner, id);
    case kind::WSI_MR:
        return MakeFixed<TData_WSI_MR>(owner, id);
    case kind::WSI_AR:
        return MakeFixed<TData_WSI_AR>(owner, id);
    case kind::WSI_ST:
        return MakeFixed<TData_WSI_ST>(owner, id);
    case kind::UTCI:
        return Make<TData_UTCI>(owner, id);
    case kind::Ereq:
        return Make<TData_Ereq>(owner, id);
    case kind::d:
        return Make<TData_d>(owner, id);
    case kind::dprim:
        return Make<TData_dprim>(owner, id);
    case kind::w:
        return Make<TData_w>(owner, id);
    case kind::T3:
        return Make<TData_T3>(owner, id);
    case kind::hc:
        return Make<TData_hc>(owner, id);
    case kind::he:
        return Make<TData_he>(owner, id);
    case kind::Ie:
        return Make<TData_Ie>(owner, id);
    case kind::Irc:
        return Make<TData_Irc>(owner, id);
    case kind::LgLa:
        return Make<TData_LgLa>(owner, id);
    case kind::Ls:
        return Make<TData_Ls>(owner, id);
    case kind::esk:
        return Make<TData_esk>(owner, id);
    case kind::mS_w:
        return Make<TData_mS_w>(owner, id);
    default:
        return Make<TAbstractData>(owner, id);   // the inputs
    }
}
