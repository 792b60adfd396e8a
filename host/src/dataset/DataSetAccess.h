#pragma once

#include "DataSetCore.h"
#include "host/TnClientDataSet.h"

#include <cstddef>

namespace host {

// What tests may observe of a dataset's inside.
struct DataSetAccess {
    static std::size_t indexBuilds(const TnClientDataSet& dataset) { return dataset.core_->indexBuilds(); }
};

}  // namespace host
