#pragma once

#include <cstddef>

namespace spreadsheet {

class Workbook;

// One recorded change of an action, already applied to the workbook.
class Change {
public:
    virtual ~Change() = default;
    virtual void undo(Workbook& workbook) = 0;
    virtual void redo(Workbook& workbook) = 0;
    virtual std::size_t memoryUsage() const = 0;
};

}  // namespace spreadsheet
