#pragma once

namespace generation {

// Registers the payroll data module with the action registry, so that the
// report framework (the editor, the batch command) can create it by class
// name, ready to run. Mode 2 shares the module on the suite's web server
// unless the configuration forbids it; mode 1 everywhere else.
void RegistrarTnFpaDMPlanilha();

}  // namespace generation
