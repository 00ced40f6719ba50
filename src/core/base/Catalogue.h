#pragma once

#include <array>

// Identifiers of the data kinds. 0…22 are inputs, 23…94 computed kinds that may also be table
// columns, 95…107 internal intermediates that tables never show.
namespace kind {
inline constexpr int t = 0, td = 1, N8 = 2, v = 3, v10m = 4, p = 5, M = 6, ac = 7, sex = 8, vprim = 9, ag = 10,
                     hour = 11, min = 12, month = 13, day = 14, lat = 15, Kdir = 16, Kdif = 17, tmax = 18, tmin = 19,
                     prec = 20, snow = 21, vis = 22;
inline constexpr int Tg = 23, e = 24, f = 25, hSl = 26, Kglob = 27, Kref = 28, Ts = 29, Icl = 30, N = 31, Tek = 32,
                     TE = 33, TRE = 34, i = 35, SB = 36, WCI = 37, WCT = 38, Humidex = 39, H = 40, WBGT = 41,
                     Rprim = 42, mR = 43, mC = 44, mE = 45, mL = 46, mRes = 47, mQ = 48, mS = 49, STI = 50, pC = 51,
                     pL = 52, pE = 53, pRes = 54, pPhS = 55, pHSI = 56, pSTI = 57, pHL = 58, HL = 59, SW = 60,
                     DhRa = 61, DhRna = 62, STE = 63, PSI = 64, SST = 65, Mrt = 66, PST = 67, HR = 68, MHR = 69,
                     SWreq = 70, HSI = 71, PMV = 72, ECI = 73, Iclp = 74, PhS = 75, Oh_W = 76, Oh_H = 77, Oc_W = 78,
                     Oc_H = 79, W_Prec = 80, W_Snow = 81, W_Sens = 82, W_Rad = 83, W_Strain = 84, W_Sult = 85, dt = 86,
                     W_TAmp = 87, Weather = 88, WSI_SB = 89, WSI_AB = 90, WSI_MR = 91, WSI_AR = 92, WSI_ST = 93,
                     UTCI = 94;
inline constexpr int Ereq = 95, d = 96, dprim = 97, w = 98, T3 = 99, hc = 100, he = 101, Ie = 102, Irc = 103,
                     LgLa = 104, Ls = 105, esk = 106, mS_w = 107;

inline constexpr int Count = 108;          // every kind
inline constexpr int ListedCount = 95;     // kinds 0…94: bound to columns, listed to users
inline constexpr int FirstComputed = 23;   // kinds below are inputs
}   // namespace kind

// Flags indexed by the identifier of a listed kind (0…94).
using KindFlags = std::array<bool, kind::ListedCount>;

struct TKindEntry
{
    const char* ShortName;
    bool IsInteger;   // shown with 0 decimals
};

// Short name and integer flag of every kind, indexed by identifier.
extern const std::array<TKindEntry, kind::Count> KindCatalogue;
