#pragma once

namespace host {

// Makes sure that workbook files (*.nxs) open with the editor: installs, in
// the user's XDG data folder, a desktop entry and a MIME type for them when
// they are missing, and refreshes the desktop's caches when it installed
// something. Does nothing when not ativo, when DARVELO_SEM_ASSOCIACAO is 1,
// or when both are installed system-wide (in XDG_DATA_DIRS). True when something was installed; raises with the path when a file
// cannot be written.
bool AssociateExtensionCheck(bool ativo = true);

}  // namespace host
