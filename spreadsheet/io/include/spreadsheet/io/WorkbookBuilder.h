#pragma once

#include "ImportSink.h"

#include <spreadsheet/Limits.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace spreadsheet {
class Sheet;
class Workbook;
}

namespace spreadsheet::io {

// Builds a workbook from what a reader hands over. Formulas are parsed only
// at the end, when every sheet they may name exists. What the workbook will
// take in memory is estimated cell by cell, and the file is refused as soon
// as the estimate passes the budget: a damaged or hostile file claiming
// millions of cells fails with a message instead of exhausting memory.
class WorkbookBuilder : public ImportSink {
public:
    explicit WorkbookBuilder(std::int64_t memoryBudget = limits::kLoadBytes);
    ~WorkbookBuilder() override;

    int addSheet(const QString& name) override;
    void setValue(int sheet, int row, int column, const Value& value) override;
    void expectFormulas(std::size_t count) override { formulas_.reserve(formulas_.size() + count); }
    void setFormula(int sheet, int row, int column, const QString& text, const Value& cached) override;
    void setArrayFormula(int sheet, const CellRange& area, const QString& text, const Value& cached,
                         bool spills) override;
    void setStyle(int sheet, int row, int column, const CellStyle& style) override;
    void setRowFormat(int sheet, int row, int heightPixels, bool hidden) override;
    void setPageBreak(int sheet, int row) override;
    void setSheetDefaultStyle(int sheet, const CellStyle& style) override;
    void setColumnFormat(int sheet, int column, int widthPixels, bool hidden) override;
    void addMerge(int sheet, const CellRange& area) override;
    void defineName(const QString& name, const QString& reference) override;
    void setActiveSheet(int sheet) override;
    void declareStyles(const std::vector<CellStyle>& styles) override;
    void setStyleIndex(int sheet, int row, int column, int index) override;
    void setSheetView(int sheet, TriState gridLines, TriState headers, TriState showFormulas,
                      const CellRange& selection) override;
    void setWorkbookOptions(bool r1c1, bool automaticCalculation, bool sheetTabsVisible) override;
    void warn(const QString& message) override { warnings_.push_back(message); }
    void calculateAfterLoading() override { calculate_ = true; }
    void setPrintSettings(const PrintSettings& print) override { print_ = print; }

    // The finished workbook: formulas parsed, history empty and on, values as
    // the file cached them (nothing is recalculated unless the reader asked).
    std::unique_ptr<Workbook> finish();
    // What the file held that the workbook could not take, in Portuguese.
    const std::vector<QString>& warnings() const { return warnings_; }
    const std::optional<PrintSettings>& printSettings() const { return print_; }

private:
    struct PendingFormula {
        int sheet;
        int row;
        int column;
        QString text;
        Value cached;
        CellRange area;      // an array formula's range; the formula's cell alone otherwise
        bool fixed = false;  // entered over the range ({=...}) rather than spilling
    };
    Sheet& sheetAt(int index) const;
    void spend(std::int64_t bytes);

    std::unique_ptr<Workbook> workbook_;
    std::vector<PendingFormula> formulas_;
    std::vector<std::pair<int, CellRange>> merges_;
    std::vector<QString> warnings_;
    std::optional<PrintSettings> print_;
    int activeSheet_ = 0;
    bool automaticCalculation_ = true;
    bool calculate_ = false;
    std::vector<std::uint32_t> declaredStyles_;
    std::int64_t budget_;
    std::int64_t spent_ = 0;
};

}  // namespace spreadsheet::io
