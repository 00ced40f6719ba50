#pragma once

#include <vector>

class DataManager;

// The kinds whose values the formula of kind `id` asks for, in the order of first use: found by
// evaluating the formula on the typical values of the inputs, and once more with each of the kinds
// found missing in turn, so that what a formula reads only when something is missing is found too.
std::vector<int> KindReads(const DataManager& kinds, int id);
