#pragma once

#include <memory>

class DataManager;
class TAbstractData;

// Creates the data kind with identifier `id` (0…107), of the class its formula needs; the kind
// loads its configuration from the owner's INI file.
std::unique_ptr<TAbstractData> CreateKind(DataManager& owner, int id);
