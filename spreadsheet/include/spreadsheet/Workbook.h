#pragma once

#include "CalculationFailure.h"
#include "DefinedName.h"
#include "History.h"
#include "Sheet.h"
#include "SpreadsheetError.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace spreadsheet {

class Calculator;
class Change;
class SheetListChange;
class StylePool;

// The object a workbook can carry for the functions that it calculates; the
// workbook does not own it.
class WorkbookTag {
public:
    virtual ~WorkbookTag() = default;
};

// Thrown by a calculation that its interrupt check stopped.
class CalculationInterrupted : public SpreadsheetError {
public:
    CalculationInterrupted() : SpreadsheetError(QStringLiteral("Cálculo interrompido.")) {}
};

class Workbook {
public:
    Workbook();
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    Sheet& sheet(int index) const { return *sheets_.at(index); }
    Sheet* findSheet(QStringView name) const;  // ignores case
    Sheet* sheetById(int id) const;
    int indexOf(const Sheet& sheet) const;
    // Appends a sheet; without a name it gets the next free "SheetN".
    Sheet& addSheet(const QString& name = {});
    void deleteSheet(int index);
    void renameSheet(int index, const QString& name);

    Sheet& activeSheet() const;
    int activeSheetIndex() const { return activeSheet_; }
    void setActiveSheet(int index);

    bool r1c1References() const { return r1c1_; }
    void setR1C1References(bool on) { r1c1_ = on; }
    bool automaticCalculation() const { return automaticCalculation_; }
    void setAutomaticCalculation(bool on) { automaticCalculation_ = on; }
    bool sheetTabsVisible() const { return sheetTabsVisible_; }
    void setSheetTabsVisible(bool on) { sheetTabsVisible_ = on; }

    // Defined names at workbook scope; names are unique ignoring case.
    const std::vector<DefinedName>& names() const { return names_; }
    const DefinedName* findName(QStringView name) const;
    void defineName(const QString& name, const QString& reference);
    void deleteName(QStringView name);
    // Replaces all names at once, for loaders and structural edits.
    void setNames(std::vector<DefinedName> names);

    // The version of the file the workbook was read from, for as long as its
    // history has seen no change since: saved unchanged, a file keeps its
    // format. 0 for a workbook made here or changed since it was read.
    int fileVersion() const;
    void setFileVersion(int version);

    WorkbookTag* tag() const { return tag_; }
    void setTag(WorkbookTag* tag);

    // Recalculates every formula.
    void calculate();
    // The same, skipped when nothing formulas depend on has changed since
    // the last full calculation.
    void calculateIfChanged();
    // Batches many changes: dependents are recalculated once, at the end of
    // the outermost batch.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const;
    // Functions that failed during the last calculation.
    const std::vector<CalculationFailure>& calculationFailures() const;
    // Asked every few hundred formulas while a calculation runs, so that a
    // long one can be stopped: when it returns true the calculation throws
    // CalculationInterrupted, and the workbook counts as not calculated until
    // the next full calculation. An empty function turns the check off.
    void setCalculationInterrupt(std::function<bool()> interrupt);

    History& history() const { return *history_; }
    Calculator& calculator() const { return *calculator_; }
    StylePool& styles() const { return *styles_; }

private:
    friend class SheetListChange;
    std::unique_ptr<Sheet> takeSheet(int index);
    void putSheet(int index, std::unique_ptr<Sheet> sheet);
    void recordSheetList(std::unique_ptr<Change> change, const QString& description);
    void checkSheetName(const QString& name, const Sheet* renamed) const;
    void nameChanged();
    void recordNames(const QString& description, std::vector<DefinedName> before);

    std::vector<std::unique_ptr<Sheet>> sheets_;
    std::unique_ptr<StylePool> styles_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<History> history_;
    std::vector<DefinedName> names_;
    int activeSheet_ = 0;
    int nextSheetId_ = 0;
    bool r1c1_ = false;
    bool automaticCalculation_ = true;
    bool sheetTabsVisible_ = true;
    WorkbookTag* tag_ = nullptr;
    int fileVersion_ = 0;
    std::uint64_t fileVersionState_ = 0;
};

}  // namespace spreadsheet
