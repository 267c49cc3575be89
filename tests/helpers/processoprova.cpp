// A program the tests start and kill: it opens a project through the
// document, as the editor does, and then
//   processoprova tieni PROJECT.omb     holds it open until it is killed;
//   processoprova modifica PROJECT.omb  adds lamps numbered 1, 2, 3... (after
//                                       the highest number already stored) in
//                                       a loop, printing each number once its
//                                       edit has returned.
// "pronto" is printed once the project is open.

#include "document/projectdocument.h"
#include "workspace/errors.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    TProjectDocument doc;
    try {
        doc.pApriProgetto(QString::fromLocal8Bit(argv[2]));
        std::printf("pronto\n");
        std::fflush(stdout);
        if (std::strcmp(argv[1], "modifica") != 0) {
            QThread::sleep(3600);
            return 0;
        }
        TSqlQuery q = doc.fConn().fQuery(QStringLiteral("SELECT ifnull(max(NumSensore), 0) FROM tbsensori"));
        qint64 n = q.fNext() ? q.fInt64(0) : 0;
        for (;;) {
            ++n;
            doc.pAggiungiOggetto(6, 32, QString::number(n));
            std::printf("%lld\n", static_cast<long long>(n));
            std::fflush(stdout);
        }
    } catch (const TOmbrixError &e) {
        std::fprintf(stderr, "%s\n", e.fMessage().toLocal8Bit().constData());
        return 1;
    }
}
