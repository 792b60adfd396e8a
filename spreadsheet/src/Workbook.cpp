#include <spreadsheet/Workbook.h>

#include "Calculator.h"
#include "Change.h"
#include "SheetData.h"
#include "StylePool.h"

#include <spreadsheet/Limits.h>
#include <spreadsheet/Reference.h>
#include <spreadsheet/SpreadsheetError.h>

namespace spreadsheet {

namespace {

constexpr int kMaxSheetNameLength = 31;
constexpr int kMaxSheets = limits::kSheets;

// Case folds one code unit at a time, so names of different lengths never
// match; testing the length first spares most comparisons of a long list.
bool sameName(const QString& a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool validSheetName(const QString& name)
{
    static const QString kForbidden = QStringLiteral("[]:*?/\\");
    if (name.trimmed().isEmpty() || name.size() > kMaxSheetNameLength || name.startsWith(u'\'')
        || name.endsWith(u'\'')) {
        return false;
    }
    for (QChar c : name) {
        if (kForbidden.contains(c)) {
            return false;
        }
    }
    return true;
}

bool validDefinedName(const QString& name)
{
    if (name.isEmpty() || name.size() > limits::kNameLength || !(name[0].isLetter() || name[0] == u'_' || name[0] == u'\\')) {
        return false;
    }
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'\\')) {
            return false;
        }
    }
    CellAddress address;
    return !parseCellAddress(name, address);
}

}  // namespace

Workbook::Workbook()
    : styles_(std::make_unique<StylePool>()),
      calculator_(std::make_unique<Calculator>(*this)),
      history_(std::make_unique<History>(*this))
{
}

Workbook::~Workbook()
{
    // Sheets go first: their formulas may still be known to the calculator.
    sheets_.clear();
}

Sheet* Workbook::findSheet(QStringView name) const
{
    for (const auto& sheet : sheets_) {
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0) {
            return sheet.get();
        }
    }
    return nullptr;
}

Sheet* Workbook::sheetById(int id) const
{
    for (const auto& sheet : sheets_) {
        if (sheet->id() == id) {
            return sheet.get();
        }
    }
    return nullptr;
}

int Workbook::indexOf(const Sheet& sheet) const
{
    for (int i = 0; i < sheetCount(); ++i) {
        if (sheets_[static_cast<std::size_t>(i)].get() == &sheet) {
            return i;
        }
    }
    return -1;
}

void Workbook::checkSheetName(const QString& name, const Sheet* renamed) const
{
    if (!validSheetName(name)) {
        throw SpreadsheetError(QStringLiteral("Nome de planilha inválido: \"%1\".").arg(name));
    }
    const Sheet* existing = findSheet(name);
    if (existing && existing != renamed) {
        throw SpreadsheetError(QStringLiteral("Já existe uma planilha com o nome \"%1\".").arg(name));
    }
}

// Sheets added, deleted or renamed. A deleted sheet is kept whole by the
// change, with its id, so that references to it resolve again after undo.
class SheetListChange : public Change {
public:
    enum class Kind { Added, Deleted, Renamed };

    SheetListChange(Kind kind, int index, std::unique_ptr<Sheet> held, QString before = {}, QString after = {})
        : kind_(kind), index_(index), held_(std::move(held)), before_(std::move(before)), after_(std::move(after))
    {
        bytes_ = sizeof(*this) + (held_ ? estimate(*held_) : 0);
    }
    void undo(Workbook& workbook) override { apply(workbook, true); }
    void redo(Workbook& workbook) override { apply(workbook, false); }
    std::size_t memoryUsage() const override { return bytes_; }

private:
    static std::size_t estimate(const Sheet& sheet)
    {
        std::size_t cells = 0;
        sheet.data().cells.forEach({0, 0, kMaxColumns - 1, kMaxRows - 1}, [&](int, int, const Cell&) { ++cells; });
        return cells * 64;
    }
    void apply(Workbook& workbook, bool undoing)
    {
        switch (kind_) {
        case Kind::Renamed:
            workbook.renameSheet(index_, undoing ? before_ : after_);
            return;
        case Kind::Added:
        case Kind::Deleted:
            if (undoing == (kind_ == Kind::Added)) {
                held_ = workbook.takeSheet(index_);
            } else {
                workbook.putSheet(index_, std::move(held_));
            }
            return;
        }
    }

