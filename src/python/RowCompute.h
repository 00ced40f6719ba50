#pragma once

#include <cstddef>
#include <functional>
#include <vector>

class DataManager;

// One input column of a computation: the kind it gives and its value in every row, or one value
// that stands for every row (`Values` null).
struct InputColumn
{
    int Id = 0;
    const float* Values = nullptr;
    float Scalar = 0.0f;
};

// Evaluates `rows` rows as the calculation command does: in each row every input's value is set as a
// source table's cell would be (NaN and infinities become the missing-value marker), then the kinds of
// `indices` are computed in identifier order. The results go to `outputs` (one array of `rows` floats
// per index, in the order of `indices`; NaN where a kind gives no value). The rows are split among
// `threads` threads, each with its own evaluation state. An exception in any of them (a formula's
// FileError for an unreadable WSI.INI) stops every thread and is thrown again here. `stop`, when
// given, is asked on the calling thread after each block of rows; when it says so, every thread stops
// and false is returned (the results are then incomplete).
bool ComputeRows(const DataManager& kinds, const std::vector<InputColumn>& inputs, const std::vector<int>& indices,
                 std::size_t rows, int threads, const std::vector<float*>& outputs,
                 const std::function<bool()>& stop = {});
