#pragma once

namespace host {

class TnClientDataSet;
class TnFieldMap;

// Binds every field a map declares to the dataset field of that name,
// ignoring case; a declared field the dataset lacks raises HostError.
class TnFieldMapper {
public:
    static void MapearFields(TnClientDataSet& dataset, TnFieldMap& map);
};

}  // namespace host
