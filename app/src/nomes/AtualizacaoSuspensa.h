#pragma once

#include <spreadsheet/Workbook.h>

// Holds the workbook's updates for a scope: its formulas follow once, at
// the end, and they follow also when the scope is left by an error.
class AtualizacaoSuspensa {
public:
    explicit AtualizacaoSuspensa(spreadsheet::Workbook& pasta) : FPasta(pasta) { FPasta.beginUpdate(); }
    ~AtualizacaoSuspensa() { FPasta.endUpdate(); }
    AtualizacaoSuspensa(const AtualizacaoSuspensa&) = delete;
    AtualizacaoSuspensa& operator=(const AtualizacaoSuspensa&) = delete;

private:
    spreadsheet::Workbook& FPasta;
};
