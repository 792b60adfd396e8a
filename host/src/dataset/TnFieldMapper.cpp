#include "host/TnFieldMapper.h"

#include "host/TnClientDataSet.h"
#include "host/TnFieldMap.h"

namespace host {

namespace {

// Clears the map's binding however DeclararCampos ends.
class BindingScope {
public:
    BindingScope(TnClientDataSet*& binding, TnClientDataSet& dataset) : binding_(binding) { binding_ = &dataset; }
    ~BindingScope() { binding_ = nullptr; }
    BindingScope(const BindingScope&) = delete;
    BindingScope& operator=(const BindingScope&) = delete;

private:
    TnClientDataSet*& binding_;
};

}  // namespace

void TnFieldMapper::MapearFields(TnClientDataSet& dataset, TnFieldMap& map)
{
    const BindingScope scope(map.binding_, dataset);
    map.DeclararCampos();
}

}  // namespace host
