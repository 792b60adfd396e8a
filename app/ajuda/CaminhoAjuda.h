#pragma once

#include <QDateTime>
#include <QString>

namespace ajuda {

// Where the help pages are. The program keeps calling its help file
// "Darvelo.chm"; the pages themselves are HTML, either shipped in an "ajuda"
// folder beside that file or under the installation's share folder, or
// generated into the user's cache.
class CaminhoAjuda {
public:
    // The folder holding the index page, generated first when needed.
    // Raises host::HostError when it cannot be generated.
    static QString resolver(const QString& arquivoChm);
    // As above with the cache folder and the program's modification time
    // given: a cached copy older than the program is generated again.
    static QString resolver(const QString& arquivoChm, const QString& pastaCache, const QDateTime& dataPrograma);
    // The user guide's first page (Markdown): the installed one for a
    // program under a prefix, else the sources' for a build folder; empty
    // when neither is there.
    static QString guia(const QString& pastaPrograma);
};

}  // namespace ajuda
