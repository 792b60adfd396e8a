#pragma once

#include <QDateTime>
#include <QString>

namespace ajuda {

// Where the help pages are. The program keeps calling its help file
// "Darvelo.chm"; the pages themselves are HTML, either shipped in an "ajuda"
// folder beside that file or generated into the user's cache.
class CaminhoAjuda {
public:
    // The folder holding the index page, generated first when needed.
    // Raises host::HostError when it cannot be generated.
    static QString resolver(const QString& arquivoChm);
    // As above with the cache folder and the program's modification time
    // given: a cached copy older than the program is generated again.
    static QString resolver(const QString& arquivoChm, const QString& pastaCache, const QDateTime& dataPrograma);
};

}  // namespace ajuda
