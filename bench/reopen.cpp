// Opening a project again, unchanged: the document's own opening with its
// snapshot check, in this process. The project is opened once (a snapshot
// is made if the last one differs), then ROUNDS times more; prints the
// median CPU time (user and system, this process) and wall time of one
// opening, and the CPU time of the first.
//
//   reopen PROJECT.omb [ROUNDS]

#include "document/projectdocument.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

double fCpuMs()
{
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000.0 +
           double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000.0;
}

double fMediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: reopen PROJECT.omb [ROUNDS]\n");
        return 2;
    }
    const QString sDb = QFile::decodeName(argv[1]);
    const int nGiri = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    TProjectDocument doc;
    QString sAvviso;
    QObject::connect(&doc, &TProjectDocument::sigAvviso, [&](const QString &s) { sAvviso = s; });
    std::vector<double> aCpu, aWall;
    double fPrima = 0;
    try {
        for (int i = 0; i <= nGiri; ++i) {
            QElapsedTimer t;
            t.start();
            const double c0 = fCpuMs();
            doc.pApriProgetto(sDb);
            const double c = fCpuMs() - c0;
            if (i == 0)
                fPrima = c;
            else {
                aCpu.push_back(c);
                aWall.push_back(double(t.nsecsElapsed()) / 1e6);
            }
        }
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "%s\n", e.fMessage().toLocal8Bit().constData());
        return 1;
    }
    if (!sAvviso.isEmpty()) {
        std::fprintf(stderr, "%s\n", sAvviso.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%.1f %.1f %.1f\n", fMediana(aCpu), fMediana(aWall), fPrima);
    return 0;
}