    Kind kind_;
    int index_;
    std::unique_ptr<Sheet> held_;
    QString before_;
    QString after_;
    std::size_t bytes_ = 0;
};

void Workbook::recordSheetList(std::unique_ptr<Change> change, const QString& description)
{
    HistoryScope scope(*history_, description);
    if (history_->isRecording()) {
        history_->record(std::move(change));
    } else {
        history_->noteUnrecordedChange();
    }
}

std::unique_ptr<Sheet> Workbook::takeSheet(int index)
{
    calculator_->structureChanged();
    std::unique_ptr<Sheet> sheet = std::move(sheets_[static_cast<std::size_t>(index)]);
    sheets_.erase(sheets_.begin() + index);
    if (activeSheet_ >= sheetCount()) {
        activeSheet_ = std::max(0, sheetCount() - 1);
    }
    calculator_->recalculateAllLater();
    return sheet;
}

void Workbook::putSheet(int index, std::unique_ptr<Sheet> sheet)
{
    sheets_.insert(sheets_.begin() + index, std::move(sheet));
    calculator_->structureChanged();
    calculator_->recalculateAllLater();
}

Sheet& Workbook::addSheet(const QString& name)
{
    QString chosen = name;
    if (chosen.isEmpty()) {
        for (int n = sheetCount() + 1;; ++n) {
            chosen = QStringLiteral("Sheet%1").arg(n);
            if (!findSheet(chosen)) {
                break;
            }
        }
    }
    checkSheetName(chosen, nullptr);
    if (nextSheetId_ >= kMaxSheets) {
        throw SpreadsheetError(QStringLiteral("Número máximo de planilhas atingido (%1 planilhas criadas nesta pasta de trabalho).").arg(kMaxSheets));
    }
    sheets_.push_back(std::make_unique<Sheet>(*this, nextSheetId_++, chosen));
    // References to this name that were written before the sheet existed
    // stay #REF!; only the index needs to hear of the new sheet.
    calculator_->structureChanged();
    recordSheetList(std::make_unique<SheetListChange>(SheetListChange::Kind::Added, sheetCount() - 1, nullptr),
                    QStringLiteral("Inserir planilha"));
    return *sheets_.back();
}

void Workbook::deleteSheet(int index)
{
    if (index < 0 || index >= sheetCount()) {
        throw SpreadsheetError(QStringLiteral("Planilha inexistente: %1.").arg(index));
    }
    std::unique_ptr<Sheet> removed = takeSheet(index);
    if (history_->isEnabled() && !history_->isReplaying()) {
        recordSheetList(std::make_unique<SheetListChange>(SheetListChange::Kind::Deleted, index, std::move(removed)),
                        QStringLiteral("Excluir planilha"));
    } else {
        history_->noteUnrecordedChange();
    }
}

void Workbook::renameSheet(int index, const QString& name)
{
    Sheet& sheet = this->sheet(index);
    checkSheetName(name, &sheet);
    QString before = sheet.name_;
    sheet.name_ = name;
    calculator_->structureChanged();
    recordSheetList(std::make_unique<SheetListChange>(SheetListChange::Kind::Renamed, index, nullptr, std::move(before), name),
                    QStringLiteral("Renomear planilha"));
}

Sheet& Workbook::activeSheet() const
{
    if (sheets_.empty()) {
        throw SpreadsheetError(QStringLiteral("A pasta de trabalho não tem planilhas."));
    }
    return *sheets_[static_cast<std::size_t>(activeSheet_)];
}

void Workbook::setActiveSheet(int index)
{
    if (index < 0 || index >= sheetCount()) {
        throw SpreadsheetError(QStringLiteral("Planilha inexistente: %1.").arg(index));
    }
    activeSheet_ = index;
}

