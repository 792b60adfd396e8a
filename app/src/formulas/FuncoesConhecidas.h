#pragma once

#include <spreadsheet/FormulaConvention.h>
#include <spreadsheet/widgets/FormulaCompleter.h>

#include <vector>

// Every function a formula may call, named as the user types it, with its
// arguments: the engine's built-in ones, and the suite's with the parameter
// names of their menus.
std::vector<spreadsheet::widgets::FormulaCompleter::Entry> funcoesConhecidas(spreadsheet::FormulaConvention convencao);
