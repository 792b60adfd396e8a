#pragma once

namespace host {

// Whatever a dataset's producer needs to load the same rows again. The
// dataset keeps it and never looks inside.
class DataSetSource {
public:
    virtual ~DataSetSource() = default;
};

}  // namespace host
