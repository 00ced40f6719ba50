#pragma once

#include <memory>

class DataManager;
class TAbstractData;

// Creates the data kind with identifier `id` (0…107), of the class its formula needs: the
// KindCreator the DataManager is made with.
std::unique_ptr<TAbstractData> CreateKind(const DataManager& owner, int id);
