#include "host/HugePages.h"

#include <QByteArray>
#include <QFile>

#include <cstdlib>

#include <unistd.h>

namespace host {

namespace {

constexpr char kTunable[] = "glibc.malloc.hugetlb=1";

// "always" maps huge pages for every program, "never" for none; only
// "madvise" waits to be asked.
bool systemWaitsToBeAsked()
{
    QFile mode(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return mode.open(QIODevice::ReadOnly) && mode.readAll().contains("[madvise]");
}

bool underValgrind()
{
    return qgetenv("LD_PRELOAD").contains("vgpreload");
}

}  // namespace

void useHugePages(char** argv)
{
#ifdef __GLIBC__
    const QByteArray tunables = qgetenv("GLIBC_TUNABLES");
    if (tunables.contains("glibc.malloc.hugetlb") || qEnvironmentVariableIsSet("DARVELO_PAGINAS_PEQUENAS")
        || underValgrind() || !systemWaitsToBeAsked())
        return;
    const QByteArray asked = tunables.isEmpty() ? QByteArray(kTunable) : tunables + ':' + kTunable;
    if (setenv("GLIBC_TUNABLES", asked.constData(), 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // Not restarted: the program goes on as it was started.
    if (tunables.isEmpty())
        unsetenv("GLIBC_TUNABLES");
    else
        setenv("GLIBC_TUNABLES", tunables.constData(), 1);
#else
    (void)argv;
#endif
}

}  // namespace host
