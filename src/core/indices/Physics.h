#pragma once

// The physics the formula families share, each constant with the value and precision its
// formulas have always used (no result depends on a spelling chosen here).

// Celsius to kelvin as the formulas write it: 273 K (the dew-point formula of the vapour pressure
// keeps its own 273.16 K, the triple point of water).
inline constexpr int KelvinOffset = 273;

// The Stefan–Boltzmann constant σ [W m⁻² K⁻⁴] times the emissivity ε = 0.95 of skin and clothing,
// in the spellings of the formulas that use it.
// σ = 5.67·10⁻⁸: the long-wave emission of the skin (double) and the solar radiation absorbed by a
// person from the mean radiant temperature (single).
inline constexpr double SigmaEpsilon = 5.3865e-8;
inline constexpr float SigmaEpsilonSingle = 5.3865e-8f;
// σ = 5.667·10⁻⁸: the clothing surface under the adapted skin temperature (single) and, as the
// reciprocal in extended precision, the mean radiant temperature.
inline constexpr float SigmaEpsilonSurface = 5.38365e-8f;
inline constexpr long double InverseSigmaEpsilonMrt = 18574758.760320604L;   // 1/(0.95 · 5.667·10⁻⁸)
// 1/5.386·10⁻⁸ in extended precision: the subjective temperature index.
inline constexpr long double InverseSigmaEpsilonSti = 18566654.28889714L;