const DefinedName* Workbook::findName(QStringView name) const
{
    for (const DefinedName& n : names_) {
        if (sameName(n.name, name)) {
            return &n;
        }
    }
    return nullptr;
}

namespace {

// Defined names before and after an action.
class NamesChange : public Change {
public:
    NamesChange(std::vector<DefinedName> before, std::vector<DefinedName> after)
        : before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo(Workbook& workbook) override { workbook.setNames(before_); }
    void redo(Workbook& workbook) override { workbook.setNames(after_); }
    std::size_t memoryUsage() const override { return sizeof(*this) + (before_.size() + after_.size()) * 64; }

private:
    std::vector<DefinedName> before_;
    std::vector<DefinedName> after_;
};

}  // namespace

void Workbook::recordNames(const QString& description, std::vector<DefinedName> before)
{
    HistoryScope scope(*history_, description);
    if (history_->isRecording()) {
        history_->record(std::make_unique<NamesChange>(std::move(before), names_));
    } else {
        history_->noteUnrecordedChange();
    }
}

void Workbook::defineName(const QString& name, const QString& reference)
{
    if (!validDefinedName(name)) {
        throw SpreadsheetError(QStringLiteral("Nome inválido: \"%1\".").arg(name));
    }
    QString text = reference.trimmed();
    if (text.startsWith(u'=')) {
        text.remove(0, 1);
    }
    // Copied only for the history: a file's thousands of names are read with
    // history off.
    std::vector<DefinedName> before;
    if (history_->isEnabled() && !history_->isReplaying()) {
        before = names_;
    }
    auto it = std::find_if(names_.begin(), names_.end(),
                           [&](const DefinedName& n) { return sameName(n.name, name); });
    if (it != names_.end()) {
        it->reference = text;
    } else {
        if (names_.size() >= std::size_t{limits::kNames}) {
            throw SpreadsheetError(QStringLiteral("Nomes definidos demais na pasta de trabalho (o limite é %1).")
                                       .arg(limits::kNames));
        }
        names_.push_back({name, text});
    }
    recordNames(QStringLiteral("Definir nome"), std::move(before));
    nameChanged();
}

void Workbook::deleteName(QStringView name)
{
    std::vector<DefinedName> before = names_;
    if (std::erase_if(names_, [&](const DefinedName& n) { return sameName(n.name, name); }) == 0) {
        return;
    }
    recordNames(QStringLiteral("Excluir nome"), std::move(before));
    nameChanged();
}

void Workbook::setNames(std::vector<DefinedName> names)
{
    names_ = std::move(names);
    nameChanged();
}

void Workbook::nameChanged()
{
    calculator_->structureChanged();
    calculator_->recalculateAllLater();
}

void Workbook::calculate()
{
    calculator_->calculateAll();
}

void Workbook::calculateIfChanged()
{
    calculator_->calculateAllIfChanged();
}

// The tag is how custom functions find their context: another tag may give
// other values.
int Workbook::fileVersion() const
{
    return history_->stateId() == fileVersionState_ ? fileVersion_ : 0;
}

void Workbook::setFileVersion(int version)
{
    fileVersion_ = version;
    fileVersionState_ = history_->stateId();
}

void Workbook::setTag(WorkbookTag* tag)
{
    tag_ = tag;
    calculator_->noteChange();
}

void Workbook::beginUpdate()
{
    calculator_->beginUpdate();
    history_->open(QString());
}

void Workbook::endUpdate()
{
    history_->close();
    calculator_->endUpdate();
}

bool Workbook::isUpdating() const
{
    return calculator_->isUpdating();
}

void Workbook::setCalculationInterrupt(std::function<bool()> interrupt)
{
    calculator_->setInterrupt(std::move(interrupt));
}

const std::vector<CalculationFailure>& Workbook::calculationFailures() const
{
    return calculator_->failures();
}

}  // namespace spreadsheet
