#pragma once

namespace host {

class TnClientDataSet;
class TnField;

// A plain object whose members are fields of one dataset, bound by name.
// A map declares its members in DeclararCampos with one Campo call each.
class TnFieldMap {
public:
    TnFieldMap() = default;
    TnFieldMap(const TnFieldMap&) = delete;
    TnFieldMap& operator=(const TnFieldMap&) = delete;
    virtual ~TnFieldMap() = default;

protected:
    friend class TnFieldMapper;
    virtual void DeclararCampos() = 0;
    void Campo(const char* name, TnField*& slot);

private:
    // Only set while TnFieldMapper binds this map.
    TnClientDataSet* binding_ = nullptr;
};

}  // namespace host
