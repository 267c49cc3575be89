// The maps.txt reader on any bytes: it either reads a map or refuses with a
// message of bounded length, and what it reads is what the export can write:
// every record is the one the export writes for its fields, and no label is
// longer than the record's column holds.

#include "check/verifica.h"
#include "export/maplines.h"
#include "preview/mapsreader.h"
#include "workspace/errors.h"

#include <cstdlib>

namespace {

void pVerifica(bool b)
{
    if (!b)
        std::abort();
}

void pRecord(const TRecordMappa &r)
{
    pVerifica(r.sTesto.size() <= iTestoMassimo);
    pVerifica(r.iRiga > 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray dati = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const TMappa m = fLeggiMappa(dati, QStringLiteral("maps.txt"));
        for (const TAreaMappa &a : m.aAree) {
            pVerifica(a.sBitmap == QStringLiteral("file") + AddLeadingZeroes(a.iId, 4) + QStringLiteral(".bmp"));
            pVerifica(m.fArea(a.iId) != nullptr);
            for (const QList<TRecordMappa> *p : {&a.aTasti, &a.aZoom, &a.aIngressi, &a.aUscite})
                for (const TRecordMappa &r : *p)
                    pRecord(r);
            for (const TRecordMappa &r : a.aIngressi)
                pVerifica(fTipoDaCodice(r.sTipo) != 0);
        }
    } catch (const TOmbrixError &e) {
        // the file, the line and the reason, with at most an excerpt of what was read
        pVerifica(e.fMessage().startsWith(QStringLiteral("maps.txt: ")));
        pVerifica(e.fMessage().size() < 400);
    }
    return 0;
}
